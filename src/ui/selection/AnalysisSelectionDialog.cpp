// SPDX-License-Identifier: Apache-2.0
#include "ui/selection/AnalysisSelectionDialog.h"

#include <vector>

#include "screening/AnalysisSelection.h"
#include "ui/Prompter.h"
#include "ui/selection/RecordEntryList.h"
#include "ui/selection/SelectionTexts.h"

namespace orva {

AnalysisSelectionDialog::AnalysisSelectionDialog(Prompter& prompter, Reader reader, const QString& fileText,
                                                 QWidget* parent)
    : RecordSelectionDialog(prompter, fileText, texts::selection::kAnalysisCaption,
                            texts::selection::kAnalysisHeading, texts::selection::kAnalyse, parent),
      reader_(std::move(reader)) {
    setObjectName(QStringLiteral("analysisSelectionDialog"));
    // Each click toggles an entry, so one of each reporter can be picked.
    List().setSelectionMode(QAbstractItemView::MultiSelection);
    SizeToContents();
}

void AnalysisSelectionDialog::Confirm() {
    std::vector<SelectedRecord> selected;
    for (int entry = 0; entry < List().count(); ++entry) {
        if (!List().item(entry)->isSelected()) continue;
        const RecordRow& row = RowOfEntry(entry);
        selected.push_back({row.reporter, row.filePosition});
    }
    const AnalysisSelection selection = ClassifyAnalysisSelection(selected);
    if (selection.refusal) {
        Prompts().Message(*selection.refusal);
        return;
    }
    if (!CriteriaStillHoldOrContinue()) return;

    AnalysisChoice choice{LoadedFile().OnDisk(), selection.positions, {}};
    for (int slot = 0; slot < kReportSlots; ++slot) {
        const int position = selection.positions[static_cast<std::size_t>(slot)];
        if (position >= 0)
            choice.listed[static_cast<std::size_t>(slot)] = Records().Row(Records().RowOfPosition(position));
    }
    if (!reader_(choice)) return;
    choice_ = std::move(choice);
    accept();
}

}  // namespace orva
