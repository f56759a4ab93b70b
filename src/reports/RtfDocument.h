#pragma once

#include <string>
#include <vector>

#include "reports/RtfReportTexts.h"

namespace orva {

// Chunks are handed to the output file one at a time; each stays below this size.
inline constexpr std::size_t kRtfChunkLimit = 30000;

// Page geometry and table layout of the report, in twips.
inline constexpr int kRtfPaperWidth = 11906;
inline constexpr int kRtfPaperHeight = 16838;
inline constexpr int kRtfLeftMargin = 851;
inline constexpr int kRtfRightMargin = 709;
inline constexpr int kRtfFooterDistance = 902;

// The RTF document of a report, in the chunks it is written in: the preamble with the footer,
// the title page, the outline, the results heading, the details table, the results table
// heading, one chunk per results row (group rows, disorder rows, the positive-screen row),
// the reliability table, the comments, the items to follow up with the heading of their list,
// one chunk per item, and the closing brace.
std::vector<std::string> BuildRtfReport(const RtfReportTexts& texts);

// The first chunk: header, font, colour and style tables, information group, document and
// section settings, and the footer.
std::string RtfPreamble();

}  // namespace orva
