#include <QtTest>

#include "FormTexts.h"
#include "PersonDetailTexts.h"
#include "ReportSet.h"
#include "test_analysis_records.h"

using namespace orva;
using analysis_test::MakeRecord;
using Lines = std::array<std::string, 3>;

Q_DECLARE_METATYPE(Lines)

namespace {

struct Address {
    const char* street;
    const char* town;
    const char* state;
    const char* postcode;
    const char* country;
};

}  // namespace

Q_DECLARE_METATYPE(Address)

namespace {

ReportSet WithSelf(const AssessmentRecord& record) {
    ReportSet reports;
    reports.Record(kSelf) = record;
    return reports;
}

QString Show(const Lines& lines) {
    return QStringLiteral("[%1|%2|%3]")
        .arg(QString::fromStdString(lines[0]), QString::fromStdString(lines[1]),
             QString::fromStdString(lines[2]));
}

}  // namespace

// The person's details as the form (and the written reports) show them.
class AnalysisDetailsTest : public QObject {
    Q_OBJECT

  private slots:
    void addressJoinsItsPartsIntoAtMostThreeLines_data() {
        QTest::addColumn<Address>("address");
        QTest::addColumn<Lines>("expected");
        QTest::newRow("street, town, postcode") << Address{"1 High St", "Springfield", "", "3000", ""}
                                                << Lines{"1 High St", "Springfield   3000", ""};
        QTest::newRow("all five") << Address{"1 High St", "Springfield", "VIC", "3000", "Australia"}
                                  << Lines{"1 High St", "Springfield   VIC   3000", "Australia"};
        QTest::newRow("street and state")
            << Address{"1 High St", "", "VIC", "", ""} << Lines{"1 High St", "VIC", ""};
        QTest::newRow("town first") << Address{"", "Springfield", "VIC", "", ""}
                                    << Lines{"Springfield", "VIC", ""};
        QTest::newRow("street and country")
            << Address{"1 High St", "", "", "", "Australia"} << Lines{"1 High St", "Australia", ""};
        QTest::newRow("nothing") << Address{"", "", "", "", ""} << Lines{"Not Specified", "", ""};
    }
    void addressJoinsItsPartsIntoAtMostThreeLines() {
        QFETCH(Address, address);
        QFETCH(Lines, expected);
        AssessmentRecord record = MakeRecord(kSelf);
        record.SetStreetAddress(address.street);
        record.SetTown(address.town);
        record.SetState(address.state);
        record.SetPostcode(address.postcode);
        record.SetCountry(address.country);
        QCOMPARE(Show(PreparePersonDetailTexts(WithSelf(record)).addressLines), Show(expected));
    }

    void phoneTakesWhicheverNumbersAreGiven_data() {
        QTest::addColumn<QString>("phone");
        QTest::addColumn<QString>("phone2");
        QTest::addColumn<Lines>("expected");
        QTest::newRow("both") << "5550 1234"
                              << "0400 000 000" << Lines{"5550 1234", "0400 000 000", ""};
        QTest::newRow("first") << "5550 1234"
                               << "" << Lines{"5550 1234", "", ""};
        QTest::newRow("second") << ""
                                << "0400 000 000" << Lines{"0400 000 000", "", ""};
        QTest::newRow("none") << ""
                              << "" << Lines{"Not Specified", "", ""};
    }
    void phoneTakesWhicheverNumbersAreGiven() {
        QFETCH(QString, phone);
        QFETCH(QString, phone2);
        QFETCH(Lines, expected);
        AssessmentRecord record = MakeRecord(kSelf);
        record.SetPhone(phone.toStdString());
        record.SetPhone2(phone2.toStdString());
        QCOMPARE(Show(PreparePersonDetailTexts(WithSelf(record)).phoneLines), Show(expected));
    }

    void genderWordsAcceptStoredLowerCase_data() {
        QTest::addColumn<char>("code");
        QTest::addColumn<QString>("word");
        QTest::newRow("F") << 'F' << "Female";
        QTest::newRow("m") << 'm' << "Male";
        QTest::newRow("x") << 'x' << "Other";
        QTest::newRow("U") << 'U' << "Not Specified";
        QTest::newRow("Q") << 'Q' << "Not Specified";
    }
    void genderWordsAcceptStoredLowerCase() {
        QFETCH(char, code);
        QFETCH(QString, word);
        AssessmentRecord record = MakeRecord(kSelf);
        record.SetStoredGender(code);
        QCOMPARE(QString::fromStdString(PreparePersonDetailTexts(WithSelf(record)).gender), word);
    }

