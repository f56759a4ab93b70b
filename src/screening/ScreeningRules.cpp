// SPDX-License-Identifier: Apache-2.0
#include "screening/ScreeningRules.h"

#include <string_view>

#include "screening/ScreeningTexts.h"

namespace orva {

namespace {

// The item sets, ascending. Several rows share a set.
constexpr int kGadWorry[] = {1, 103};
constexpr int kGadAssociated[] = {14, 23, 27, 51, 87, 109};
constexpr int kOcd[] = {21, 61, 72, 110};
constexpr int kPtsd[] = {2, 7, 23, 111};
constexpr int kSad[] = {17, 22, 33, 40, 48, 60, 66, 102};
constexpr int kHyperactive[] = {12, 29, 37, 43, 47, 68, 70, 75, 80};
constexpr int kInattentive[] = {3, 6, 39, 54, 71, 77, 90, 93, 97};
constexpr int kConduct[] = {4, 15, 16, 30, 41, 50, 59, 69, 73, 82, 83, 88};
constexpr int kOppositional[] = {13, 25, 76, 85, 92, 95, 101, 104};
constexpr int kExpressive[] = {10, 105, 106};
constexpr int kReceptive[] = {74};
constexpr int kPhonological[] = {45, 64};
constexpr int kMood[] = {51, 84};
constexpr int kDysthymic[] = {18, 26, 27, 34, 35};
constexpr int kAnorexia[] = {20, 63, 79, 98};
constexpr int kBulimia[] = {8, 20, 28, 42};
constexpr int kWritten[] = {31, 55, 89, 99};
constexpr int kMathematics[] = {11, 44, 53, 96};
constexpr int kReading[] = {24, 62, 81};
constexpr int kSocial[] = {5, 32, 67, 107};
constexpr int kRestricted[] = {38, 58, 94, 108};
constexpr int kCommunication[] = {9, 46, 78, 91};
constexpr int kMotorTic[] = {56};
constexpr int kVocalTic[] = {52};

constexpr Criterion AtLeast(int n) { return {Compare::AtLeast, n}; }
constexpr Criterion AtMost(int n) { return {Compare::AtMost, n}; }
constexpr Criterion Exactly(int n) { return {Compare::Exactly, n}; }
constexpr Criterion Any() { return {Compare::Unbounded, 0}; }

// A category whose endorsed items are listed, and one that is only counted.
constexpr Category Listed(std::span<const int> items, Criterion c) { return {items, c, true}; }
constexpr Category Counted(std::span<const int> items, Criterion c) { return {items, c, false}; }

constexpr RowRule Row(DisorderId id, const char* label, const char* group, const char* cutoff,
                      std::array<Category, kMaxCounts> categories, int count, Listing listing = Listing::Always,
                      ExtraTest extra = ExtraTest::None, bool notAssessedByTeacher = false) {
    return {id, label, group, cutoff, categories, count, listing, extra, notAssessedByTeacher};
}

using D = DisorderId;
using namespace texts;
constexpr bool kNotInTrf = true;

// Counts are in cutoff-label order. A "Counted" category takes part in the test but its
// items never appear in the list.
constexpr std::array<RowRule, kDisorderCount> kRules = {{
    Row(D::GAD, kLabelGad, kGroupAnxiety, kCutoffGad,
        {Listed(kGadWorry, AtLeast(1)), Listed(kGadAssociated, AtLeast(3))}, 2),
    Row(D::OCD, kLabelOcd, kGroupAnxiety, kCutoffAtLeast3, {Listed(kOcd, AtLeast(3))}, 1),
    Row(D::PTSD, kLabelPtsd, kGroupAnxiety, kCutoffPtsd, {Listed(kPtsd, AtLeast(3))}, 1, Listing::Always,
        ExtraTest::TeacherAllowance),
    Row(D::SAD, kLabelSad, kGroupAnxiety, kCutoffAtLeast3, {Listed(kSad, AtLeast(3))}, 1, Listing::Always,
        ExtraTest::None, kNotInTrf),

    Row(D::ADHD_HI, kLabelAdhdHi, kGroupAttentionDisruptive, kCutoffAdhdOneType,
        {Listed(kHyperactive, AtLeast(6)), Counted(kInattentive, AtMost(5))}, 2, Listing::WhenPositive),
    Row(D::ADHD_I, kLabelAdhdI, kGroupAttentionDisruptive, kCutoffAdhdOneType,
        {Listed(kInattentive, AtLeast(6)), Counted(kHyperactive, AtMost(5))}, 2, Listing::WhenPositive),
    Row(D::ADHD_C, kLabelAdhdC, kGroupAttentionDisruptive, kCutoffAdhdCombined,
        {Listed(kHyperactive, AtLeast(6)), Listed(kInattentive, AtLeast(6))}, 2),
    Row(D::CD, kLabelCd, kGroupAttentionDisruptive, kCutoffAtLeast3, {Listed(kConduct, AtLeast(3))}, 1),
    Row(D::ODD, kLabelOdd, kGroupAttentionDisruptive, kCutoffOdd,
        {Listed(kOppositional, AtLeast(4)), Counted(kConduct, AtMost(2))}, 2),

    Row(D::ELD, kLabelEld, kGroupCommunication, kCutoffEld,
        {Listed(kExpressive, AtLeast(2)), Listed(kReceptive, Exactly(0))}, 2),
    Row(D::MRELD, kLabelMreld, kGroupCommunication, kCutoffMreld,
        {Listed(kExpressive, AtLeast(2)), Listed(kReceptive, AtLeast(1))}, 2),
    Row(D::PD, kLabelPd, kGroupCommunication, kCutoffPd, {Listed(kPhonological, AtLeast(2))}, 1),

    Row(D::DD, kLabelDd, kGroupDepressive, kCutoffDd, {Listed(kMood, AtLeast(1)), Listed(kDysthymic, AtLeast(2))},
        2),

    Row(D::AN, kLabelAn, kGroupEating, kCutoffAtLeast3, {Listed(kAnorexia, AtLeast(3))}, 1, Listing::Always,
        ExtraTest::None, kNotInTrf),
    Row(D::BN, kLabelBn, kGroupEating, kCutoffAtLeast3, {Listed(kBulimia, AtLeast(3))}, 1, Listing::Always,
        ExtraTest::None, kNotInTrf),

    Row(D::DWE, kLabelDwe, kGroupLearning, kCutoffAtLeast3, {Listed(kWritten, AtLeast(3))}, 1),
    Row(D::MD, kLabelMd, kGroupLearning, kCutoffAtLeast3, {Listed(kMathematics, AtLeast(3))}, 1),
    Row(D::RD, kLabelRd, kGroupLearning, kCutoffAtLeast2, {Listed(kReading, AtLeast(2))}, 1),

    Row(D::AsD, kLabelAsd, kGroupPervasive, kCutoffAsd,
        {Listed(kSocial, AtLeast(2)), Listed(kRestricted, AtLeast(1)), Listed(kCommunication, Any())}, 3,
        Listing::Always, ExtraTest::AspergerTotal),
    Row(D::AD, kLabelAd, kGroupPervasive, kCutoffAd,
        {Listed(kSocial, AtLeast(2)), Listed(kRestricted, AtLeast(1)), Listed(kCommunication, AtLeast(1))}, 3,
        Listing::Always, ExtraTest::AutisticTotal),

    Row(D::TicD_M, kLabelTicM, kGroupTic, kCutoffTicOne,
        {Listed(kMotorTic, Exactly(1)), Listed(kVocalTic, Exactly(0))}, 2),
    Row(D::TicD_V, kLabelTicV, kGroupTic, kCutoffTicOne,
        {Listed(kVocalTic, Exactly(1)), Listed(kMotorTic, Exactly(0))}, 2),
    Row(D::TD, kLabelTd, kGroupTic, kCutoffTd, {Listed(kMotorTic, Exactly(1)), Listed(kVocalTic, Exactly(1))}, 2),
}};

constexpr bool RowsInReportOrder() {
    for (int i = 0; i < kDisorderCount; ++i) {
        if (RowIndex(kRules[i].id) != i) return false;
    }
    return true;
}
static_assert(RowsInReportOrder(), "the rules table must follow the DisorderId order");

}  // namespace

const std::array<RowRule, kDisorderCount>& ScreeningRules() { return kRules; }

const RowRule& RuleFor(DisorderId id) { return kRules[RowIndex(id)]; }

const char* RowLabel(DisorderId id) { return RuleFor(id).label; }
const char* GroupHeading(DisorderId id) { return RuleFor(id).group; }
const char* CutoffLabel(DisorderId id) { return RuleFor(id).cutoffLabel; }
bool NotAssessedByTeacher(DisorderId id) { return RuleFor(id).notAssessedByTeacher; }

bool StartsGroup(DisorderId id) {
    const int i = RowIndex(id);
    return i == 0 || std::string_view(kRules[i - 1].group) != kRules[i].group;
}

const char* DisorderName(DisorderId id) {
    static constexpr const char* kNames[kDisorderCount] = {
        "GAD", "OCD", "PTSD", "SAD", "ADHD_HI", "ADHD_I", "ADHD_C", "CD",  "ODD",    "ELD",    "MRELD", "PD",
        "DD",  "AN",  "BN",   "DWE", "MD",      "RD",     "AsD",    "AD",  "TicD_M", "TicD_V", "TD",
    };
    return kNames[RowIndex(id)];
}

}  // namespace orva
