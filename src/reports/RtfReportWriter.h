#pragma once

#include "store/OutputFile.h"
#include "screening/ReportSet.h"
#include "reports/RtfReportTexts.h"

namespace orva {

// Writes the report document to the open file, chunk by chunk. The number of bytes written,
// or the first failed write's negative result, after which nothing more is written. The file
// stays open: its owner closes it.
long long WriteRtfReport(const RtfReportTexts& texts, OutputFile& file);

// Prepares the texts from the report set, then writes them.
long long WriteRtfReport(const ReportSet& reports, OutputFile& file);

}  // namespace orva
