#pragma once

#include <array>
#include <vector>

#include "screening/ReportSet.h"

namespace orva {

// Items a clinician should see whenever a reporter endorses them, whatever the screening rows
// show: no item asks about suicide or self-harm, so a "NO" row is no reassurance, and these
// answers would otherwise be hidden in a row that is not positive. In item order: an upsetting
// event (2, 7, 111), leaving home or staying out (16, 41), restrictive eating or exercise for
// weight (20, 79), harm to people or animals (30, 73, 82, 88).
inline constexpr std::array<int, 11> kFollowUpItems = {2, 7, 16, 20, 30, 41, 73, 79, 82, 88, 111};

// One reporter's endorsement of a follow-up item.
struct FollowUpItem {
    int item = 0;
    int reporter = kSelf;  // kSelf, kParent or kTeacher
    int answer = 0;        // the answer given, 0..5

    bool operator==(const FollowUpItem&) const = default;
};

// The follow-up items each present report endorses, by the same flags the screening counts,
// ordered by item and then Self, Parent, Teacher. A Teacher-report never endorses an item
// teachers are not asked.
std::vector<FollowUpItem> ItemsToFollowUp(const ReportSet& reports);

}  // namespace orva
