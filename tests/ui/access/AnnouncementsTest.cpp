// SPDX-License-Identifier: Apache-2.0
#include <QAccessible>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/support/SelectionTestSupport.h"
#include "ui/access/Announcer.h"
#include "ui/selection/AnalysisSelectionDialog.h"
#include "ui/selection/RecordEntryList.h"
#include "ui/support/PaperDriver.h"

using namespace orva;
using namespace orva::wizard_test;

namespace {

QString Said(QWidget& window) {
    const Announcer* announcer = Announcer::Of(&window);
    return announcer == nullptr ? QString() : announcer->Text();
}

// The accessibility state of list entry `entry`, as a screen reader asks for it.
QAccessible::State EntryState(QListWidget& list, int entry) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&list);
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface* child = iface->child(i);
        if (child->role() == QAccessible::ListItem && child->text(QAccessible::Name) == list.item(entry)->text())
            return child->state();
    }
    qWarning("entry %d not found", entry);
    return {};
}

}  // namespace

// What changes where the focus does not move is said to a screen reader through the window's
// announcer; and the record list says "focused" only while it has the focus.
class AnnouncementsTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;

    void LoadAlex(AnalysisSelectionDialog& dialog) {
        selection_test::EnterPerson(dialog, QStringLiteral("Alex"), QStringLiteral("Citizen"), QStringLiteral("15"),
                                    QStringLiteral("03"), QStringLiteral("2012"), dir_.filePath(QStringLiteral("clinic")));
        selection_test::Click(dialog, "loadButton");
    }

  private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QVERIFY(selection_test::WriteRecordFile(
            dir_.filePath(QStringLiteral("clinic.rpc")),
            {selection_test::MakeRecord(kSelf), selection_test::MakeRecord(kParent, {}, {}, false, "Pat Citizen")}));
    }

    void announcerIsANotificationNamedByItsMessage() {
        QWidget window;
        window.show();
        Announcer::Announce(&window, QStringLiteral("Saved"));
        Announcer* announcer = Announcer::Of(&window);
        QVERIFY(announcer != nullptr);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(announcer);
        QCOMPARE(iface->role(), QAccessible::Notification);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Saved"));
        QVERIFY(!iface->state().focusable);
        // A second message goes through the same announcer, said again even when it repeats.
        QSignalSpy said(announcer, &Announcer::Announced);
        Announcer::Announce(window.findChild<Announcer*>(), QStringLiteral("Saved"));
        QCOMPARE(window.findChildren<Announcer*>().size(), 1);
        QCOMPARE(said.count(), 1);
    }

    void wizardSaysThePageCaptionOnEveryTurn() {
        Run run;
        QCOMPARE(Said(run.Wizard()), QStringLiteral("ORVA Page 1 of 17"));
        run.ToDetails(kSelf, dir_.filePath(QStringLiteral("turns")));
        QCOMPARE(Said(run.Wizard()), QStringLiteral("ORVA Page 3 of 17"));
        run.Back();
        QCOMPARE(Said(run.Wizard()), QStringLiteral("ORVA Page 2 of 17"));
    }

    void paperGridSaysTheRefusedValueWhereTheFocusStays() {
        PaperRun run;
        ToGrid(run, kSelf);
        run.Prompts().ExpectMessage();
        Keys(QStringLiteral("7"));
        QVERIFY2(run.Prompts().AllExpectedAndConsumed(), qPrintable(run.Prompts().Report()));
        QCOMPARE(FocusName(), QStringLiteral("item1Edit"));
        QCOMPARE(Said(run.Wizard()),
                 QStringLiteral("Incorrect Value: You must enter a value between 0 and 5, or leave blank"));
    }

    void selectionSaysHowManyRecordsWereFound() {
        test::ScriptedPrompter prompter;
        AnalysisSelectionDialog dialog(prompter, [](const AnalysisChoice&) { return true; }, QString());
        QVERIFY(selection_test::ShowActive(dialog));
        LoadAlex(dialog);
        QCOMPARE(Said(dialog), QStringLiteral("Matching ORVA Records found: 2"));
    }

    void recordListIsFocusedOnlyWhileItHoldsTheFocus() {
        test::ScriptedPrompter prompter;
        AnalysisSelectionDialog dialog(prompter, [](const AnalysisChoice&) { return true; }, QString());
        QVERIFY(selection_test::ShowActive(dialog));
        LoadAlex(dialog);
        auto* list = dialog.findChild<RecordEntryList*>(QStringLiteral("recordList"));
        QCOMPARE(list->CurrentEntry(), 0);
        dialog.findChild<QPushButton*>(QStringLiteral("loadButton"))->setFocus();
        QVERIFY(!EntryState(*list, 0).focused);
        // Tab into the list: its current entry is where the keys go, and is said so.
        list->setFocus(Qt::TabFocusReason);
        QVERIFY(EntryState(*list, 0).focused);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->CurrentEntry(), 1);
        dialog.findChild<QPushButton*>(QStringLiteral("confirmButton"))->setFocus();
        QVERIFY(!EntryState(*list, 1).focused);
        QCOMPARE(list->CurrentEntry(), 1);
    }
};

QTEST_MAIN(AnnouncementsTest)
#include "AnnouncementsTest.moc"
