// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <compare>

namespace orva {

// A local calendar date and time of day, as the machine's clock reads it.
struct LocalDateTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;

    // Earlier times order first, as their stored YYYYMMDDhhmmss texts do.
    auto operator<=>(const LocalDateTime&) const = default;
};

// Where "today" and "now" come from; tests substitute a fixed clock.
class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalDateTime Now() const = 0;
};

class SystemClock final : public Clock {
public:
    LocalDateTime Now() const override;
    static const SystemClock& Instance();
};

class FixedClock final : public Clock {
public:
    explicit FixedClock(LocalDateTime now) : now_(now) {}
    LocalDateTime Now() const override { return now_; }
    void Set(LocalDateTime now) { now_ = now; }

private:
    LocalDateTime now_;
};

}  // namespace orva
