// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "screening/AnalysisResult.h"
#include "screening/DisorderId.h"
#include "screening/ReportSet.h"

namespace orva {

// Two answers this far apart or further mark an item where the reporters disagree.
inline constexpr int kDisagreementPoints = 2;
// Fewer items answered by both reporters give no correlation.
inline constexpr int kMinimumCorrelationItems = 3;

// One item as the present reporters answered it, and what it did in their screening.
struct ItemComparison {
    int item = 0;  // 1..111
    // 0..5; empty for a blank, an item not asked of that reporter, or an absent reporter.
    std::array<std::optional<int>, kReportSlots> answers{};
    bool notAskedOfTeacher = false;  // the Teacher form leaves this item out
    std::vector<DisorderId> rows;    // the rows the item feeds, in report order
    // Of `rows`, those that screened positive for that reporter with this item among the row's
    // items met: the endorsed items the analysis lists for a positive screen.
    std::array<std::vector<DisorderId>, kReportSlots> countedPositive;
    bool disagreement = false;  // two answers differ by kDisagreementPoints or more
};

// How far two present reporters gave the same answers (descriptive, not a test).
struct ReporterAgreement {
    int first = kSelf;
    int second = kParent;                  // slots
    int bothAnswered = 0;                  // items both answered
    std::optional<double> identicalShare;  // empty when bothAnswered is 0
    // Empty below kMinimumCorrelationItems overlapping items, or when either reporter gave one
    // answer to all of them.
    std::optional<double> pearsonR;
};

struct ReporterComparison {
    std::array<bool, kReportSlots> present{};
    std::vector<ItemComparison> items;     // 111, in item order
    std::vector<ReporterAgreement> pairs;  // present pairs only: self–parent, self–teacher, parent–teacher
};

// The rows whose item sets hold `item`, whatever the category, in report order; none for an
// item outside 1..111 or one that serves only the reliability statistic.
std::vector<DisorderId> RowsFedBy(int item);

// The item-by-item comparison of the reports of an analysis; `analysis` is ComputeAnalysis(reports).
ReporterComparison CompareReporters(const ReportSet& reports, const AnalysisResult& analysis);

// The agreement of two answer lists of equal length (empty entries are items not answered).
ReporterAgreement AgreementOf(const std::vector<std::optional<int>>& first,
                              const std::vector<std::optional<int>>& second);

}  // namespace orva
