// SPDX-License-Identifier: Apache-2.0
#include <QDialog>
#include <QtTest>

#include "ui/support/ScriptedPrompter.h"
#include "ui/support/UiTestSupport.h"

using orva::MessageIcon;
using orva::UserMessage;
using orva::testsupport::Prompt;
using orva::testsupport::ScriptedPrompter;

// The prompter every UI test relies on: a mistake here would let wrong prompts pass unseen.
class ScriptedPrompterTest : public QObject {
    Q_OBJECT

private slots:
    void answersFromTheQueueInOrder() {
        ScriptedPrompter p;
        p.ExpectYesNo(true);
        p.ExpectChoice(2);
        p.ExpectSaveFile(QStringLiteral("/tmp/a.rtf"));
        p.ExpectOpenFile(QString());
        p.ExpectMessage();

        QVERIFY(p.AskYesNo(QStringLiteral("File Exists"), QStringLiteral("Replace?"), MessageIcon::Exclamation, false));
        QCOMPARE(p.Choose(QString(), QStringLiteral("Which?"),
                          {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}, 0, MessageIcon::Question),
                 2);
        QCOMPARE(p.SaveFileName(QStringLiteral("Save"), QStringLiteral("/tmp"), QStringLiteral("RTF (*.rtf)")),
                 QStringLiteral("/tmp/a.rtf"));
        QCOMPARE(p.OpenFileName(QStringLiteral("Open"), QString(), QString()), QString());
        p.Message(QStringLiteral("Caption"), QStringLiteral("Text"), MessageIcon::Stop);

        QVERIFY2(p.AllExpectedAndConsumed(), qPrintable(p.Report()));
        QCOMPARE(p.Prompts().size(), size_t{5});
        const Prompt& yesNo = p.Prompts()[0];
        QCOMPARE(yesNo.caption, QStringLiteral("File Exists"));
        QCOMPARE(yesNo.buttons, QStringList({QStringLiteral("Yes"), QStringLiteral("No")}));
        QCOMPARE(yesNo.defaultIndex, 1);
        QCOMPARE(p.Prompts()[2].startPath, QStringLiteral("/tmp"));
        QCOMPARE(p.Prompts()[2].filter, QStringLiteral("RTF (*.rtf)"));
        QCOMPARE(p.Last().icon, MessageIcon::Stop);
        QCOMPARE(p.Last().buttons, QStringList{QStringLiteral("OK")});
    }

    void unexpectedPromptIsAFailureAndGetsTheHarmlessAnswer() {
        ScriptedPrompter p;
        QVERIFY(!p.AskYesNo(QString(), QStringLiteral("Replace?"), MessageIcon::Exclamation, true));
        QCOMPARE(p.Choose(QString(), QStringLiteral("?"), {QStringLiteral("A")}, 0, MessageIcon::None), -1);
        QCOMPARE(p.SaveFileName(QString(), QString(), QString()), QString());
        QVERIFY(!p.AllExpectedAndConsumed());
        QCOMPARE(p.Failures().size(), 3);
        QVERIFY(!p.Prompts()[0].expected);
    }

    void promptOfAnotherKindThanExpectedIsAFailure() {
        ScriptedPrompter p;
        p.ExpectYesNo(true);
        p.Message(QStringLiteral("C"), QStringLiteral("T"), MessageIcon::Information);
        QVERIFY(!p.AllExpectedAndConsumed());
        QVERIFY(p.Report().contains(QStringLiteral("yes/no question was expected")));
        // The expectation stays queued for the prompt it was meant for.
        QCOMPARE(p.PendingCount(), 1);
    }

    void expectationNeverShownIsAFailure() {
        ScriptedPrompter p;
        p.ExpectMessage();
        QVERIFY(!p.AllExpectedAndConsumed());
        QVERIFY(p.Report().contains(QStringLiteral("NOT SHOWN")));
    }

    void choiceOutsideTheButtonsIsAScriptFailure() {
        ScriptedPrompter p;
        p.ExpectChoice(5);
        QCOMPARE(p.Choose(QString(), QStringLiteral("?"), {QStringLiteral("A"), QStringLiteral("B")}, 0,
                          MessageIcon::None),
                 -1);
        QVERIFY(!p.AllExpectedAndConsumed());
    }

    void duringCallbackSeesThePromptBeforeTheAnswerReturns() {
        ScriptedPrompter p;
        QString seen;
        p.ExpectMessage([&](const Prompt& prompt) { seen = prompt.text; });
        p.Message(QString(), QStringLiteral("Now"), MessageIcon::None);
        QCOMPARE(seen, QStringLiteral("Now"));
    }

    void coreMessageArrivesAsUnicode() {
        ScriptedPrompter p;
        p.ExpectMessage();
        p.Message(UserMessage{"Caf\xE9", "\x93quoted\x94", MessageIcon::Exclamation});
        QCOMPARE(p.Last().caption, QStringLiteral("Caf\u00E9"));
        QCOMPARE(p.Last().text, QStringLiteral("\u201Cquoted\u201D"));
        QCOMPARE(p.Last().icon, MessageIcon::Exclamation);
    }

    void lastWithoutAnyPromptIsAFailure() {
        ScriptedPrompter p;
        QCOMPARE(p.Last().text, QString());
        QVERIFY(!p.AllExpectedAndConsumed());
        p.Reset();
        QVERIFY(p.AllExpectedAndConsumed());
    }

    void modalHelperDrivesADialogRunWithExec() {
        QDialog dialog;
        auto ran = orva::testsupport::WhenModalShown([](QWidget* w) { static_cast<QDialog*>(w)->done(7); });
        QCOMPARE(dialog.exec(), 7);
        QVERIFY(*ran);
    }

    void tempSettingsDirIsSetAndRestored() {
        const QByteArray before = qgetenv("ORVA_SETTINGS_DIR");
        {
            orva::testsupport::TempSettingsDir dir;
            QCOMPARE(qEnvironmentVariable("ORVA_SETTINGS_DIR"), dir.Path());
            QVERIFY(QDir(dir.Path()).exists());
            QVERIFY(QDir(dir.Path()).isEmpty());
        }
        QCOMPARE(qgetenv("ORVA_SETTINGS_DIR"), before);
    }
};

QTEST_MAIN(ScriptedPrompterTest)
#include "ScriptedPrompterTest.moc"
