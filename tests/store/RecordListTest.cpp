// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <compare>
#include <vector>

#include "store/RecordCodec.h"
#include "store/RecordFile.h"
#include "store/RecordList.h"
#include "store/support/StoreTestSupport.h"
#include "support/RecordBuilder.h"

namespace orva {
namespace {

using testsupport::Bytes;
using testsupport::Encode;
using testsupport::FileBytes;
using testsupport::FileOfSamples;
using testsupport::PersonRecord;
using testsupport::SampleRecord;
using testsupport::TempFolder;
using testsupport::WriteAll;

StoredRecord Person(const std::string& first, const std::string& last, int reporter, LocalDateTime saved,
                    int year = 2012, int month = 4, int day = 9) {
    return Encode(PersonRecord(first, last, year, month, day, reporter, saved), saved);
}

StoredRecord Corrupt(StoredRecord stored) {
    stored[500] ^= 0x10;
    return stored;
}

class RecordListTest : public ::testing::Test {
  protected:
    void Write(const std::vector<StoredRecord>& records) { WriteAll(path_, FileBytes(records)); }

    TempFolder dir_;
    std::string path_ = dir_.Path("list.rpc");
    RecordList list_;
};

TEST_F(RecordListTest, RowHoldsTheRecordsDataAsStored) {
    const AssessmentRecord record =
        testsupport::RecordBuilder(SampleRecord(4, kTeacher)).Names("jos\xE9", "o'Brien").Born(2011, 2, 3);
    Write({Encode(record, {2024, 4, 2, 3, 4, 5})});
    ASSERT_EQ(list_.Load(path_, true, true), StoreResult<int>(0));
    ASSERT_EQ(list_.RowCount(), 1);
    const RecordRow& row = list_.Row(0);
    EXPECT_EQ(row.firstName, "jos\xE9");
    EXPECT_EQ(row.lastName, "o'Brien");
    EXPECT_EQ(row.birthDate, (Date{2011, 2, 3}));
    EXPECT_EQ(row.saved, (LocalDateTime{2024, 4, 2, 3, 4, 5}));
    EXPECT_EQ(row.observerName,
              "Fran\xE7"
              "oise Ng");
    EXPECT_EQ(row.reporter, kTeacher);
    EXPECT_EQ(row.dataEntry, kPaper);
    EXPECT_EQ(row.filePosition, 0);
}

TEST_F(RecordListTest, Reporters) {
    Write({Person("A", "B", kSelf, testsupport::kSavedAt), Person("A", "B", kParent, testsupport::kSavedAt)});
    ASSERT_EQ(list_.Load(path_, true, false), StoreResult<int>(0));
    EXPECT_EQ(list_.Row(0).reporter, kSelf);
    EXPECT_EQ(list_.Row(1).reporter, kParent);
    // A record without a reporter or dates fails its checks in a file; its row would read as
    // Self, without dates.
    const RecordRow unset = RecordList::MakeRow(AssessmentRecord(), 2);
    EXPECT_EQ(unset.reporter, kSelf);
    EXPECT_FALSE(unset.birthDate);
    EXPECT_FALSE(unset.saved);
}

TEST_F(RecordListTest, RecordFailingItsChecksIsSkippedAndCounted) {
    std::vector<StoredRecord> records;
    for (int i = 0; i < 5; ++i) records.push_back(Encode(SampleRecord(i)));
    records[1] = Corrupt(records[1]);
    Write(records);
    EXPECT_EQ(list_.Load(path_, true, false), StoreResult<int>(1));
    ASSERT_EQ(list_.RowCount(), 4);
    const int positions[] = {0, 2, 3, 4};
    for (int r = 0; r < 4; ++r) EXPECT_EQ(list_.Row(r).filePosition, positions[r]);
    EXPECT_EQ(list_.RecordsInFile(), 5);
    EXPECT_EQ(list_.FailedPositions(), std::vector<long long>{1});
    EXPECT_EQ(list_.RecordsBeyondCapacity(), 0);
}

TEST_F(RecordListTest, FileWhoseEveryRecordFailsLoadsNoRows) {
    Write({Corrupt(Encode(SampleRecord(1))), Corrupt(Encode(SampleRecord(2)))});
    EXPECT_EQ(list_.Load(path_, true, true), StoreResult<int>(2));
    EXPECT_EQ(list_.RowCount(), 0);
}

TEST_F(RecordListTest, UnreadableFilesGiveTheirCodesAndAnEmptyList) {
    Write({Encode(SampleRecord(1))});
    ASSERT_EQ(list_.Load(path_, true, true), StoreResult<int>(0));
    WriteAll(path_, {});
    EXPECT_EQ(list_.Load(path_, true, true), StoreError::TooShort);
    EXPECT_EQ(list_.RowCount(), 0);
    // A file cut within its last record keeps its whole records; the cut one counts as failed.
    Bytes truncated = FileOfSamples(2);
    truncated.pop_back();
    WriteAll(path_, truncated);
    EXPECT_EQ(list_.Load(path_, true, true), StoreResult<int>(1));
    EXPECT_EQ(list_.RowCount(), 1);
    EXPECT_EQ(list_.FailedPositions(), std::vector<long long>({1}));
    EXPECT_EQ(list_.Load(dir_.Path("missing.rpc"), true, true), StoreError::FileNotFound);
    EXPECT_EQ(list_.Load(dir_.Path("missing.rpc"), false, true), StoreError::FileNotFound);
    EXPECT_FALSE(testsupport::FileExists(dir_.Path("missing.rpc")));
}

TEST_F(RecordListTest, LoadSortsByLastFirstBirthAndSaveTime) {
    Write({Person("Zoe", "Adams", kSelf, {2024, 1, 1, 0, 0, 2}),
           Person("amy", "Adams", kSelf, {2024, 1, 1, 0, 0, 1}),
           Person("Amy", "Adams", kParent, {2024, 1, 1, 0, 0, 0}),
           Person("Amy", "Baker", kSelf, {2023, 1, 1, 0, 0, 0}),
           Person("Amy", "Adams", kSelf, {2024, 1, 1, 0, 0, 0}, 2010)});
    ASSERT_EQ(list_.Load(path_, true, true), StoreResult<int>(0));
    const int expected[] = {4, 2, 1, 0, 3};
    for (int r = 0; r < 5; ++r) EXPECT_EQ(list_.Row(r).filePosition, expected[r]) << "row " << r;
}

TEST_F(RecordListTest, SortIsByteWiseAndKeepsTheOrderOfEqualRows) {
    Write({Person("B", "x", kSelf, testsupport::kSavedAt), Person("A", "X", kSelf, testsupport::kSavedAt),
           Person("C", "\xC9", kSelf, testsupport::kSavedAt), Person("D", "x", kSelf, testsupport::kSavedAt),
           Person("E", "Y", kSelf, testsupport::kSavedAt)});
    ASSERT_EQ(list_.Load(path_, true, false), StoreResult<int>(0));
    list_.Sort({RecordSortKey::LastName});
    const int expected[] = {0, 1, 3, 4, 2};  // X, X, X in file order, then Y, then É (0xC9)
    for (int r = 0; r < 5; ++r) EXPECT_EQ(list_.Row(r).filePosition, expected[r]) << "row " << r;
    list_.Sort({RecordSortKey::FirstName});
    EXPECT_EQ(list_.Row(0).firstName, "A");
    EXPECT_EQ(list_.Row(4).firstName, "E");
}

// Four records, each sort starting from file order: rows equal on the keys keep that order.
class RecordListSortTest : public RecordListTest {
  protected:
    void SetUp() override {
        const auto row = [](const char* first, const char* last, Date birth, LocalDateTime saved, int reporter,
                            const char* observer) {
            return Encode(testsupport::RecordBuilder(reporter)
                              .Names(first, last)
                              .Born(birth.year, birth.month, birth.day)
                              .Observer(observer),
                          saved);
        };
        Write({row("bea", "Cole", {2010, 5, 1}, {2024, 1, 2, 10, 0, 0}, kTeacher, "mr Z"),
               row("Al", "cole", {2009, 12, 31}, {2024, 1, 2, 9, 59, 59}, kSelf, ""),
               row("AL ", "Abe", {2010, 5, 1}, {2023, 12, 31, 23, 0, 0}, kParent, "Mr A"),
               row("ben", "COLE ", {2010, 1, 20}, {2024, 1, 2, 10, 0, 0}, kParent, "Mr Z")});
    }

