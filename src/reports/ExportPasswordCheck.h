#pragma once

#include <chrono>
#include <functional>
#include <string_view>

#include "reports/ExportPasswords.h"

namespace orva {

inline constexpr std::chrono::milliseconds kWrongPasswordDelay{1000};

// The check of a password entered for an export, shared by the export password box and the
// command line: `entered` as typed (letters already lower-cased). A wrong password costs one
// second before the answer, taken in turn with every other check on the computer
// (ExportPasswords::GuessTurn), so that trying many by hand, by script or in parallel takes long.
bool CheckExportPassword(const ExportPasswords& passwords, std::string_view entered,
                         const Sleeper& sleep = SleepFor);

}  // namespace orva
