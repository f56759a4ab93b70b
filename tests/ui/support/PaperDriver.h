// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <memory>

#include "settings/SettingsStore.h"
#include "ui/commands/PaperAnalysis.h"
#include "ui/commands/RecordSaver.h"
#include "ui/settings/AppSettings.h"
#include "ui/support/WizardDriver.h"
#include "ui/wizard/PaperEntryWizard.h"

// Drives the paper wizard: the pages it shares with the on-screen wizard through Driver, the
// response grid by keystrokes into whichever field has the focus.
namespace orva::wizard_test {

struct PaperRunState {
    PaperRunState(const QString& fileName, const AssessmentRecord& start)
        : record(start),
          name(fileName),
          saver(record, nullptr, Today()),
          wizard(std::make_unique<PaperEntryWizard>(
              record, name, saver.Function(), StoredViewChoices(AppSettings(SettingsStore::ForThisUser())),
              prompter, Today())) {}
    AssessmentRecord record;
    QString name;
    ScriptedPrompter prompter;
    WizardRecordSaver saver;  // as the command saves
    std::unique_ptr<PaperEntryWizard> wizard;
};

class PaperRun : private PaperRunState, public Driver {
  public:
    explicit PaperRun(const QString& fileName = {}, const AssessmentRecord& start = {})
        : PaperRunState(fileName, start), Driver(*wizard, prompter) {
        wizard->show();
        QApplication::setActiveWindow(wizard.get());
        if (!QTest::qWaitForWindowActive(wizard.get())) qWarning("wizard not active");
    }

    PaperEntryWizard& Paper() { return *wizard; }
    AssessmentRecord& Record() { return record; }
    const WizardRecordSaver& Saver() const { return saver; }
    const QString& FileName() const { return name; }
};

// Pages 1 and 2 of a paper wizard for `reporter`, to the response grid.
inline void ToGrid(Driver& run, int reporter, const Person& person = {}) {
    const char* radios[] = {"selfRadio", "parentRadio", "teacherRadio"};
    run.Click(QLatin1String(radios[reporter]));
    if (reporter != kSelf) run.Type(QStringLiteral("observerNameEdit"), QStringLiteral("Pat Citizen"));
    run.Next();
    run.Type(QStringLiteral("firstNameEdit"), person.first);
    run.Type(QStringLiteral("lastNameEdit"), person.last);
    run.Type(QStringLiteral("birthDayEdit"), person.birthDay);
    run.Type(QStringLiteral("birthMonthEdit"), person.birthMonth);
    run.Type(QStringLiteral("birthYearEdit"), person.birthYear);
    run.Next();
}

// Types `keys` one by one into whichever widget has the focus, as a user at the keyboard does.
inline void Keys(const QString& keys) {
    for (QChar key : keys) QTest::keyClicks(QApplication::focusWidget(), QString(key));
}

// From the grid through the comment page to the save page, leaving blanks when there are some.
inline void GridToSave(Driver& run, bool blanks) {
    if (blanks) run.Prompts().ExpectChoice(0);
    run.Next();
    run.Next();
}

}  // namespace orva::wizard_test
