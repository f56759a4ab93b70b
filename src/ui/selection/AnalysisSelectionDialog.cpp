#include "ui/selection/AnalysisSelectionDialog.h"

#include <QListWidget>
#include <vector>

#include "screening/AnalysisSelection.h"
#include "ui/Prompter.h"
#include "screening/ReportSetLoader.h"
#include "screening/ScreeningTexts.h"
#include "ui/selection/SelectionTexts.h"

namespace orva {

namespace {

// The record read back must still be the one the list showed: another program may have
// replaced records of the file since it was loaded.
bool SameListing(const RecordRow& read, const RecordRow& listed) {
    return read.upperFirst == listed.upperFirst && read.upperLast == listed.upperLast &&
           read.birthStored == listed.birthStored && read.savedStored == listed.savedStored &&
           read.reporter == listed.reporter;
}

}  // namespace

AnalysisSelectionDialog::AnalysisSelectionDialog(Prompter& prompter, ReportSet& reports, const QString& fileText, QWidget* parent)
    : RecordSelectionDialog(prompter, fileText, texts::selection::kAnalysisCaption,
                            texts::selection::kAnalysisHeading, texts::selection::kAnalyse, parent),
      reports_(reports) {
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

    if (!ReadIntoAnalysis(selection.positions)) {
        Prompts().Message(UserMessage{texts::kReadErrorCaption, texts::kReadError, MessageIcon::Stop});
        return;
    }
    accept();
}

bool AnalysisSelectionDialog::ReadIntoAnalysis(const std::array<int, kReportSlots>& positions) {
    if (LoadReportSet(LoadedPath(), positions, reports_, Files()) != 0) return false;
    for (int slot = 0; slot < kReportSlots; ++slot) {
        const int position = positions[static_cast<std::size_t>(slot)];
        if (position < 0) continue;
        const RecordRow& listed = Records().Row(Records().RowOfPosition(position));
        if (!SameListing(RecordList::MakeRow(reports_.Record(slot), position), listed)) {
            reports_.Reset();
            return false;
        }
    }
    return true;
}

}  // namespace orva
