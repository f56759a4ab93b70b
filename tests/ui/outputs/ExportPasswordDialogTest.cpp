// SPDX-License-Identifier: Apache-2.0
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <vector>

#include "reports/ExportPasswords.h"
#include "reports/ReportMessages.h"
#include "ui/outputs/ExportPasswordDialog.h"
#include "ui/outputs/support/OutputTestSupport.h"
#include "ui/support/ScriptedPrompter.h"
#include "ui/support/UiTestSupport.h"

using namespace orva;
using orva::output_test::Shows;
using orva::testsupport::SaveSnapshot;
using orva::testsupport::ScriptedPrompter;

// The export password box: what is typed, what a wrong password does, and that only an
// accepted password lets the export go on.
class ExportPasswordDialogTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir folder_;
    std::unique_ptr<ExportPasswords> passwords_;
    std::unique_ptr<ScriptedPrompter> prompter_;
    std::unique_ptr<ExportPasswordDialog> dialog_;
    std::vector<std::chrono::milliseconds> waits_;

    QLineEdit* Field() { return dialog_->findChild<QLineEdit*>(QStringLiteral("passwordEdit")); }
    void Click(const char* button) {
        QTest::mouseClick(dialog_->findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
    }

  private slots:
    void initTestCase() {
        QVERIFY(folder_.isValid());
        passwords_ = std::make_unique<ExportPasswords>(folder_.path().toStdString());
        QVERIFY(passwords_->Set(2, "clinic 7").Ok());
    }

    void init() {
        waits_.clear();
        prompter_ = std::make_unique<ScriptedPrompter>();
        dialog_ = std::make_unique<ExportPasswordDialog>(
            *prompter_, *passwords_, [this](std::chrono::milliseconds wait) { waits_.push_back(wait); });
        QVERIFY(output_test::ShowForInput(*dialog_));
    }

    void cleanup() {
        QVERIFY2(prompter_->AllExpectedAndConsumed(), qPrintable(prompter_->Report()));
        dialog_.reset();
        prompter_.reset();
    }

    void opensWithItsPromptAndTheMaskedFieldFocused() {
        SaveSnapshot(dialog_.get(), QStringLiteral("export-password"));
        QCOMPARE(dialog_->windowTitle(), QStringLiteral("Export Questionnaire File - Password"));
        QCOMPARE(dialog_->findChild<QLabel*>(QStringLiteral("promptLabel"))->text(),
                 QStringLiteral("Please enter your password."));
        QCOMPARE(dialog_->findChild<QPushButton*>(QStringLiteral("okButton"))->text(), QStringLiteral("OK"));
        QCOMPARE(dialog_->findChild<QPushButton*>(QStringLiteral("cancelButton"))->text(),
                 QStringLiteral("Cancel"));
        QVERIFY(dialog_->findChild<QPushButton*>(QStringLiteral("okButton"))->isDefault());
        QCOMPARE(QApplication::focusWidget(), Field());
        QCOMPARE(Field()->echoMode(), QLineEdit::Password);
    }

    void lettersAreLowerCasedAsTheyAreTyped() {
        QTest::keyClicks(Field(), QStringLiteral("ClInIc"));
        QCOMPARE(Field()->text(), QStringLiteral("clinic"));
        // A capital typed in the middle keeps the caret where it was.
        Field()->setCursorPosition(2);
        QTest::keyClicks(Field(), QStringLiteral("X"));
        QCOMPARE(Field()->text(), QStringLiteral("clxinic"));
        QCOMPARE(Field()->cursorPosition(), 3);
    }

    void capitalsTypedStillMatchTheLowerCasePassword() {
        QTest::keyClicks(Field(), QStringLiteral("CLINIC 7"));
        Click("okButton");
        QCOMPARE(dialog_->result(), int(QDialog::Accepted));
        QVERIFY(waits_.empty());
    }

    void wrongPasswordIsRefusedClearedAndCostsASecond() {
        QTest::keyClicks(Field(), QStringLiteral("clinic 8"));
        prompter_->ExpectMessage();
        Click("okButton");
        QVERIFY(Shows(prompter_->Last(), WrongPasswordMessage()));
        QVERIFY(dialog_->isVisible());
        QCOMPARE(Field()->text(), QString());
        QCOMPARE(QApplication::focusWidget(), Field());
        QCOMPARE(waits_, std::vector<std::chrono::milliseconds>{std::chrono::milliseconds(1000)});
        // The next try with the right password goes through.
        QTest::keyClicks(Field(), QStringLiteral("clinic 7"));
        Click("okButton");
        QCOMPARE(dialog_->result(), int(QDialog::Accepted));
    }

    void emptyEntryMatchesNoEmptySlot() {
        prompter_->ExpectMessage();
        Click("okButton");
        QVERIFY(Shows(prompter_->Last(), WrongPasswordMessage()));
        QVERIFY(dialog_->isVisible());
    }

    void cancelEndsWithoutAnyCheck() {
        QTest::keyClicks(Field(), QStringLiteral("clinic 7"));
        Click("cancelButton");
        QCOMPARE(dialog_->result(), int(QDialog::Rejected));
        QVERIFY(waits_.empty());
    }
};

QTEST_MAIN(ExportPasswordDialogTest)
#include "ExportPasswordDialogTest.moc"
