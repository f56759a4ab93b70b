#pragma once

#include <chrono>
#include <functional>
#include <string_view>

#include "reports/ExportPasswords.h"

namespace orva {

// Waits; tests pass one that only records the wait.
using Sleeper = std::function<void(std::chrono::milliseconds)>;
void SleepFor(std::chrono::milliseconds duration);

inline constexpr std::chrono::milliseconds kWrongPasswordDelay{1000};

// The check of a password entered for an export, shared by the export password box and the
// command line: `entered` as typed (letters already lower-cased). A wrong password costs one
// second before the answer, so that trying many by hand or by script takes long.
bool CheckExportPassword(const ExportPasswords& passwords, std::string_view entered,
                         const Sleeper& sleep = SleepFor);

}  // namespace orva
