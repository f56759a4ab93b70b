// SPDX-License-Identifier: Apache-2.0
// Writes a small CSV in the export's format, made with the program's own CSV code, for the
// installation check to import with the installed orva-cli.
#include <fstream>
#include <iostream>

#include "model/AssessmentRecord.h"
#include "model/Clock.h"
#include "reports/CsvFormat.h"
#include "reports/ReportsTexts.h"
#include "support/RecordBuilder.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: write_sample_csv OUT.csv\n";
        return 2;
    }
    using namespace orva;
    testsupport::RecordBuilder record(kParent);
    record.Names("Robin", "Installcheck")
        .Born(2014, 2, 3)
        .Completed(2026, 6, 1)
        .Gender('F')
        .Observer("Sam Installcheck");
    for (int item = 1; item <= kItemCount; ++item) record.Answers({{item, item % 6}});
    record.SavedAt(LocalDateTime{2026, 6, 15, 10, 30, 0});

    std::ofstream out(argv[1], std::ios::binary);
    out << texts::kCsvHeader << FormatCsvLine(record.Build());
    return out.flush() ? 0 : 1;
}
