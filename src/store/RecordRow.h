// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>

namespace orva {

// The columns of a record list row, in their order. Column 10 and the file position are not
// text columns: they are the members dataEntry and filePosition.
enum RecordColumn : int {
    kColumnUpperFirstName = 0,
    kColumnFirstName = 1,
    kColumnUpperLastName = 2,
    kColumnLastName = 3,
    kColumnBirthStored = 4,
    kColumnBirthShown = 5,
    kColumnSavedStored = 6,
    kColumnSavedShown = 7,
    kColumnObserverName = 8,
    kColumnReporterLabel = 9,
};
inline constexpr int kTextColumnCount = 10;

// Sort keys 1..6 stand for columns 0, 2, 4, 6, 8 and 9.
enum RecordSortKey : int {
    kKeyFirstName = 1,
    kKeyLastName = 2,
    kKeyBirthDate = 3,
    kKeySaveDateTime = 4,
    kKeyObserverName = 5,
    kKeyReporter = 6,
};

// One stored record as the selection dialogs list it.
struct RecordRow {
    std::string upperFirst;
    std::string first;
    std::string upperLast;
    std::string last;
    std::string birthStored;  // YYYYMMDD
    std::string birthShown;   // dd/mm/yyyy
    std::string savedStored;  // YYYYMMDDhhmmss
    std::string savedShown;   // dd/mm/yyyy hh:mm:ss
    std::string observerName;
    std::string reporterLabel;  // "Self Assessment", "Parent" or "Teacher", as the list shows it
    int reporter = 0;           // kSelf, kParent or kTeacher, as the label says: compare this, not the label
    char dataEntry = '0';
    int filePosition = -1;  // the record's position in its file, to read or replace it

    // Text column 0..9; empty for any other number.
    const std::string& Column(int column) const;

    bool operator==(const RecordRow&) const = default;
};

}  // namespace orva
