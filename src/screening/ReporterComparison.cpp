// SPDX-License-Identifier: Apache-2.0
#include "screening/ReporterComparison.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "model/ItemCatalogue.h"
#include "screening/ScreeningRules.h"

namespace orva {

namespace {

// The pairs in the order the window and orva-cli show them.
constexpr std::array<std::pair<int, int>, 3> kPairs = {
    {{kSelf, kParent}, {kSelf, kTeacher}, {kParent, kTeacher}}};

bool RowHolds(const RowRule& rule, int item) {
    for (int c = 0; c < rule.categoryCount; ++c) {
        const auto& items = rule.categories[c].items;
        if (std::binary_search(items.begin(), items.end(), item)) return true;
    }
    return false;
}

std::array<std::vector<DisorderId>, kItemCount + 1> BuildRowsFed() {
    std::array<std::vector<DisorderId>, kItemCount + 1> rows;
    for (int item = 1; item <= kItemCount; ++item) {
        for (const RowRule& rule : ScreeningRules()) {
            if (RowHolds(rule, item)) rows[item].push_back(rule.id);
        }
    }
    return rows;
}

std::optional<int> AnswerOf(const ReportSet& reports, int slot, int item) {
    if (reports.IsSlotEmpty(slot)) return std::nullopt;
    if (slot == kTeacher && !ItemCatalogue::InTeacherReport(item)) return std::nullopt;
    const int answer = reports.Record(slot).GetResponse(item);
    if (answer < 0) return std::nullopt;
    return answer;
}

bool Disagree(const std::array<std::optional<int>, kReportSlots>& answers) {
    for (const auto& [first, second] : kPairs) {
        if (answers[first] && answers[second] &&
            std::abs(*answers[first] - *answers[second]) >= kDisagreementPoints) {
            return true;
        }
    }
    return false;
}

bool Listed(const ItemList& items, int item) {
    return std::find(items.begin(), items.end(), item) != items.end();
}

}  // namespace

std::vector<DisorderId> RowsFedBy(int item) {
    static const std::array<std::vector<DisorderId>, kItemCount + 1> rows = BuildRowsFed();
    if (item < 1 || item > kItemCount) return {};
    return rows[item];
}

ReporterAgreement AgreementOf(const std::vector<std::optional<int>>& first,
                              const std::vector<std::optional<int>>& second) {
    ReporterAgreement agreement;
    const std::size_t count = std::min(first.size(), second.size());
    int identical = 0;
    double sumX = 0.0;
    double sumY = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        if (!first[i] || !second[i]) continue;
        ++agreement.bothAnswered;
        if (*first[i] == *second[i]) ++identical;
        sumX += *first[i];
        sumY += *second[i];
    }
    if (agreement.bothAnswered == 0) return agreement;
    const double n = agreement.bothAnswered;
    agreement.identicalShare = identical / n;
    if (agreement.bothAnswered < kMinimumCorrelationItems) return agreement;

    // Deviations from the means, so that the sums stay exact for small whole answers.
    const double meanX = sumX / n;
    const double meanY = sumY / n;
    double sxx = 0.0;
    double syy = 0.0;
    double sxy = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        if (!first[i] || !second[i]) continue;
        const double dx = *first[i] - meanX;
        const double dy = *second[i] - meanY;
        sxx += dx * dx;
        syy += dy * dy;
        sxy += dx * dy;
    }
    // A reporter who gave one answer throughout has no spread to correlate.
    if (sxx == 0.0 || syy == 0.0) return agreement;
    agreement.pearsonR = std::clamp(sxy / std::sqrt(sxx * syy), -1.0, 1.0);
    return agreement;
}

ReporterComparison CompareReporters(const ReportSet& reports, const AnalysisResult& analysis) {
    ReporterComparison comparison;
    for (int slot = 0; slot < kReportSlots; ++slot) comparison.present[slot] = !reports.IsSlotEmpty(slot);

    comparison.items.reserve(kItemCount);
    std::array<std::vector<std::optional<int>>, kReportSlots> columns;
    for (auto& column : columns) column.reserve(kItemCount);
    for (int item = 1; item <= kItemCount; ++item) {
        ItemComparison entry;
        entry.item = item;
        entry.notAskedOfTeacher = !ItemCatalogue::InTeacherReport(item);
        entry.rows = RowsFedBy(item);
        for (int slot = 0; slot < kReportSlots; ++slot) {
            entry.answers[slot] = AnswerOf(reports, slot, item);
            columns[slot].push_back(entry.answers[slot]);
            if (!comparison.present[slot]) continue;
            for (DisorderId id : entry.rows) {
                const ScreeningResult& result = analysis.Row(id).reporters[slot].result;
                if (result.positive && Listed(result.itemsMet, item))
                    entry.countedPositive[slot].push_back(id);
            }
        }
        entry.disagreement = Disagree(entry.answers);
        comparison.items.push_back(std::move(entry));
    }

    for (const auto& [first, second] : kPairs) {
        if (!comparison.present[first] || !comparison.present[second]) continue;
        ReporterAgreement agreement = AgreementOf(columns[first], columns[second]);
        agreement.first = first;
        agreement.second = second;
        comparison.pairs.push_back(agreement);
    }
    return comparison;
}

}  // namespace orva
