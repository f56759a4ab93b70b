#pragma once

// The program's own name and web address, which every part of the desktop program shows: the
// caption of a prompt that has none, the About box, the selection dialogs' note, the website.
namespace orva::texts {

inline constexpr const char* kAppTitle = "ORVA";
inline constexpr const char* kWebAddress = "https://www.kelbrin.example/orva";

}  // namespace orva::texts
