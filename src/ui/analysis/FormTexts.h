// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <array>
#include <string>

#include "reports/PersonDetailTexts.h"

namespace orva {

// The lines joined by CR LF, without the empty lines at the end.
std::string JoinLines(const std::array<std::string, kDetailLines>& lines);

// The observers box of the analysis form: "Parent:" and "Teacher:" parts for the observers
// that are named, a blank line between two parts.
std::string ObserversText(const PersonDetailTexts& details);

// The three comments, present ones only, a blank line between two.
std::string CommentsText(const PersonDetailTexts& details);

}  // namespace orva
