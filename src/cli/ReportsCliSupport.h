// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "model/UserMessage.h"
#include "reports/ExportPasswords.h"

namespace orva::cli {

// A message whose text holds a path as the user typed it: written as it is, since the
// product's own words in it are plain ASCII, with its control characters escaped.
void PrintPlainMessage(std::ostream& stream, const UserMessage& message);

// Why the export passwords could not be read (`failure`, from Load), with what an administrator
// must put right when they are not safe.
void PrintPasswordsNotLoaded(std::ostream& err, const ExportPasswords& passwords, ReportsFailure failure);

// The name without `extension` when it ends in it.
std::string WithoutExtension(std::string_view name, std::string_view extension);

}  // namespace orva::cli
