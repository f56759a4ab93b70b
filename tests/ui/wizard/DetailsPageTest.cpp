// SPDX-License-Identifier: Apache-2.0
#include <QAbstractButton>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include "model/ModelTexts.h"
#include "ui/support/WizardDriver.h"

using namespace orva;
using namespace orva::wizard_test;

namespace {

struct Entry {
    QString first = QStringLiteral("Alex");
    QString last = QStringLiteral("Citizen");
    QString birthDay = QStringLiteral("15");
    QString birthMonth = QStringLiteral("03");
    QString birthYear = QStringLiteral("2012");
    QString doneDay = QStringLiteral("15");
    QString doneMonth = QStringLiteral("06");
    QString doneYear = QStringLiteral("2026");
};

void TypeEntry(Run& run, const Entry& e) {
    run.Type(QStringLiteral("firstNameEdit"), e.first);
    run.Type(QStringLiteral("lastNameEdit"), e.last);
    run.Type(QStringLiteral("birthDayEdit"), e.birthDay);
    run.Type(QStringLiteral("birthMonthEdit"), e.birthMonth);
    run.Type(QStringLiteral("birthYearEdit"), e.birthYear);
    run.Type(QStringLiteral("completionDayEdit"), e.doneDay);
    run.Type(QStringLiteral("completionMonthEdit"), e.doneMonth);
    run.Type(QStringLiteral("completionYearEdit"), e.doneYear);
}

QString Text(Run& run, const char* field) {
    return run.Edit(QLatin1String(field))->text();
}

}  // namespace

class DetailsPageTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

    QString Stem() const { return dir_.filePath(QStringLiteral("details")); }

    // Next is refused with the stop message `text` and the focus on `focus`.
    static void ExpectRefusal(Run& run, const char* caption, const char* text, const QString& focus) {
        run.Prompts().ExpectMessage();
        run.Next();
        QVERIFY2(run.Prompts().AllExpectedAndConsumed(), qPrintable(run.Prompts().Report()));
        QCOMPARE(run.Prompts().Last().caption, Utf8(caption));
        QCOMPARE(run.Prompts().Last().text, Utf8(text));
        QCOMPARE(run.Prompts().Last().icon, MessageIcon::Stop);
        QCOMPARE(run.Page(), 3);
        QCOMPARE(FocusName(), focus);
    }

