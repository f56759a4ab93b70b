// SPDX-License-Identifier: Apache-2.0
#include "screening/AnalysisSelection.h"

#include "model/AssessmentRecord.h"
#include "screening/ScreeningTexts.h"

namespace orva {

namespace {

constexpr int kMaxSelected = 3;

UserMessage Stop(const char* caption, const char* text) { return {caption, text, MessageIcon::Stop}; }

UserMessage MultipleOf(int slot) {
    if (slot == kSelf) return Stop(texts::kMultipleSelfCaption, texts::kMultipleSelf);
    if (slot == kParent) return Stop(texts::kMultipleParentCaption, texts::kMultipleParent);
    return Stop(texts::kMultipleTeacherCaption, texts::kMultipleTeacher);
}

}  // namespace

int AnalysisSlotFor(int reporter) {
    if (reporter == kTeacher) return kTeacher;
    if (reporter == kParent) return kParent;
    return kSelf;
}

AnalysisSelection ClassifyAnalysisSelection(std::span<const SelectedRecord> selected) {
    AnalysisSelection selection;
    if (selected.empty()) {
        selection.refusal = Stop(texts::kNoSelectionCaption, texts::kNoSelection);
        return selection;
    }
    if (selected.size() > kMaxSelected) {
        selection.refusal = Stop(texts::kTooManySelectionsCaption, texts::kTooManySelections);
        return selection;
    }
    std::array<bool, 3> taken{};
    for (const SelectedRecord& record : selected) {
        const int slot = AnalysisSlotFor(record.reporter);
        if (taken[slot]) {
            selection.positions = {-1, -1, -1};
            selection.refusal = MultipleOf(slot);
            return selection;
        }
        taken[slot] = true;
        selection.positions[slot] = record.position;
    }
    return selection;
}

}  // namespace orva
