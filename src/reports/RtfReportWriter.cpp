// SPDX-License-Identifier: Apache-2.0
#include "reports/RtfReportWriter.h"

#include "reports/RtfDocument.h"

namespace orva {

StoreStatus WriteRtfReport(const RtfReportTexts& texts, OutputFile& file) {
    for (const std::string& chunk : BuildRtfReport(texts)) {
        const StoreStatus written = file.Write(chunk.data(), chunk.size());
        if (!written) return written;
    }
    return {};
}

StoreStatus WriteRtfReport(const ReportSet& reports, OutputFile& file) {
    return WriteRtfReport(PrepareRtfReportTexts(reports), file);
}

}  // namespace orva
