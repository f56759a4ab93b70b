// SPDX-License-Identifier: Apache-2.0
#include "ui/history/HistorySelectionDialog.h"

#include "model/FieldRules.h"
#include "ui/Prompter.h"
#include "ui/history/HistoryTexts.h"
#include "ui/selection/RecordEntryList.h"

namespace orva {

namespace hist = texts::history;

HistorySelectionDialog::HistorySelectionDialog(Prompter& prompter, Reader reader, const QString& fileText,
                                               QWidget* parent)
    : RecordSelectionDialog(prompter, fileText, hist::kSelectionCaption, hist::kSelectionHeading,
                            hist::kShowHistory, parent),
      reader_(std::move(reader)) {
    setObjectName(QStringLiteral("historySelectionDialog"));
    SetListInstruction(hist::kListInstruction);
    List().setSelectionMode(QAbstractItemView::NoSelection);
    SizeToContents();
}

void HistorySelectionDialog::Confirm() {
    if (LoadedFile().OnDisk().empty()) {
        Prompts().Message(QString::fromUtf8(hist::kNotLoadedCaption), QString::fromUtf8(hist::kNotLoaded),
                          MessageIcon::Stop);
        return;
    }
    if (!CriteriaStillHoldOrContinue()) return;
    const PersonEntry& person = LoadedPerson();
    const HistoryChoice choice{LoadedFile(),
                               {person.firstName, person.lastName, FieldNumber(person.birthYear),
                                FieldNumber(person.birthMonth), FieldNumber(person.birthDay)}};
    if (reader_(choice)) accept();
}

}  // namespace orva
