// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <array>
#include <compare>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/FileSystem.h"
#include "store/RecordRow.h"
#include "store/StoreError.h"

namespace orva {

class AssessmentRecord;

// The rows of one person in a sorted list: `first` to `last`, both included.
struct RowRun {
    int first = -1;
    int last = -1;
};

// File positions of a person's latest Self, Parent and Teacher record (indexed by ReporterType),
// each -1 when there is none.
using LatestPerReporter = std::array<int, 3>;

// The records of one file as rows for the selection dialogs: loaded whole, sorted, searched by
// name and birth date, and asked for a person's latest record of each reporter.
class RecordList {
  public:
    explicit RecordList(FileSystem& fileSystem = DefaultFileSystem());

    // Replaces the content with the records of the file at `path` (".rpc" added when missing),
    // read through RecordStore::List. The failure when the file cannot be read at all;
    // otherwise the number of records in the file that are not in the list: those that failed
    // their checks, and those beyond the file's capacity of kMaxRecords records (files made by
    // other means). Sorts by last name, first name, birth date and save date-time when asked.
    StoreResult<int> Load(const std::string& path, bool readOnly, bool sort);

    // Ascending by the keys in turn; rows equal on every key keep their order. Names order as
    // CompareNames says, the observer's name byte-wise, dates by the calendar and reporters as
    // their labels read.
    void Sort(std::initializer_list<RecordSortKey> keys);
    // By last name, first name, birth date and save date-time: each person's records together,
    // oldest first, as the dialogs list them.
    void SortByPerson();

    // The rows of the person, the names matched as CompareNames matches them; nothing when
    // none. The list must be sorted by last name, first name and birth date for the run to hold
    // all of them.
    [[nodiscard]] std::optional<RowRun> Find(const std::string& firstName, const std::string& lastName,
                                             int year, int month, int day) const;

    // The latest records of each reporter of the person in `row`; nothing when `row` is not a
    // row of the list. Sorts the list.
    [[nodiscard]] std::optional<LatestPerReporter> FindLatestPerReporter(int row);

    int RowCount() const { return static_cast<int>(rows_.size()); }
    const RecordRow& Row(int row) const { return rows_.at(static_cast<std::size_t>(row)); }
    const std::vector<RecordRow>& Rows() const { return rows_; }
    // The row holding file position `position`, or -1.
    int RowOfPosition(int position) const;

    // About the last Load: the records the file holds, the positions of those that could not be
    // read or failed their checks (in file order), and how many were left out, unread, beyond
    // the capacity.
    long long RecordsInFile() const { return recordsInFile_; }
    const std::vector<long long>& FailedPositions() const { return failedPositions_; }
    long long RecordsBeyondCapacity() const { return beyondCapacity_; }

    // The row a decoded record gives; exposed so the rows can be checked field by field.
    static RecordRow MakeRow(const AssessmentRecord& record, int filePosition);
    // Upper-cases the letters of Windows-1252 (a..z and the accented ones), as names are compared.
    static std::string UpperCase(std::string_view text);
    // A name as names are compared: upper-cased, without the blanks at its end.
    static std::string NameKey(std::string_view name);
    // Two names in the byte order of their keys (NameKey), without building the keys.
    static std::strong_ordering CompareNames(std::string_view a, std::string_view b);

  private:
    friend class RecordStore;  // fills the list as it reads the file

    // The run of rows of one person: the names as CompareNames matches them, the same birth date.
    std::optional<RowRun> FindRun(std::string_view firstName, std::string_view lastName,
                                  const std::optional<Date>& birthDate) const;

    FileSystem& fs_;
    std::vector<RecordRow> rows_;
    long long recordsInFile_ = 0;
    std::vector<long long> failedPositions_;
    long long beyondCapacity_ = 0;
};

}  // namespace orva
