#include "reports/RtfReportWriter.h"

#include "reports/RtfDocument.h"

namespace orva {

long long WriteRtfReport(const RtfReportTexts& texts, OutputFile& file) {
    long long total = 0;
    for (const std::string& chunk : BuildRtfReport(texts)) {
        const long long written = file.Write(chunk.data(), chunk.size());
        if (written < 0) return written;
        total += written;
    }
    return total;
}

long long WriteRtfReport(const ReportSet& reports, OutputFile& file) {
    return WriteRtfReport(PrepareRtfReportTexts(reports), file);
}

}  // namespace orva
