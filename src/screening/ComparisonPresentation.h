// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>
#include <vector>

#include "screening/DisorderId.h"
#include "screening/ReporterComparison.h"

// The texts of a comparison of reporters, made in this one place for the window and orva-cli.
namespace orva {

// "3 Regularly" for an answer, "not asked of teachers" for a present Teacher on an item the
// Teacher form leaves out, and empty for a blank or an absent reporter.
std::string ComparisonAnswerText(const ReporterComparison& comparison, const ItemComparison& item, int slot);
// "Self and Parent".
std::string ReporterPairText(const ReporterAgreement& pair);
// "41%" (whole percent, half up), or "---" without items answered by both.
std::string IdenticalShareText(const ReporterAgreement& pair);
// "0.52", "-0.30" (two decimals), or "---" without a correlation.
std::string PearsonText(const ReporterAgreement& pair);
// The row ids as orva-cli names them, joined by ", ": "GAD, PTSD".
std::string RowIdsText(const std::vector<DisorderId>& rows);

}  // namespace orva
