// SPDX-License-Identifier: Apache-2.0
#include "store/RecordList.h"

#include <algorithm>
#include <climits>
#include <cstdio>

#include "model/AssessmentRecord.h"
#include "model/FieldRules.h"
#include "store/RecordStore.h"

namespace orva {

namespace {

// Sort keys 1..6 and the columns they stand for.
int ColumnOfKey(int key) {
    switch (key) {
        case kKeyFirstName:
            return kColumnUpperFirstName;
        case kKeyLastName:
            return kColumnUpperLastName;
        case kKeyBirthDate:
            return kColumnBirthStored;
        case kKeySaveDateTime:
            return kColumnSavedStored;
        case kKeyObserverName:
            return kColumnObserverName;
        case kKeyReporter:
            return kColumnReporterLabel;
        default:
            return -1;
    }
}

bool SamePerson(const RecordRow& row, const std::string& upperFirst, const std::string& upperLast,
                const std::string& birthStored) {
    return row.upperLast == upperLast && row.upperFirst == upperFirst && row.birthStored == birthStored;
}

}  // namespace

RecordList::RecordList(FileSystem& fileSystem) : fs_(fileSystem) {}

// Older imports kept the blanks after a name, and typed names are trimmed: names compare without them.
std::string RecordList::NameKey(std::string_view name) {
    const auto end = name.find_last_not_of(' ');
    return UpperCase(name.substr(0, end == std::string_view::npos ? 0 : end + 1));
}

std::string RecordList::UpperCase(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 'a' && byte <= 'z') {
            c = static_cast<char>(byte - 'a' + 'A');
        } else if (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7) {
            // Windows-1252 letters with accents sit 0x20 above their capitals; 0xF7 is the division sign.
            c = static_cast<char>(byte - 0x20);
        } else if (byte == 0x9A || byte == 0x9C || byte == 0x9E) {
            c = static_cast<char>(byte - 0x10);  // s, oe and z with caron or ligature
        } else if (byte == 0xFF) {
            c = static_cast<char>(0x9F);  // y with diaeresis
        }
    }
    return result;
}

RecordRow RecordList::MakeRow(const AssessmentRecord& record, int filePosition) {
    RecordRow row;
    row.first = record.GetFirstName();
    row.upperFirst = NameKey(row.first);
    row.last = record.GetLastName();
    row.upperLast = NameKey(row.last);
    row.birthStored = record.GetText(TextField::BirthDate);
    row.birthShown = ShortDateFromStored(row.birthStored);
    row.savedStored = record.GetText(TextField::SaveDateTime);
    row.savedShown = SaveDateTimeFromStored(row.savedStored);
    row.observerName = record.GetObserverName();
    // Any other stored value is listed as a self-assessment, and so counts as one.
    const int reporter = record.GetReporter();
    row.reporter = reporter == kTeacher || reporter == kParent ? reporter : static_cast<int>(kSelf);
    row.reporterLabel = ReporterListLabel(row.reporter);
    row.dataEntry = record.GetDataEntry();
    row.filePosition = filePosition;
    return row;
}

StoreResult<int> RecordList::Load(const std::string& path, bool readOnly, bool sort) {
    return RecordStore(fs_).List(RecordFilePath(path), readOnly, sort, *this);
}

void RecordList::Sort(int key1, int key2, int key3, int key4) {
    std::vector<int> columns;
    for (const int key : {key1, key2, key3, key4}) {
        if (key == 0) break;
        const int column = ColumnOfKey(key);
        if (column >= 0) columns.push_back(column);
    }
    if (columns.empty()) return;
    const auto before = [&columns](const RecordRow& a, const RecordRow& b) {
        for (const int column : columns) {
            const int order = a.Column(column).compare(b.Column(column));
            if (order != 0) return order < 0;
        }
        return false;
    };
    // Rows already in order stay as they are; FindLatestPerReporter sorts a sorted list again.
    if (std::is_sorted(rows_.begin(), rows_.end(), before)) return;
    // A stable sort gives the same order as exchanging adjacent rows until none is out of order.
    std::stable_sort(rows_.begin(), rows_.end(), before);
}

std::optional<RowRun> RecordList::FindRun(const std::string& upperFirst, const std::string& upperLast,
                                          const std::string& birthStored) const {
    const int count = RowCount();
    for (int row = 0; row < count; ++row) {
        if (!SamePerson(rows_[static_cast<std::size_t>(row)], upperFirst, upperLast, birthStored)) continue;
        RowRun run{row, row};
        while (run.last + 1 < count && SamePerson(rows_[static_cast<std::size_t>(run.last + 1)], upperFirst,
                                                  upperLast, birthStored)) {
            ++run.last;
        }
        return run;
    }
    return std::nullopt;
}

std::optional<RowRun> RecordList::Find(const std::string& firstName, const std::string& lastName, int year,
                                       int month, int day) const {
    char birth[40];
    std::snprintf(birth, sizeof birth, "%04u%02u%02u", static_cast<unsigned>(year),
                  static_cast<unsigned>(month), static_cast<unsigned>(day));
    return FindRun(NameKey(firstName), NameKey(lastName), birth);
}

std::optional<LatestPerReporter> RecordList::FindLatestPerReporter(int row) {
    if (row < 0 || row >= RowCount()) return std::nullopt;
    // Copies: the sort below moves the rows.
    const RecordRow person = rows_[static_cast<std::size_t>(row)];
    Sort(kKeyLastName, kKeyFirstName, kKeyBirthDate, kKeySaveDateTime);
    LatestPerReporter latest{-1, -1, -1};
    // The person's own row is in the list, so the run is never empty.
    const std::optional<RowRun> run = FindRun(person.upperFirst, person.upperLast, person.birthStored);
    if (!run) return latest;
    // Latest save first, so each reporter keeps its most recent record.
    for (int r = run->last; r >= run->first; --r) {
        const RecordRow& candidate = rows_[static_cast<std::size_t>(r)];
        const int reporter = candidate.reporter == kTeacher  ? kTeacher
                             : candidate.reporter == kParent ? kParent
                                                             : kSelf;
        int& slot = latest[static_cast<std::size_t>(reporter)];
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
