// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cassert>

#include "model/Result.h"

namespace orva {

// Why a record's setter refused a value; the field keeps what it held.
enum class RecordFieldError {
    UnknownGender,     // a gender code other than 'F', 'M', 'U' and 'X'
    UnknownReporter,   // a reporter other than Self, Parent and Teacher
    NoReporter,        // an answer before the reporter is chosen, which decides the items asked
    ItemOutOfRange,    // an item outside 1..190
    AnswerOutOfRange,  // an answer neither 0..5 nor -1 (blank)
    InvalidDate,       // no day of the calendar
    DateInFuture,      // a completion date after today
};

using RecordFieldStatus = Status<RecordFieldError>;

// Takes a setter's result where the caller checked the value beforehand or took it from the
// setter's own set, so the setter cannot refuse it. A refusal is then the caller's fault:
// debug builds stop on it.
inline void AssumeAccepted([[maybe_unused]] RecordFieldStatus status) {
    assert(status.Ok());
}

}  // namespace orva
