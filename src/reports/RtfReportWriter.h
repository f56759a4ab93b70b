// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "store/OutputFile.h"
#include "screening/ReportSet.h"
#include "reports/RtfReportTexts.h"

namespace orva {

// Writes the report document to the open file, chunk by chunk; the first failed write's
// failure, after which nothing more is written. The file stays open: its owner closes it.
StoreStatus WriteRtfReport(const RtfReportTexts& texts, OutputFile& file);

// Prepares the texts from the report set, then writes them.
StoreStatus WriteRtfReport(const ReportSet& reports, OutputFile& file);

}  // namespace orva
