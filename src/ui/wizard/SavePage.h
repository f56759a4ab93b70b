// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <optional>

#include "ui/wizard/SaveFlow.h"
#include "ui/wizard/WizardContext.h"
#include "ui/wizard/WizardPage.h"

class QLabel;

namespace orva {

class RecordFileChoice;

// The last page of the on-screen wizards: confirms the record file and saves on Finish, through
// the wizard's save. A
// refused name or a failed save switches it to the choose state, where another file can be
// named or browsed for; every answer stays as it was. When the wizard edits a stored record,
// the page also has "Replace Existing Record", shared with the first page and shown in the
// choose state, and Finish first asks "No Edits Made" when nothing was changed.
class SavePage final : public WizardPage {
    Q_OBJECT

public:
    SavePage(WizardContext& context, QWidget* parent = nullptr);

    void BecomeCurrent() override;
    void Back() override;
    bool Finish() override;

    // The save at the end of a reporter's answers, without the page being shown: to the file
    // named on the first page, by the rules of Finish, the outcome kept to be told to the
    // clinician. Nothing when the name is refused (its message is shown, as Finish shows it).
    std::optional<SaveAttempt> SaveUntold();
    // After a save that did not succeed, with the page current: the choose state, for another
    // file.
    void ChooseAnotherFile();

private:
    void SetChoosing(bool choosing);

    WizardContext& context_;
    QLabel* question_;
    QLabel* instruction_;
    RecordFileChoice* file_;
    QLabel* note_;
};

}  // namespace orva
