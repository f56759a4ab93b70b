// SPDX-License-Identifier: Apache-2.0
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QTemporaryDir>

#include "ui/support/EditDriver.h"
#include "ui/support/PaperDriver.h"

using namespace orva;
using namespace orva::wizard_test;

// Every fixed text of the on-screen wizard, word for word, as the pages show it. The other
// tests compare with the texts header; this one holds the header to the exact words.
class WizardTextsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

    static QString Label(Driver& run, const char* name) { return run.Find<QLabel>(QLatin1String(name))->text(); }
    // A button's text as shown: "&" only marks the letter of its Alt key.
    static QString Button(Driver& run, const char* name) {
        return run.Find<QAbstractButton>(QLatin1String(name))->text().remove(QLatin1Char('&'));
    }
    // The texts of the page's shown labels, in reading order: by line, then from the left.
    static QStringList Labels(Driver& run) {
        QCoreApplication::processEvents();
        QWidget* page = run.Wizard().CurrentPage();
        QList<QLabel*> labels;
        for (QLabel* label : page->findChildren<QLabel*>())
            if (!label->text().isEmpty() && label->isVisible()) labels << label;
        auto place = [page](const QLabel* label) {
            const QPoint at = label->mapTo(page, QPoint(0, label->height() / 2));
            return std::pair{at.y(), at.x()};
        };
        std::stable_sort(labels.begin(), labels.end(),
                         [&](const QLabel* a, const QLabel* b) { return place(a) < place(b); });
        QStringList texts;
        for (const QLabel* label : labels) texts << label->text();
        return texts;
    }

