// SPDX-License-Identifier: Apache-2.0
#include "ui/wizard/AnalysisAfterSave.h"

#include <array>
#include <optional>

#include "screening/ReportSetLoader.h"
#include "store/RecordList.h"

namespace orva {

namespace {

using Positions = std::array<int, kReportSlots>;

// The file positions of the latest Self, Parent and Teacher record of the person whose record
// is at `position`; nothing when the file cannot be listed or that record is not in the list.
std::optional<Positions> LatestOfPerson(const std::string& path, int position) {
    RecordList list;
    if (!list.Load(path, true, false)) return std::nullopt;
    const int row = list.RowOfPosition(position);
    if (row < 0) return std::nullopt;
    return list.FindLatestPerReporter(row);
}

// Reads the records at `positions` into their slots; false leaves the analysis empty.
bool ReadAnalysis(const std::string& path, const Positions& positions, ReportSet& analysis) {
    return LoadReportSet(path, positions, analysis).Ok();
}

}  // namespace

bool FillAnalysisAfterSave(const std::string& path, int position, const AssessmentRecord& saved, bool related,
                           ReportSet& analysis) {
    analysis.Reset();
    const int own = saved.GetReporter();
    if (own < kSelf || own > kTeacher) return false;
    Positions positions{-1, -1, -1};
    if (related) positions = LatestOfPerson(path, position).value_or(positions);
    // The questionnaire just typed is shown whatever save time another record of its reporter
    // carries (imported, edited, or saved while the clock was set differently).
    positions[static_cast<std::size_t>(own)] = position;
    if (position >= 0 && ReadAnalysis(path, positions, analysis)) return true;
    analysis.Reset();
    AssessmentRecord alone = saved;
    analysis.Record(own) = alone;
    return !analysis.IsSlotEmpty(own);
}

}  // namespace orva
