// SPDX-License-Identifier: Apache-2.0
#include "screening/ScreenDisorder.h"

#include <algorithm>

#include "screening/Endorsement.h"
#include "screening/ScreeningRules.h"

namespace orva {

namespace {

// A row's items of all categories together, in ascending item number, so that the list
// comes out ascending whichever categories it draws on.
struct VisitItem {
    int item;
    int category;
};
struct VisitOrder {
    std::array<VisitItem, kMaxRowItems> items{};
    int size = 0;
};

std::array<VisitOrder, kDisorderCount> BuildVisitOrders() {
    std::array<VisitOrder, kDisorderCount> orders{};
    for (const RowRule& rule : ScreeningRules()) {
        VisitOrder& order = orders[RowIndex(rule.id)];
        for (int c = 0; c < rule.categoryCount; ++c) {
            for (int item : rule.categories[c].items) order.items[order.size++] = {item, c};
        }
        std::sort(order.items.begin(), order.items.begin() + order.size,
                  [](const VisitItem& a, const VisitItem& b) { return a.item < b.item; });
    }
    return orders;
}

const VisitOrder& VisitOrderFor(DisorderId id) {
    static const std::array<VisitOrder, kDisorderCount> orders = BuildVisitOrders();
    return orders[RowIndex(id)];
}

bool Meets(const Criterion& criterion, int count) {
    switch (criterion.compare) {
        case Compare::AtLeast:
            return count >= criterion.value;
        case Compare::AtMost:
            return count <= criterion.value;
        case Compare::Exactly:
            return count == criterion.value;
        case Compare::Unbounded:
            return true;
    }
    return false;
}

bool Positive(const RowRule& rule, const ScreeningResult& result, int reporter) {
    bool met = true;
    for (int c = 0; c < rule.categoryCount; ++c) met = met && Meets(rule.categories[c].criterion, result.counts[c]);
    const int total = result.counts[0] + result.counts[1] + result.counts[2];
    switch (rule.extra) {
        case ExtraTest::None:
            return met;
        case ExtraTest::TeacherAllowance:
            return met || (reporter == kTeacher && result.counts[0] >= kTeacherAllowanceMinimum);
        case ExtraTest::AspergerTotal:
            return met && (result.counts[2] == 0 || total <= 5);
        case ExtraTest::AutisticTotal:
            return met && total >= 6;
    }
    return false;
}

}  // namespace

ScreeningResult ScreenDisorder(const AssessmentRecord& record, DisorderId id) {
    const RowRule& rule = RuleFor(id);
    const VisitOrder& order = VisitOrderFor(id);

    ScreeningResult result;
    result.countCount = rule.categoryCount;
    for (int i = 0; i < order.size; ++i) {
        const VisitItem& v = order.items[i];
        if (!IsEndorsed(record, v.item)) continue;
        ++result.counts[v.category];
        if (rule.categories[v.category].listed) result.itemsMet.Add(v.item);
    }
    result.positive = Positive(rule, result, record.GetReporter());
    if (rule.listing == Listing::WhenPositive && !result.positive) result.itemsMet.Clear();
    return result;
}

}  // namespace orva
