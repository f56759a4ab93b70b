#include "screening/Omega.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "model/ItemCatalogue.h"
#include "screening/ScreeningTexts.h"

namespace orva {

namespace {

// The true Omega is a multiple of 1/(5n); sums of the inexact 0.2 steps can land a few ulps
// below an exact zero, which must not print as "-0.00".
constexpr double kZeroNoise = 1e-9;

// The Omega text is "%5.2f": two decimals, padded with blanks to five characters.
constexpr int kOmegaDecimals = 2;
constexpr std::size_t kOmegaTextWidth = 5;

const char* const kTooFew[kReportSlots] = {texts::kTooFewSelf, texts::kTooFewParent, texts::kTooFewTeacher};
const char* const kAbove[kReportSlots] = {texts::kAboveSelf, texts::kAboveParent, texts::kAboveTeacher};
const char* const kBelow[kReportSlots] = {texts::kBelowSelf, texts::kBelowParent, texts::kBelowTeacher};

}  // namespace

void ClearReliability(AssessmentRecord& record) { record.Reliability() = {}; }

void AddReliabilityPair(AssessmentRecord& record, int a, int b) {
    if (a < 0 || a > 5 || b < 0 || b > 5) return;
    ReliabilityAccumulators& acc = record.Reliability();
    ++acc.pairs;
    if (a == b) {
        ++acc.equalPairs;
    } else {
        acc.weightedDifference += kDifferenceWeight * std::abs(a - b);
    }
}

OmegaResult ComputeOmega(AssessmentRecord& record) {
    ClearReliability(record);
    for (const ItemCatalogue::RepeatedPair& pair : ItemCatalogue::RepeatedPairs()) {
        AddReliabilityPair(record, record.GetResponse(pair.first), record.GetResponse(pair.second));
    }
    const ReliabilityAccumulators& acc = record.Reliability();
    if (acc.pairs < kMinimumOmegaPairs) return {texts::kOmegaNoValue, false};

    double omega = (acc.equalPairs - acc.weightedDifference) * (1.0 / acc.pairs);
    if (std::fabs(omega) < kZeroNoise) omega = 0.0;
    // Positive values are rounded half up to two decimals before they are shown and tested.
    if (omega > 0) omega = static_cast<int>(omega * 100 + 0.5) * 0.01;

    // Formatted without the C library's locale: the windowing toolkit adopts the user's locale
    // at start-up, and a decimal comma there must not turn " 0.57" into " 0,57".
    char digits[16];
    char* end =
        std::to_chars(digits, digits + sizeof digits, omega, std::chars_format::fixed, kOmegaDecimals).ptr;
    std::string text(digits, end);
    if (text.size() < kOmegaTextWidth) text.insert(0, kOmegaTextWidth - text.size(), ' ');
    return {std::move(text), omega > kOmegaCutoffTest};
}

std::string ReliabilityAttained(const ReportSet& reports) {
    bool anyPresent = false;
    for (int slot = 0; slot < kReportSlots; ++slot) {
        if (reports.IsSlotEmpty(slot)) continue;
        anyPresent = true;
        if (ComputeOmega(reports.ScratchRecord(slot)).reliable) return texts::kYes;
    }
    return anyPresent ? texts::kNo : "";
}

std::string ReliabilityComment(const ReportSet& reports) {
    std::string comment;
    for (int slot = 0; slot < kReportSlots; ++slot) {
        if (reports.IsSlotEmpty(slot)) continue;
        const OmegaResult omega = ComputeOmega(reports.ScratchRecord(slot));
        const char* sentence = omega.text == texts::kOmegaNoValue ? kTooFew[slot]
                               : omega.reliable                   ? kAbove[slot]
                                                                  : kBelow[slot];
        if (!comment.empty()) comment += texts::kCommentSeparator;
        comment += sentence;
    }
    return comment;
}

std::string OmegaCellText(const ReportSet& reports, int slot) {
    if (reports.IsSlotEmpty(slot)) return texts::kSingleBlank;
    return ComputeOmega(reports.ScratchRecord(slot)).text;
}

}  // namespace orva