    void onlyATeacherReportGivesEverythingFromIt() {
        ReportSet reports;
        AssessmentRecord teacher = MakeRecord(kTeacher, {"JO", "BLOGGS", 2010, 11, 2}, {}, false, "Mr Lee");
        teacher.SetSchoolYear("K");
        teacher.SetSchool("Hill School");
        reports.Record(kTeacher) = teacher;
        const PersonDetailTexts details = PreparePersonDetailTexts(reports);
        QCOMPARE(details.name, std::string("JO BLOGGS"));
        QCOMPARE(details.birthDate, std::string("02 November 2010"));
        QCOMPARE(details.completionDate, std::string("01 June 2026"));
        QCOMPARE(details.ageAtCompletion, std::string("15"));
        QCOMPARE(details.parentName, std::string());
        QCOMPARE(details.teacherName, std::string("Mr Lee"));
        QCOMPARE(details.schoolYear, std::string("K"));
        QCOMPARE(details.school, std::string("Hill School"));
        QCOMPARE(details.comments[0], std::string());
        QCOMPARE(details.comments[1], std::string());
        QCOMPARE(details.comments[2], std::string("{No additional 'Teacher-Report' comments were supplied}"));
        QCOMPARE(ObserversText(details), std::string("Teacher:    Mr Lee"));
        QCOMPARE(CommentsText(details), details.comments[2]);
    }

    void firstPresentReportWinsButSchoolDetailsComeFromTheFirstThatHasThem() {
        ReportSet reports;
        reports.Record(kSelf) = MakeRecord(kSelf, {"ALEX", "CITIZEN"});
        reports.Record(kParent) = MakeRecord(kParent, {"PAT", "OTHER"}, {}, false, "Pat Citizen");
        reports.Record(kParent).SetSchoolYear("7");
        reports.Record(kParent).SetObserverComment("Worried \\ tired");
        reports.Record(kTeacher) = MakeRecord(kTeacher, {}, {}, false, "");
        reports.Record(kTeacher).SetSchool("Hill School");
        const PersonDetailTexts details = PreparePersonDetailTexts(reports);
        QCOMPARE(details.name, std::string("ALEX CITIZEN"));
        QCOMPARE(details.schoolYear, std::string("7"));
        QCOMPARE(details.school, std::string("Hill School"));
        // Texts stay as typed; escaping is for the document formats.
        QCOMPARE(details.comments[1], std::string("(Parent: Worried \\ tired)"));
        // A present report without an observer name leaves its part out.
        QCOMPARE(ObserversText(details), std::string("Parent:      Pat Citizen"));
        QCOMPARE(CommentsText(details),
                 std::string("[No additional 'Self-Report' comments were supplied]\r\n\r\n"
                             "(Parent: Worried \\ tired)\r\n\r\n"
                             "{No additional 'Teacher-Report' comments were supplied}"));
    }

    void unreadableCompletionDateLeavesTheAgeEmpty() {
        AssessmentRecord record = MakeRecord(kSelf);
        record.SetText(TextField::CompletionDate, "");
        const PersonDetailTexts details = PreparePersonDetailTexts(WithSelf(record));
        QCOMPARE(details.ageAtCompletion, std::string());
        QCOMPARE(details.completionDate, std::string());
        QCOMPARE(details.birthDate, std::string("15 March 2012"));
    }

    void noReportLeavesTheDetailsEmpty() {
        const PersonDetailTexts details = PreparePersonDetailTexts(ReportSet());
        QCOMPARE(details.name, std::string());
        QCOMPARE(Show(details.addressLines), Show(Lines{}));
        QCOMPARE(details.gender, std::string("Not Specified"));
        QCOMPARE(ObserversText(details), std::string());
        QCOMPARE(CommentsText(details), std::string());
    }

    void joinedLinesDropTheEmptyOnesAtTheEnd() {
        QCOMPARE(JoinLines({"a", "b", ""}), std::string("a\r\nb"));
        QCOMPARE(JoinLines({"a", "", "c"}), std::string("a\r\n\r\nc"));
        QCOMPARE(JoinLines({"", "", ""}), std::string());
    }
};

QTEST_MAIN(AnalysisDetailsTest)
#include "test_analysis_details.moc"
