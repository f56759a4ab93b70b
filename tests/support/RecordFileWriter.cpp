// SPDX-License-Identifier: Apache-2.0
#include "support/RecordFileWriter.h"

#include <chrono>

#include "model/RecordFilePath.h"
#include "store/FileSystem.h"
#include "store/RandomSource.h"
#include "store/RecordStore.h"

namespace orva::testsupport {

namespace {

// `when` moved on by `count` minutes (0 or more), across days, months and years.
LocalDateTime MinutesLater(const LocalDateTime& when, int count) {
    namespace chrono = std::chrono;
    const chrono::sys_days day =
        chrono::year_month_day{chrono::year{when.year}, chrono::month{static_cast<unsigned>(when.month)},
                               chrono::day{static_cast<unsigned>(when.day)}};
    const chrono::sys_time<chrono::minutes> at =
        day + chrono::hours{when.hour} + chrono::minutes{when.minute + count};
    const chrono::sys_days atDay = chrono::floor<chrono::days>(at);
    const chrono::year_month_day date{atDay};
    const chrono::hh_mm_ss time{at - atDay};
    return {static_cast<int>(date.year()),
            static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day())),
            static_cast<int>(time.hours().count()),
            static_cast<int>(time.minutes().count()),
            when.second};
}

}  // namespace

std::optional<int> AppendRecords(const std::string& path, std::vector<AssessmentRecord> records,
                                 const SaveSchedule& schedule) {
    FixedClock clock(schedule.first);
    // The scrambling keys a run of the tests writes are the same every time.
    SequenceRandomSource random({40, 77, 101});
    RecordStore store(DefaultFileSystem(), clock, random);
    const RecordFilePath file(path);
    if (schedule.minutesApart == 0) {
        const AppendOutcome outcome = store.Append(file, records);
        if (!outcome.status.Ok()) return std::nullopt;
        return outcome.firstPosition;
    }
    std::optional<int> first;
    LocalDateTime when = schedule.first;
    for (const AssessmentRecord& record : records) {
        clock.Set(when);
        std::vector<AssessmentRecord> one{record};
        const AppendOutcome outcome = store.Append(file, one);
        if (!outcome.status.Ok()) return std::nullopt;
        if (!first) first = outcome.firstPosition;
        when = MinutesLater(when, schedule.minutesApart);
    }
    return first;
}

}  // namespace orva::testsupport
