// SPDX-License-Identifier: Apache-2.0
#include "reports/support/ReportsTestSupport.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/RecordBuilder.h"

namespace orva::reports_test {

AssessmentRecord PersonRecord(int reporter, const std::string& first, const std::string& last,
                              std::initializer_list<std::pair<int, int>> answers) {
    return testsupport::RecordBuilder(reporter).Names(first, last).Born(2010, 3, 15).Completed(2024, 5, 2).Answers(answers);
}

namespace {

// Answers every item the reporter is asked, as the wizards record them: 4 for the listed items,
// 1 for the others, so that the listed ones are endorsed and the repeated pairs give a
// computable Omega.
void AnswerAll(AssessmentRecord& record, std::initializer_list<int> endorsed) {
    record = testsupport::RecordBuilder(record).AnswerAll(1).Endorsing(endorsed);
}

}  // namespace

ReportSet FullAnalysis() {
    ReportSet set;
    AssessmentRecord& self = set.Record(kSelf);
    self = PersonRecord(kSelf, "Zo\xEB", "O'Brien {Jr}");
    self.SetStreetAddress("12 Harbour St");
    self.SetTown("Fremantle");
    self.SetState("WA");
    self.SetPostcode("6160");
    self.SetCountry("Australia");
    self.SetPhone("08 9335 1234");
    self.SetPhone2("0412 345 678");
    self.SetSchoolYear("8");
    self.SetSchool("Beaconsfield High");
    self.SetObserverComment("Feels C:\\worried\\ most days");
    self = testsupport::RecordBuilder(self).Gender('F');
    AnswerAll(self, {1, 14, 23, 27, 4, 15, 83});

    AssessmentRecord& parent = set.Record(kParent);
    parent = PersonRecord(kParent, "Zo\xEB", "O'Brien {Jr}");
    parent.SetObserverName("Maria O'Brien");
    parent.SetObserverComment("Sleeps badly, {often} late");
    AnswerAll(parent, {4, 15, 83, 36, 57});

    AssessmentRecord& teacher = set.Record(kTeacher);
    teacher = PersonRecord(kTeacher, "Zo\xEB", "O'Brien {Jr}");
    teacher.SetObserverName("Mr Hale");
    AnswerAll(teacher, {14, 27, 87, 103});
    return set;
}

ReportSet TeacherOnlyAnalysis() {
    ReportSet set;
    AssessmentRecord& teacher = set.Record(kTeacher);
    teacher = PersonRecord(kTeacher, "Sam", "Nguyen");
    teacher.SetStreetAddress("4 Elm Rd");
    teacher.SetTown("Bendigo");
    teacher.SetPostcode("3550");
    teacher.SetPhone2("03 5444 0000");
    teacher.SetSchoolYear("K");
    teacher.SetObserverName("Ms Park");
    teacher = testsupport::RecordBuilder(teacher).Gender('M');
    AnswerAll(teacher, {14, 27, 87, 103, 5, 6});
    return set;
}

AssessmentRecord AwkwardRecord() {
    AssessmentRecord record = PersonRecord(kParent,
                                           "Ren\xE9"
                                           "e, \"Jo\"",
                                           "D'Arcy, Smith");
    record.SetStreetAddress("1, Rue de l'\xC9glise");
    record.SetTown(
        "  Montr\xE9"
        "al  ");
    record.SetState("QC");
    record.SetPostcode("H2X 1Y4");
    record.SetCountry("Canada");
    record.SetPhone("514,555,0199");
    record.SetEmail("jo@example.org");
    record.SetSchoolYear("10");
    record.SetSchool(
        "\xC9"
        "cole \"Sainte\"\tMarie");
    record.SetObserverName("Ana\tD'Arcy");
    record.SetObserverRelationship("Mother");
    record.SetObserverContact("ana@example.org\r\n555");
    record.SetObserverComment("Line one\r\nLine two, with \"quotes\" and 'apostrophes'");
    record.SetDataEntry(kPaper);
    return testsupport::RecordBuilder(record)
        .Gender('F')
        .Answers({{1, 0}, {2, 5}, {3, -1}, {111, 3}})
        .SavedAt({2024, 6, 1, 8, 5, 9});
}

std::string WithoutSaveColumns(const std::string& csv) {
    std::string out;
    std::size_t start = 0;
    while (start < csv.size()) {
        const std::size_t end = csv.find('\n', start);
        std::string line = csv.substr(start, end == std::string::npos ? std::string::npos : end + 1 - start);
        if (line.rfind("ORVA 4.0  ,", 0) == 0) {
            std::size_t first = 0;
            for (int c = 0; c < 21; ++c) first = line.find(',', first) + 1;
            std::size_t last = first;
            for (int c = 0; c < 5; ++c) last = line.find(',', last) + 1;
            line.erase(first, line.find(',', last) - first);
        }
        out += line;
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return out;
}

bool HasProgram(const std::string& name) {
    return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

std::string CommandOutput(const std::string& command) {
    std::string text;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return text;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) text.append(buffer, n);
    ::pclose(pipe);
    return text;
}

}  // namespace orva::reports_test
