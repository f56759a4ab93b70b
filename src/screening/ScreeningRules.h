// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <array>
#include <span>

#include "screening/DisorderId.h"
#include "screening/ScreeningResult.h"

namespace orva {

// How a category's count is held against its cutoff line.
enum class Compare { AtLeast, AtMost, Exactly, Unbounded };

struct Criterion {
    Compare compare = Compare::Unbounded;
    int value = 0;
};

// One criterion category of a row: its item set (ascending item numbers), its cutoff and
// whether its endorsed items appear in the row's items-met list.
struct Category {
    std::span<const int> items;
    Criterion criterion;
    bool listed = false;
};

// Tests a row applies on top of "every category meets its criterion".
enum class ExtraTest {
    None,
    TeacherAllowance,        // a Teacher record is positive with fewer items (the single count)
    AspergerTotal,           // the third count is 0, or the total of the three is at most 5
    AutisticTotal,           // the total of the three counts is at least 6
};

// When the listed items are given: always, or only when the record is positive.
enum class Listing { Always, WhenPositive };

// One screening row: everything the grid and the reports show of it, and its rule.
struct RowRule {
    DisorderId id;
    const char* label;
    const char* group;
    const char* cutoffLabel;
    std::array<Category, kMaxCounts> categories;  // in cutoff-label order
    int categoryCount;
    Listing listing;
    ExtraTest extra;
    bool notAssessedByTeacher;  // most of the row's items are not part of the Teacher-report
};

// The 23 rows in report order.
const std::array<RowRule, kDisorderCount>& ScreeningRules();
const RowRule& RuleFor(DisorderId id);

// The minimum single count with which a Teacher record is positive under the allowance.
inline constexpr int kTeacherAllowanceMinimum = 2;

const char* RowLabel(DisorderId id);
const char* GroupHeading(DisorderId id);
const char* CutoffLabel(DisorderId id);
bool NotAssessedByTeacher(DisorderId id);
// True for the first row of each group, where the reports place the group heading.
bool StartsGroup(DisorderId id);

}  // namespace orva
