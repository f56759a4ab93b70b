#pragma once

namespace orva {

// The version of both programs, set once in the top-level CMakeLists.txt.
inline constexpr const char* kVersion = ORVA_VERSION_TEXT;

}  // namespace orva
