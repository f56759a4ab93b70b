// SPDX-License-Identifier: Apache-2.0
#include "store/RecordList.h"

#include <algorithm>

#include "model/AssessmentRecord.h"
#include "store/RecordStore.h"

namespace orva {

namespace {

// The capital of a Windows-1252 letter (a..z and the accented ones); any other byte as it is.
unsigned char UpperByte(unsigned char byte) {
    if (byte >= 'a' && byte <= 'z') return static_cast<unsigned char>(byte - 'a' + 'A');
    // Windows-1252 letters with accents sit 0x20 above their capitals; 0xF7 is the division sign.
    if (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7) return static_cast<unsigned char>(byte - 0x20);
    // s, oe and z with caron or ligature
    if (byte == 0x9A || byte == 0x9C || byte == 0x9E) return static_cast<unsigned char>(byte - 0x10);
    if (byte == 0xFF) return 0x9F;  // y with diaeresis
    return byte;
}

// Older imports kept the blanks after a name, and typed names are trimmed: names compare without them.
std::string_view WithoutTrailingBlanks(std::string_view name) {
    const auto end = name.find_last_not_of(' ');
    return name.substr(0, end == std::string_view::npos ? 0 : end + 1);
}

std::strong_ordering Compare(const RecordRow& a, const RecordRow& b, RecordSortKey key) {
    switch (key) {
        case RecordSortKey::FirstName:
            return RecordList::CompareNames(a.firstName, b.firstName);
        case RecordSortKey::LastName:
            return RecordList::CompareNames(a.lastName, b.lastName);
        case RecordSortKey::BirthDate:
            return a.birthDate <=> b.birthDate;
        case RecordSortKey::SaveDateTime:
            return a.saved <=> b.saved;
        case RecordSortKey::ObserverName:
            return a.observerName.compare(b.observerName) <=> 0;
        case RecordSortKey::Reporter: {
            // As the list shows them: Parent, Self Assessment, Teacher.
            const std::string_view label = ReporterListLabel(a.reporter);
            return label.compare(ReporterListLabel(b.reporter)) <=> 0;
        }
    }
    return std::strong_ordering::equal;
}

bool SamePerson(const RecordRow& row, std::string_view firstName, std::string_view lastName,
                const std::optional<Date>& birthDate) {
    return row.birthDate == birthDate && RecordList::CompareNames(row.lastName, lastName) == 0 &&
           RecordList::CompareNames(row.firstName, firstName) == 0;
}

}  // namespace

RecordList::RecordList(FileSystem& fileSystem) : fs_(fileSystem) {}

std::string RecordList::NameKey(std::string_view name) {
    return UpperCase(WithoutTrailingBlanks(name));
}

std::string RecordList::UpperCase(std::string_view text) {
    std::string result(text);
    for (char& c : result) c = static_cast<char>(UpperByte(static_cast<unsigned char>(c)));
    return result;
}

std::strong_ordering RecordList::CompareNames(std::string_view a, std::string_view b) {
    a = WithoutTrailingBlanks(a);
    b = WithoutTrailingBlanks(b);
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        if (a[i] == b[i]) continue;
        const unsigned char left = UpperByte(static_cast<unsigned char>(a[i]));
        const unsigned char right = UpperByte(static_cast<unsigned char>(b[i]));
        if (left != right) return left <=> right;
    }
    return a.size() <=> b.size();
}

RecordRow RecordList::MakeRow(const AssessmentRecord& record, int filePosition) {
    const int reporter = record.GetReporter();
    return RecordRow{
        .firstName = record.GetFirstName(),
        .lastName = record.GetLastName(),
        .birthDate = record.GetBirthDate(),
        .saved = record.GetSaveDateTime(),
        .observerName = record.GetObserverName(),
        .reporter = reporter == kTeacher || reporter == kParent ? static_cast<ReporterType>(reporter) : kSelf,
        .dataEntry = record.GetDataEntry(),
        .filePosition = filePosition,
    };
}

StoreResult<int> RecordList::Load(const std::string& path, bool readOnly, bool sort) {
    return RecordStore(fs_).List(RecordFilePath(path), readOnly, sort, *this);
}

void RecordList::Sort(std::initializer_list<RecordSortKey> keys) {
    const auto before = [keys](const RecordRow& a, const RecordRow& b) {
        for (const RecordSortKey key : keys) {
            const std::strong_ordering order = Compare(a, b, key);
            if (order != 0) return order < 0;
        }
        return false;
    };
    // Rows already in order stay as they are; FindLatestPerReporter sorts a sorted list again.
    if (std::is_sorted(rows_.begin(), rows_.end(), before)) return;
    // A stable sort gives the same order as exchanging adjacent rows until none is out of order.
    std::stable_sort(rows_.begin(), rows_.end(), before);
}

void RecordList::SortByPerson() {
    Sort({RecordSortKey::LastName, RecordSortKey::FirstName, RecordSortKey::BirthDate,
          RecordSortKey::SaveDateTime});
}

std::optional<RowRun> RecordList::FindRun(std::string_view firstName, std::string_view lastName,
                                          const std::optional<Date>& birthDate) const {
    const int count = RowCount();
    for (int row = 0; row < count; ++row) {
        if (!SamePerson(rows_[static_cast<std::size_t>(row)], firstName, lastName, birthDate)) continue;
        RowRun run{row, row};
        while (run.last + 1 < count &&
               SamePerson(rows_[static_cast<std::size_t>(run.last + 1)], firstName, lastName, birthDate)) {
            ++run.last;
        }
        return run;
    }
    return std::nullopt;
}

std::optional<RowRun> RecordList::Find(const std::string& firstName, const std::string& lastName, int year,
                                       int month, int day) const {
    return FindRun(firstName, lastName, Date{year, month, day});
}

std::optional<LatestPerReporter> RecordList::FindLatestPerReporter(int row) {
    if (row < 0 || row >= RowCount()) return std::nullopt;
    // Copies: the sort below moves the rows.
    const RecordRow person = rows_[static_cast<std::size_t>(row)];
    SortByPerson();
    LatestPerReporter latest{-1, -1, -1};
    // The person's own row is in the list, so the run is never empty.
    const std::optional<RowRun> run = FindRun(person.firstName, person.lastName, person.birthDate);
    if (!run) return latest;
    // Latest save first, so each reporter keeps its most recent record.
    for (int r = run->last; r >= run->first; --r) {
        const RecordRow& candidate = rows_[static_cast<std::size_t>(r)];
        int& slot = latest[static_cast<std::size_t>(candidate.reporter)];
        if (slot < 0) slot = candidate.filePosition;
    }
    return latest;
}

int RecordList::RowOfPosition(int position) const {
    for (int row = 0; row < RowCount(); ++row) {
        if (rows_[static_cast<std::size_t>(row)].filePosition == position) return row;
    }
    return -1;
}

}  // namespace orva