private slots:
    void captionsAndButtons() {
        Run run;
        QCOMPARE(run.Wizard().windowTitle(), QStringLiteral("ORVA Page 1 of 17"));
        QCOMPARE(Button(run, "backButton"), QStringLiteral("< Back"));
        QCOMPARE(Button(run, "nextButton"), QStringLiteral("Next >"));
        QCOMPARE(Button(run, "finishButton"), QStringLiteral("Finish"));
        QCOMPARE(Button(run, "cancelButton"), QStringLiteral("Cancel"));
        QCOMPARE(run.Find<QAbstractButton>(QStringLiteral("backButton"))->shortcut(), QKeySequence(Qt::ALT | Qt::Key_B));
        QCOMPARE(run.Find<QAbstractButton>(QStringLiteral("nextButton"))->shortcut(), QKeySequence(Qt::ALT | Qt::Key_N));
        QCOMPARE(run.Find<QAbstractButton>(QStringLiteral("finishButton"))->shortcut(),
                 QKeySequence(Qt::ALT | Qt::Key_F));
        QVERIFY(!run.Find(QStringLiteral("backButton"))->isEnabled());
        QVERIFY(!run.Find(QStringLiteral("finishButton"))->isVisible());
        run.ThroughDetails(kSelf, dir_.filePath(QStringLiteral("texts")));
        QVERIFY(run.Find(QStringLiteral("backButton"))->isEnabled());
        for (int page = 4; page <= 16; ++page) {
            QCOMPARE(run.Wizard().windowTitle(), QStringLiteral("ORVA Page %1 of 17").arg(page));
            QVERIFY(run.Find(QStringLiteral("nextButton"))->isVisible());
            if (page < 16) run.Prompts().ExpectChoice(0);
            run.Next();
        }
        QCOMPARE(run.Wizard().windowTitle(), QStringLiteral("ORVA Page 17 of 17"));
        QVERIFY(!run.Find(QStringLiteral("nextButton"))->isVisible());
        QVERIFY(run.Find(QStringLiteral("finishButton"))->isVisible());
    }

    void firstAndLastPage() {
        Run run;
        QCOMPARE(Labels(run),
                 QStringList({QStringLiteral("You are about to enter the responses to the Child and Adolescent Orvantis "
                                             "questionnaire over pages 2 to 17."),
                              QStringLiteral("After you have completed the ORVA, you will be able to save your "
                                             "responses to an encrypted data file."),
                              QStringLiteral("Where would you like to save the encrypted data for this Child and "
                                             "Adolescent Orvantis?\n(If you are a client or patient completing the "
                                             "Child and Adolescent Orvantis, please click 'Next >' on the bottom "
                                             "right to save to the default file.)"),
                              QStringLiteral(".rpc"),
                              QStringLiteral("Note:  Each .rpc file will hold hundreds of ORVA records.  It is "
                                             "recommended that you keep the number of .rpc files to a minimum.\n\nA "
                                             "window will appear informing you when a .rpc file has reached its "
                                             "capacity and prompt you to create a new file.")}));
        QCOMPARE(Button(run, "browseButton"), QStringLiteral("Browse ..."));
        run.Snap(QStringLiteral("wizard_page1"));
        QCOMPARE(Utf8(w::kSaveQuestion),
                 QStringLiteral("Where would you like to save the encrypted data for this Child and Adolescent "
                                "Orvantis?"));
        QCOMPARE(Utf8(w::kSaveInstruction), QStringLiteral("To save the ORVA details you have entered please click "
                                                           "the 'Finish' button near the bottom right corner."));
    }

    void reportTypeAndDetailsPages() {
        Run run;
        run.Type(QStringLiteral("fileEdit"), dir_.filePath(QStringLiteral("texts")));
        run.Next();
        QCOMPARE(Button(run, "selfRadio"), QStringLiteral("ORVA Self-report"));
        QCOMPARE(Button(run, "parentRadio"), QStringLiteral("ORVA Parent-report"));
        QCOMPARE(Button(run, "teacherRadio"), QStringLiteral("ORVA Teacher-report"));
        QCOMPARE(run.Find<QGroupBox>(QStringLiteral("observerGroup"))->title(), QStringLiteral("Parent/Teacher Details"));
        QCOMPARE(Labels(run), QStringList({QStringLiteral("*Name:"),
                                           QStringLiteral("Relationship to the person being assessed:"),
                                           QStringLiteral("Contact Details:"),
                                           QStringLiteral("* denotes mandatory field for ORVA Parent-report and "
                                                          "ORVA Teacher-report")}));
        run.Next();
        QCOMPARE(Labels(run),
                 QStringList({QStringLiteral("Please provide your details"), QStringLiteral("*First Name:"),
                              QStringLiteral("*Last Name:"), QStringLiteral("Day"), QStringLiteral("Month"),
                              QStringLiteral("Year"), QStringLiteral("/"), QStringLiteral("/"),
                              QStringLiteral("*Date of Birth:"), QStringLiteral("Day"), QStringLiteral("Month"),
                              QStringLiteral("Year"), QStringLiteral("/"), QStringLiteral("/"),
                              QStringLiteral("*Date of Completion:"), QStringLiteral("Age at Completion:"),
                              QStringLiteral("Gender:"), QStringLiteral("Street Address:"),
                              QStringLiteral("Suburb/Town:"), QStringLiteral("State:"), QStringLiteral("Postcode:"),
                              QStringLiteral("Country:"), QStringLiteral("Phone no.(s):"), QStringLiteral("Email:"),
                              QStringLiteral("School Year:"),
                              QStringLiteral("Values allowed are: K (Kinder); P (Prep/Pre-Primary); R (Reception); "
                                             "and 1\u201312"),
                              QStringLiteral("School:"),
                              QStringLiteral("* denotes mandatory fields")}));
        QCOMPARE(Button(run, "maleRadio"), QStringLiteral("Male"));
        QCOMPARE(Button(run, "femaleRadio"), QStringLiteral("Female"));
        QCOMPARE(Button(run, "otherRadio"), QStringLiteral("Other - set to invisible"));
        QCOMPARE(Utf8(w::kHeadingObserved),
                 QStringLiteral("Please provide the details of the person you have been asked to describe"));
        QCOMPARE(Utf8(w::kPostcodePaper), QStringLiteral("Post Code:"));
        QCOMPARE(Utf8(w::kPhonesPaper), QStringLiteral("Phone(s):"));
    }

    void commentPage() {
        Run run;
        run.ThroughDetails(kSelf, dir_.filePath(QStringLiteral("texts")));
        for (int page = 4; page <= 15; ++page) {
            run.Prompts().ExpectChoice(0);
            run.Next();
        }
        QCOMPARE(Labels(run),
                 QStringList({QStringLiteral("Thank you.  You have now completed the Child and Adolescent Orvantis."),
                              QStringLiteral("If you would like to go back and review any of your responses, please "
                                             "use the '< Back' button located at the bottom right of this window."),
                              QStringLiteral("If you would like to provide any further comments that you think may be "
                                             "useful to the health professional, please type them in the box below.  "
                                             "(Please be brief.  There is a limit of 200 characters, approximately "
                                             "30\u201340 words.)")}));
        run.Snap(QStringLiteral("wizard_page16"));
    }

    void itemPageTexts() {
        Run run;
        run.ThroughDetails(kSelf, dir_.filePath(QStringLiteral("texts")));
        QStringList scale;
        for (int value = 0; value < 6; ++value) scale << Label(run, qPrintable(QStringLiteral("scale%1Label").arg(value)));
        QCOMPARE(scale, QStringList({"Never", "Rarely", "Sometimes", "Regularly", "Often", "Very Often"}));
        QCOMPARE(Button(run, "item1ClearButton"), QStringLiteral("Clear"));
    }

    void paperWizardPages() {
        PaperRun run;
        QCOMPARE(run.Wizard().windowTitle(), QStringLiteral("ORVA Page 1 of 5"));
        QVERIFY(!run.Find(QStringLiteral("backButton"))->isEnabled());
        QVERIFY(run.Find(QStringLiteral("nextButton"))->isVisible());
        ToGrid(run, kSelf);
        QCOMPARE(run.Wizard().windowTitle(), QStringLiteral("ORVA Page 3 of 5"));
        QCOMPARE(Label(run, "instructionLabel"), QStringLiteral("Please enter the response to each item.  Enter a "
                                                                "number between 0 and 5, or leave blank for No "
                                                                "Response."));
        QCOMPARE(Label(run, "legendLabel"),
                 QStringLiteral("Valid Responses\n\n       0   Never\n       1   Rarely\n       2   Sometimes\n"
                                "       3   Regularly\n       4   Often\n       5   Very Often\n blank   No "
                                "Response"));
        QCOMPARE(Label(run, "teacherNoteLabel"),
                 QStringLiteral("NOTE:\n\nFor the ORVA Teacher-Report not all questions are relevant.  Data entry "
                                "for those questions has been removed."));
        for (int item = 1; item <= kItemCount; ++item)
            QCOMPARE(Label(run, qPrintable(QStringLiteral("item%1Label").arg(item))), QStringLiteral("%1:").arg(item));
        QCOMPARE(Utf8(w::kIncorrectValueCaption), QStringLiteral("Incorrect Value"));
        QCOMPARE(Utf8(w::kIncorrectValueText),
                 QStringLiteral("You must enter a value between 0 and 5, or leave blank"));
        run.Prompts().ExpectChoice(0);
        run.Next();
        QCOMPARE(run.Wizard().windowTitle(), QStringLiteral("ORVA Page 4 of 5"));
        QCOMPARE(Labels(run),
                 QStringList({QStringLiteral("Thank you.  You have now completed the Child and Adolescent Orvantis."),
                              QStringLiteral("If you would like to go back and review any of your responses, please "
                                             "use the '< Back' button located at the bottom right of this window."),
                              QStringLiteral("Please enter additional comments in the box below.  (Please be brief.  "
                                             "There is a limit of 200 characters, approximately 30\u201340 "
                                             "words.)")}));
        run.Next();
        QCOMPARE(run.Wizard().windowTitle(), QStringLiteral("ORVA Page 5 of 5"));
        QVERIFY(!run.Find(QStringLiteral("nextButton"))->isVisible());
        QVERIFY(run.Find(QStringLiteral("finishButton"))->isVisible());
        QCOMPARE(Labels(run),
                 QStringList({QStringLiteral("Where do you wish to save the Child and Adolescent Orvantis details?"),
                              QStringLiteral(".rpc"),
                              QStringLiteral("Note:  Each file will save hundreds of ORVA records.")}));
        QCOMPARE(Button(run, "viewAnalysisCheck"), QStringLiteral("View the ORVA Analysis after Finish"));
        QCOMPARE(Button(run, "alsoViewRelatedCheck"),
                 QStringLiteral("Also view the most recent related ORVAs for the same person"));
        QCOMPARE(Button(run, "browseButton"), QStringLiteral("Browse ..."));
    }

    void editWizardPages() {
        const QString path = dir_.filePath(QStringLiteral("edit.rpc"));
        QVERIFY(WriteRecords(path, {RecordToEdit(kSelf)}));
        EditRun run(path, 0, EditMethod::OnScreen);
        QCOMPARE(Labels(run),
                 QStringList({QStringLiteral("You are about to edit the responses to the Child and Adolescent "
                                             "Orvantis questionnaire over pages 2 to 17."),
                              QStringLiteral("After you have completed editing the ORVA, you will be able to save "
                                             "your responses to an encrypted data file."),
                              Utf8(w::kIntroWhere), QStringLiteral(".rpc"), Utf8(w::kFileNote)}));
        QCOMPARE(Button(run, "replaceCheck"), QStringLiteral("Replace Existing Record"));
        EditRun paper(path, 0, EditMethod::Paper);
        paper.ToLast();
        QCOMPARE(Button(paper, "replaceCheck"), QStringLiteral("Replace Existing Record"));
        QCOMPARE(Utf8(w::kReplaceBrowseRefused),
                 QStringLiteral("The checkbox indicates to replace the existing record\nso you cannot change the "
                                "filename.\n\nIf you wish to save the record to a new location\nthen please "
                                "uncheck the checkbox."));
        QCOMPARE(Utf8(w::kNoEditsCaption), QStringLiteral("No Edits Made"));
        QCOMPARE(Utf8(w::kNoEditsText), QStringLiteral("You have not made any edits.\n\nIf you replace the existing "
                                                       "record you will simply update the date and time of the last "
                                                       "save."));
        QCOMPARE(Utf8(w::kNoEditsQuestion),
                 QStringLiteral("If you create a new record it will be a copy of the existing record except for a "
                                "new date and time saved.\n\n\nDo you wish to proceed with saving the record?"));
        QCOMPARE(Utf8(w::kYesProceed), QStringLiteral("Yes, Proceed"));
        QCOMPARE(Utf8(w::kDoNotSave), QStringLiteral("Do Not Save"));
    }

    void messages() {
        QCOMPARE(Utf8(w::kCancelCaption), QStringLiteral("Cancel Selected"));
        QCOMPARE(Utf8(w::kCancelText), QStringLiteral("You have selected to Cancel.\n\nAre you sure you wish to "
                                                      "cancel and lose all data you have entered?"));
        QCOMPARE(Utf8(w::kBlankItemsCaption), QStringLiteral("Blank Items"));
        QCOMPARE(Utf8(w::kBlankItemsWarning), QStringLiteral("Warning"));
        QCOMPARE(Utf8(w::kBlankItemsText), QStringLiteral("You have not provided a response for all of the items on "
                                                          "this page.\n\nWhat action would you like to take?"));
        QCOMPARE(Utf8(w::kLeaveBlank), QStringLiteral("Leave blank and go to the next page"));
        QCOMPARE(Utf8(w::kContinueCurrent), QStringLiteral("Continue with the current page"));
        QCOMPARE(Utf8(w::kObserverNameMandatory),
                 QStringLiteral("The 'Name' within the Parent/Teacher Details is mandatory for the\n\n'ORVA "
                                "Parent-report' and 'ORVA Teacher-report'."));
    }
};

QTEST_MAIN(WizardTextsTest)
#include "WizardTextsTest.moc"