private slots:
    void pageOpensWithTodayAsCompletionDateAndTheReportersHeading() {
        Run run;
        run.ToDetails(kSelf, Stem());
        QCOMPARE(run.Find<QLabel>(QStringLiteral("headingLabel"))->text(), Utf8(w::kHeadingSelf));
        QCOMPARE(Text(run, "completionDayEdit"), QStringLiteral("15"));
        QCOMPARE(Text(run, "completionMonthEdit"), QStringLiteral("06"));
        QCOMPARE(Text(run, "completionYearEdit"), QStringLiteral("2026"));
        QCOMPARE(Text(run, "birthYearEdit"), QString());
        QCOMPARE(Text(run, "ageEdit"), QString());
        QCOMPARE(FocusName(), QStringLiteral("firstNameEdit"));
        QVERIFY(!run.Find(QStringLiteral("otherRadio"))->isVisible());
        run.Snap(QStringLiteral("wizard_page3_self"));
        run.Back();
        run.Click(QStringLiteral("teacherRadio"));
        run.Type(QStringLiteral("observerNameEdit"), QStringLiteral("Ms Lee"));
        run.Next();
        QCOMPARE(run.Find<QLabel>(QStringLiteral("headingLabel"))->text(), Utf8(w::kHeadingObserved));
        run.Snap(QStringLiteral("wizard_page3_teacher"));
    }

    void tabFollowsThePageFromTopToBottom() {
        Run run;
        run.ToDetails(kSelf, Stem());
        run.Click(QStringLiteral("maleRadio"));
        run.Edit(QStringLiteral("firstNameEdit"))->setFocus();
        QStringList visited{FocusName()};
        for (int presses = 0; presses < 17; ++presses) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << FocusName();
        }
        QCOMPARE(visited, QStringList({"firstNameEdit", "lastNameEdit", "birthDayEdit", "birthMonthEdit",
                                       "birthYearEdit", "completionDayEdit", "completionMonthEdit",
                                       "completionYearEdit", "maleRadio", "streetAddressEdit", "townEdit",
                                       "stateEdit", "postcodeEdit", "countryEdit", "phoneEdit", "phone2Edit",
                                       "emailEdit", "schoolYearEdit"}));
    }

    void dateFieldsAreTidiedAsTheyAreLeftAndTheAgeFollows() {
        Run run;
        run.ToDetails(kSelf, Stem());
        run.Type(QStringLiteral("birthDayEdit"), QStringLiteral("5"));
        run.Type(QStringLiteral("birthMonthEdit"), QStringLiteral("13"));
        QCOMPARE(Text(run, "birthDayEdit"), QStringLiteral("05"));
        run.Type(QStringLiteral("birthYearEdit"), QStringLiteral("12"));
        QCOMPARE(Text(run, "birthMonthEdit"), QString());
        run.Type(QStringLiteral("birthMonthEdit"), QStringLiteral("7"));
        QCOMPARE(Text(run, "birthYearEdit"), QStringLiteral("2012"));
        run.Type(QStringLiteral("completionDayEdit"), QStringLiteral("15"));
        QCOMPARE(Text(run, "birthMonthEdit"), QStringLiteral("07"));
        QCOMPARE(Text(run, "ageEdit"), QStringLiteral("13"));
        run.Type(QStringLiteral("birthYearEdit"), QStringLiteral("27"));
        run.Type(QStringLiteral("firstNameEdit"), QStringLiteral("A"));
        QCOMPARE(Text(run, "birthYearEdit"), QStringLiteral("1927"));
        QCOMPARE(Text(run, "ageEdit"), QStringLiteral("98"));
        run.Type(QStringLiteral("birthYearEdit"), QStringLiteral("1926"));
        run.Type(QStringLiteral("firstNameEdit"), QStringLiteral("A"));
        QCOMPARE(Text(run, "ageEdit"), QString());
    }

    void emptyYearStaysEmptyAndIsMandatory() {
        Run run;
        run.ToDetails(kSelf, Stem());
        Entry e;
        e.birthYear.clear();
        TypeEntry(run, e);
        run.Edit(QStringLiteral("birthYearEdit"))->setFocus();
        run.Edit(QStringLiteral("lastNameEdit"))->setFocus();
        QCOMPARE(Text(run, "birthYearEdit"), QString());
        ExpectRefusal(run, texts::kMandatoryField, texts::kBirthDateMandatory, QStringLiteral("birthYearEdit"));
        QCOMPARE(Text(run, "birthYearEdit"), QString());
    }

    void enterRunsTheChecksOfLeavingAFieldFirst() {
        Run run;
        run.ToDetails(kSelf, Stem());
        Entry e;
        e.birthYear = QStringLiteral("2012");
        TypeEntry(run, e);
        // Enter in the year field: "95" is completed before the checks see it.
        run.Type(QStringLiteral("birthYearEdit"), QStringLiteral("95"));
        run.Prompts().ExpectMessage();
        run.Enter();
        QCOMPARE(Text(run, "birthYearEdit"), QStringLiteral("1995"));
        QCOMPARE(run.Prompts().Last().text, Utf8(texts::kAgeAtCompletion));
        QCOMPARE(FocusName(), QStringLiteral("completionDayEdit"));
        run.Type(QStringLiteral("birthYearEdit"), QStringLiteral("2012"));
        // A school year refused on Enter is emptied, and the page stays with the focus on it.
        run.Type(QStringLiteral("schoolYearEdit"), QStringLiteral("13"));
        run.Prompts().ExpectMessage();
        run.Enter();
        QCOMPARE(run.Prompts().Last().caption, Utf8(texts::kSchoolYearCaption));
        QCOMPARE(run.Prompts().Last().text, Utf8(texts::kSchoolYearMessage));
        QCOMPARE(run.Prompts().Last().icon, MessageIcon::Stop);
        QCOMPARE(Text(run, "schoolYearEdit"), QString());
        QCOMPARE(FocusName(), QStringLiteral("schoolYearEdit"));
        QCOMPARE(run.Page(), 3);
        run.Type(QStringLiteral("schoolYearEdit"), QStringLiteral("p"));
        run.Enter();
        QVERIFY2(run.Prompts().AllExpectedAndConsumed(), qPrintable(run.Prompts().Report()));
        QCOMPARE(run.Page(), 4);
        QCOMPARE(run.Record().GetSchoolYear(), std::string("P"));
    }

    void schoolYearIsCheckedWhenLeftForAnotherField() {
        Run run;
        run.ToDetails(kSelf, Stem());
        run.Type(QStringLiteral("schoolYearEdit"), QStringLiteral("r"));
        run.Edit(QStringLiteral("schoolEdit"))->setFocus();
        QCOMPARE(Text(run, "schoolYearEdit"), QStringLiteral("R"));
        run.Type(QStringLiteral("schoolYearEdit"), QStringLiteral("01"));
        run.Prompts().ExpectMessage();
        run.Edit(QStringLiteral("schoolEdit"))->setFocus();
        QVERIFY2(run.Prompts().AllExpectedAndConsumed(), qPrintable(run.Prompts().Report()));
        QCOMPARE(Text(run, "schoolYearEdit"), QString());
        QCOMPARE(FocusName(), QStringLiteral("schoolYearEdit"));
    }

    void checksRunInOrderWithTheirFocus_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        const QString mandatory = Utf8(texts::kMandatoryField);
        const QString incorrect = Utf8(texts::kIncorrectDate);
        QTest::newRow("first name of blanks") << "firstNameEdit" << "   " << mandatory << Utf8(texts::kNamesMandatory)
                                              << "firstNameEdit";
        QTest::newRow("no last name") << "lastNameEdit" << "" << mandatory << Utf8(texts::kNamesMandatory)
                                      << "lastNameEdit";
        QTest::newRow("no birth month") << "birthMonthEdit" << "" << mandatory << Utf8(texts::kBirthDateMandatory)
                                        << "birthMonthEdit";
        QTest::newRow("29 February 2003") << "birthDayEdit" << "29" << incorrect << Utf8(texts::kBirthDateIncorrect)
                                          << "birthDayEdit";
        QTest::newRow("no completion day") << "completionDayEdit" << "" << mandatory
                                           << Utf8(texts::kCompletionMandatory) << "completionDayEdit";
        QTest::newRow("completion tomorrow") << "completionDayEdit" << "16" << incorrect
                                             << Utf8(texts::kCompletionWindow) << "completionDayEdit";
        QTest::newRow("completion two years ago") << "completionYearEdit" << "2024" << incorrect
                                                  << Utf8(texts::kCompletionWindow) << "completionDayEdit";
        QTest::newRow("aged 18 at completion") << "birthYearEdit" << "2008" << incorrect
                                               << Utf8(texts::kAgeAtCompletion) << "completionDayEdit";
    }

    void checksRunInOrderWithTheirFocus() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, caption);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        Run run;
        run.ToDetails(kSelf, Stem());
        Entry e;
        if (QTest::currentDataTag() == QByteArray("29 February 2003")) {
            e.birthMonth = QStringLiteral("02");
            e.birthYear = QStringLiteral("2003");
        }
        TypeEntry(run, e);
        run.Type(field, typed);
        ExpectRefusal(run, caption.toUtf8().constData(), message.toUtf8().constData(), focus);
        QCOMPARE(run.Record().GetFirstName(), std::string());
    }

    void aPersonOneYearOldToday() {
        Run run;
        run.ToDetails(kSelf, Stem());
        Entry e;
        e.birthDay = QStringLiteral("16");
        e.birthMonth = QStringLiteral("06");
        e.birthYear = QStringLiteral("2025");
        TypeEntry(run, e);
        ExpectRefusal(run, texts::kIncorrectDate, texts::kAtLeastOneYearOld, QStringLiteral("birthDayEdit"));
        run.Type(QStringLiteral("birthDayEdit"), QStringLiteral("15"));
        run.Next();
        QCOMPARE(run.Page(), 4);
        QCOMPARE(run.Record().GetText(TextField::BirthDate), std::string("20250615"));
    }

    void backStoresTheTextsAsShownAndTheTypedDatesStay() {
        Run run;
        run.ToDetails(kSelf, Stem());
        Entry e;
        e.first = QStringLiteral("Alex  ");
        e.birthDay = QStringLiteral("01");
        e.doneMonth = QStringLiteral("05");
        TypeEntry(run, e);
        run.Click(QStringLiteral("maleRadio"));
        run.Back();
        QCOMPARE(run.Record().GetFirstName(), std::string("Alex  "));
        QCOMPARE(run.Record().GetGender(), 'M');
        QCOMPARE(run.Record().GetText(TextField::BirthDate), std::string());
        run.Next();
        QCOMPARE(Text(run, "firstNameEdit"), QStringLiteral("Alex  "));
        QCOMPARE(Text(run, "birthDayEdit"), QStringLiteral("01"));
        QCOMPARE(Text(run, "completionMonthEdit"), QStringLiteral("05"));
        run.Next();
        QCOMPARE(run.Page(), 4);
        QCOMPARE(run.Record().GetFirstName(), std::string("Alex"));
        QCOMPARE(run.Record().GetText(TextField::CompletionDate), std::string("20260515"));
    }

    void genderCodeOfAnotherProgramIsKeptWhenNoButtonIsChosen() {
        AssessmentRecord start;
        start.SetStoredGender('Q');
        Run run(QString(), start);
        run.ToDetails(kSelf, Stem());
        QVERIFY(!run.Find<QAbstractButton>(QStringLiteral("maleRadio"))->isChecked());
        QVERIFY(!run.Find<QAbstractButton>(QStringLiteral("femaleRadio"))->isChecked());
        TypeEntry(run, Entry{});
        run.Next();
        QCOMPARE(run.Page(), 4);
        QCOMPARE(run.Record().GetGender(), 'Q');
    }

    void textTheRecordCannotHoldIsRefusedAsTyped() {
        Run run;
        run.ToDetails(kSelf, Stem());
        run.TypeChars(QStringLiteral("firstNameEdit"), QStringLiteral("Zo\u00EB\u20AC\u03A9\u0001!"));
        QCOMPARE(Text(run, "firstNameEdit"), QStringLiteral("Zo\u00EB!"));
        run.TypeChars(QStringLiteral("stateEdit"), QStringLiteral("ABCD"));
        QCOMPARE(Text(run, "stateEdit"), QStringLiteral("ABC"));
        run.Back();
        run.Click(QStringLiteral("parentRadio"));
        // Contact details: a line break counts two of the 60 bytes.
        run.Type(QStringLiteral("contactEdit"), QString(58, QLatin1Char('x')) + QStringLiteral("\ny"));
        auto* contact = run.Find<QPlainTextEdit>(QStringLiteral("contactEdit"));
        QCOMPARE(contact->toPlainText(), QString(58, QLatin1Char('x')) + QStringLiteral("\n"));
        run.Type(QStringLiteral("contactEdit"), QString(59, QLatin1Char('x')) + QStringLiteral("\n"));
        QCOMPARE(contact->toPlainText(), QString(59, QLatin1Char('x')));
        run.Type(QStringLiteral("observerNameEdit"), QStringLiteral("Pat"));
        run.Next();
        QCOMPARE(run.Record().GetObserverContact(), std::string(59, 'x'));
        QCOMPARE(run.Record().GetFirstName(), std::string("Zo\xEB!"));
    }

    void reportTypeRadioRuleAndObserverName() {
        Run run;
        run.Type(QStringLiteral("fileEdit"), Stem());
        run.Next();
        QVERIFY(run.Find<QAbstractButton>(QStringLiteral("selfRadio"))->isChecked());
        QVERIFY(run.Edit(QStringLiteral("observerNameEdit"))->isReadOnly());
        run.Click(QStringLiteral("parentRadio"));
        run.Type(QStringLiteral("relationshipEdit"), QStringLiteral("Father"));
        run.Snap(QStringLiteral("wizard_page2_parent"));
        run.Prompts().ExpectMessage();
        run.Next();
        QCOMPARE(run.Prompts().Last().caption, Utf8(texts::kMandatoryField));
        QCOMPARE(run.Prompts().Last().text, Utf8(w::kObserverNameMandatory));
        QCOMPARE(run.Prompts().Last().icon, MessageIcon::Stop);
        QCOMPARE(FocusName(), QStringLiteral("observerNameEdit"));
        QCOMPARE(run.Page(), 2);
        run.Type(QStringLiteral("observerNameEdit"), QStringLiteral("  "));
        run.Click(QStringLiteral("selfRadio"));
        QCOMPARE(Text(run, "observerNameEdit"), QString());
        QCOMPARE(Text(run, "relationshipEdit"), QString());
        run.Click(QStringLiteral("parentRadio"));
        run.Type(QStringLiteral("observerNameEdit"), QStringLiteral("  "));
        run.Next();
        QVERIFY2(run.Prompts().AllExpectedAndConsumed(), qPrintable(run.Prompts().Report()));
        QCOMPARE(run.Page(), 3);
        QCOMPARE(run.Record().GetReporter(), int(kParent));
        QCOMPARE(run.Record().GetObserverName(), std::string("  "));
        QCOMPARE(run.Record().GetObserverRelationship(), std::string());
    }
};

QTEST_MAIN(DetailsPageTest)
#include "DetailsPageTest.moc"