    std::vector<int> PositionsSortedBy(std::initializer_list<RecordSortKey> keys) {
        EXPECT_EQ(list_.Load(path_, true, false), StoreResult<int>(0));
        list_.Sort(keys);
        std::vector<int> positions;
        for (const RecordRow& row : list_.Rows()) positions.push_back(row.filePosition);
        return positions;
    }
};

TEST_F(RecordListSortTest, EachKeyOrdersByItsOwnField) {
    // Names without case or trailing blanks; the observer's name byte-wise, capitals first.
    EXPECT_EQ(PositionsSortedBy({RecordSortKey::FirstName}), (std::vector<int>{1, 2, 0, 3}));
    EXPECT_EQ(PositionsSortedBy({RecordSortKey::LastName}), (std::vector<int>{2, 0, 1, 3}));
    EXPECT_EQ(PositionsSortedBy({RecordSortKey::BirthDate}), (std::vector<int>{1, 3, 0, 2}));
    EXPECT_EQ(PositionsSortedBy({RecordSortKey::SaveDateTime}), (std::vector<int>{2, 1, 0, 3}));
    EXPECT_EQ(PositionsSortedBy({RecordSortKey::ObserverName}), (std::vector<int>{1, 2, 3, 0}));
    // Reporters as the list names them: Parent, Self Assessment, Teacher.
    EXPECT_EQ(PositionsSortedBy({RecordSortKey::Reporter}), (std::vector<int>{2, 3, 1, 0}));
}

TEST_F(RecordListSortTest, LaterKeysOrderRowsEqualOnTheEarlierOnes) {
    EXPECT_EQ(PositionsSortedBy({RecordSortKey::LastName, RecordSortKey::BirthDate}), (std::vector<int>{2, 1, 3, 0}));
    EXPECT_EQ(PositionsSortedBy({RecordSortKey::BirthDate, RecordSortKey::FirstName}), (std::vector<int>{1, 3, 2, 0}));
    EXPECT_EQ(PositionsSortedBy({RecordSortKey::SaveDateTime, RecordSortKey::Reporter}),
              (std::vector<int>{2, 1, 3, 0}));
}

TEST_F(RecordListTest, SortMovesWholeRows) {
    Write({Person("B", "Two", kParent, testsupport::kSavedAt), Person("A", "One", kTeacher, testsupport::kSavedAt)});
    ASSERT_EQ(list_.Load(path_, true, false), StoreResult<int>(0));
    list_.Sort({RecordSortKey::Reporter});
    EXPECT_EQ(list_.Row(0).lastName, "Two");
    EXPECT_EQ(list_.Row(0).reporter, kParent);
    EXPECT_EQ(list_.Row(0).filePosition, 0);
}

TEST_F(RecordListTest, FindIgnoresCaseAndTrailingBlanksButNotLeadingBlanks) {
    Write({Person("MARY", "O'NEIL", kSelf, testsupport::kSavedAt), Person("Mary", "O'Neil", kParent, testsupport::kSavedAt),
           Person("John", "O'Neil", kSelf, testsupport::kSavedAt), Person("Mary", "Smith", kSelf, testsupport::kSavedAt)});
    ASSERT_EQ(list_.Load(path_, true, true), StoreResult<int>(0));
    const auto mary = list_.Find("mary", "o'neil", 2012, 4, 9);
    ASSERT_TRUE(mary);
    EXPECT_EQ(mary->last - mary->first, 1);
    for (int r = mary->first; r <= mary->last; ++r) {
        EXPECT_EQ(RecordList::NameKey(list_.Row(r).firstName), "MARY");
        EXPECT_EQ(RecordList::NameKey(list_.Row(r).lastName), "O'NEIL");
    }
    EXPECT_FALSE(list_.Find(" mary", "o'neil", 2012, 4, 9));
    const auto trailing = list_.Find("mary  ", "o'neil ", 2012, 4, 9);
    ASSERT_TRUE(trailing);
    EXPECT_EQ(trailing->last - trailing->first, 1);
    EXPECT_FALSE(list_.Find("mary", "o'neil", 2012, 4, 10));
    const auto john = list_.Find("JOHN", "O'Neil", 2012, 4, 9);
    ASSERT_TRUE(john);
    EXPECT_EQ(john->first, john->last);
    EXPECT_EQ(list_.Row(john->first).firstName, "John");
}

TEST(RecordListUpperCaseTest, AccentedLettersOfWindows1252HaveTheirCapitals) {
    EXPECT_EQ(RecordList::UpperCase("s\xF8ren m\xFCller"), "S\xD8REN M\xDCLLER");
    EXPECT_EQ(RecordList::UpperCase("\xE0\xFE\x9A\x9C\x9E\xFF"), "\xC0\xDE\x8A\x8C\x8E\x9F");
    // Signs and letters without a capital stay as they are.
    EXPECT_EQ(RecordList::UpperCase("\xF7\xD7\xDF\xC0\x8A\x9F" "1-'"), "\xF7\xD7\xDF\xC0\x8A\x9F" "1-'");
}

TEST(RecordListCompareNamesTest, OrdersAsTheNameKeysDo) {
    EXPECT_EQ(RecordList::CompareNames("ann  ", "ANN"), std::strong_ordering::equal);
    EXPECT_EQ(RecordList::CompareNames("j\xE9r\xF4me", "J\xC9R\xD4ME"), std::strong_ordering::equal);
    EXPECT_EQ(RecordList::CompareNames(" ann", "ann"), std::strong_ordering::less);
    EXPECT_EQ(RecordList::CompareNames("Anne", "ann"), std::strong_ordering::greater);
    const char* names[] = {"", " ", "a", "A ", "ab", "aB", "b", "Z", "\xE9", "\xC9", "\xFF", "z z", "z  z"};
    for (const char* a : names) {
        for (const char* b : names) {
            const int byKeys = RecordList::NameKey(a).compare(RecordList::NameKey(b));
            EXPECT_EQ(RecordList::CompareNames(a, b), byKeys <=> 0) << a << " | " << b;
        }
    }
}

TEST_F(RecordListTest, FindIgnoresCaseOfAccentedLetters) {
    Write({Person("S\xF8ren", "M\xFCller", kSelf, testsupport::kSavedAt)});
    ASSERT_EQ(list_.Load(path_, true, true), StoreResult<int>(0));
    const auto run = list_.Find("S\xD8REN", "M\xDCLLER", 2012, 4, 9);
    ASSERT_TRUE(run);
    EXPECT_EQ(run->first, 0);
    EXPECT_EQ(run->last, 0);
}

TEST_F(RecordListTest, StoredNamesEndingInBlanksAreFound) {
    Write({Person("Ann  ", "Lee ", kSelf, testsupport::kSavedAt)});
    ASSERT_EQ(list_.Load(path_, true, true), StoreResult<int>(0));
    EXPECT_EQ(list_.Row(0).firstName, "Ann  ");
    const auto run = list_.Find("Ann", "Lee", 2012, 4, 9);
    ASSERT_TRUE(run);
    EXPECT_EQ(run->first, 0);
}

TEST_F(RecordListTest, FindLatestPerReporterTakesTheLatestSaveOfEachReporter) {
    Write({Person("Ann", "Lee", kParent, {2024, 3, 1, 10, 0, 0}),
           Person("Ann", "Lee", kParent, {2024, 3, 2, 9, 0, 0}),
           Person("Ann", "Lee", kSelf, {2024, 1, 1, 0, 0, 0}),
           Person("Ann", "Lee", kParent, {2023, 3, 1, 10, 0, 0}),
           Person("Ann", "Lee", kTeacher, {2024, 1, 1, 0, 0, 0}, 2013),
           Person("Bob", "Lee", kTeacher, {2024, 1, 1, 0, 0, 0})});
    ASSERT_EQ(list_.Load(path_, true, false), StoreResult<int>(0));
    const auto latest = list_.FindLatestPerReporter(list_.RowOfPosition(0));
    ASSERT_TRUE(latest);
    EXPECT_EQ(*latest, (LatestPerReporter{2, 1, -1}));  // the Teacher-report is of another birth date, Bob's of another name
    EXPECT_FALSE(list_.FindLatestPerReporter(99));
    EXPECT_FALSE(list_.FindLatestPerReporter(-1));
}

TEST_F(RecordListTest, RowOfPositionFindsTheRowAfterSorting) {
    Write({Person("B", "B", kSelf, testsupport::kSavedAt), Person("A", "A", kSelf, testsupport::kSavedAt)});
    ASSERT_EQ(list_.Load(path_, true, true), StoreResult<int>(0));
    EXPECT_EQ(list_.RowOfPosition(0), 1);
    EXPECT_EQ(list_.RowOfPosition(1), 0);
    EXPECT_EQ(list_.RowOfPosition(2), -1);
}

TEST_F(RecordListTest, FileWithMoreRecordsThanTheListKeepsTheFirstRowsAndCountsTheRest) {
    WriteAll(path_, FileOfSamples(700));
    EXPECT_EQ(list_.Load(path_, true, true), StoreResult<int>(43));
    EXPECT_EQ(list_.RowCount(), 657);
    EXPECT_EQ(list_.RecordsInFile(), 700);
    EXPECT_EQ(list_.RecordsBeyondCapacity(), 43);
    EXPECT_TRUE(list_.FailedPositions().empty());
    EXPECT_GE(list_.RowOfPosition(656), 0);
    EXPECT_EQ(list_.RowOfPosition(657), -1);
}

TEST_F(RecordListTest, LoadReplacesThePreviousContent) {
    Write({Person("A", "A", kSelf, testsupport::kSavedAt), Person("B", "B", kSelf, testsupport::kSavedAt)});
    ASSERT_EQ(list_.Load(path_, true, true), StoreResult<int>(0));
    Write({Person("C", "C", kSelf, testsupport::kSavedAt)});
    ASSERT_EQ(list_.Load(path_, true, true), StoreResult<int>(0));
    ASSERT_EQ(list_.RowCount(), 1);
    EXPECT_EQ(list_.Row(0).firstName, "C");
}

TEST_F(RecordListTest, FileInUseIsReported) {
    Write({Person("A", "A", kSelf, testsupport::kSavedAt)});
    RecordFile holder;
    ASSERT_TRUE(holder.Open(path_, true).Ok());
    EXPECT_EQ(list_.Load(path_, true, true), StoreError::SharingViolation);
}

}  // namespace
}  // namespace orva
