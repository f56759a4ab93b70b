// SPDX-License-Identifier: Apache-2.0
// Feeds any bytes to the CSV import decoder: it must refuse or accept them without crashing,
// and whatever it accepts must export to rows of exactly the export's shape.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "reports/CsvFormat.h"
#include "reports/CsvImport.h"

namespace {

const orva::FixedClock kClock({2024, 6, 14, 12, 0, 0});

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const orva::CsvImportResult result = orva::DecodeCsvImport(bytes, kClock);
    Check(result.status.Ok() == !result.problem.has_value());
    Check(result.status.Ok() || result.records.empty());
    if (result.problem) orva::DescribeProblem(*result.problem);
    for (const orva::AssessmentRecord& record : result.records) {
        const std::string line = orva::FormatCsvLine(record);
        std::size_t commas = 0;
        for (char c : line) commas += c == ',' ? 1 : 0;
        Check(commas == orva::kCsvColumns - 1);
        Check(line.find('\n') == line.size() - 1);
    }
    return 0;
}
