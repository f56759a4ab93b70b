// SPDX-License-Identifier: Apache-2.0
#include "reports/print/support/PrintTestSupport.h"

#include <string>

#include "reports/print/PrintImages.h"
#include "reports/support/ReportsTestSupport.h"
#include "support/RecordBuilder.h"

namespace orva::print_test {

RecordedPages DrawAllPages(const ReportSet& reports) {
    const ReportPrinter printer(reports, LoadPrintImages());
    RecordedPages pages;
    for (int page = 1; page <= ReportPrinter::kMaxPageCount; ++page) printer.DrawPage(page, pages[page - 1]);
    return pages;
}

ReportSet LongestAnalysis() {
    ReportSet set;
    const std::string comment(200, 'w');
    const char* observers[kReportSlots] = {"", "Alexandra-Catherine W", "Maximilian Fitzgerald"};
    for (int slot : {kSelf, kParent, kTeacher}) {
        AssessmentRecord& record = set.Record(slot);
        record = reports_test::PersonRecord(slot, "Bartholomew-Augustin", "Montgomery-Whitfield");
        record.SetStreetAddress("Apartment 1204, 1187 Kingsbury Boulevard");
        record.SetTown("North Strathfield Wes");
        record.SetState("NSW");
        record.SetPostcode("2137-99999");
        record.SetCountry("Commonwealth of Aust");
        record.SetPhone("+61 2 9999 888");
        record.SetPhone2("+61 412 345 67");
        record.SetSchoolYear("12");
        record.SetSchool("St Bartholomew's Anglican Gram");
        record.SetObserverName(observers[slot]);
        std::string words;
        while (words.size() < 200) words += "Restless at night, {worried} about 100% of tests; ";
        record.SetObserverComment(slot == kSelf ? comment : words);
        record = testsupport::RecordBuilder(record).Gender('X').AnswerEveryItem(5);
    }
    return set;
}

}  // namespace orva::print_test
