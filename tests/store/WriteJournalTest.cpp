#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "store/FileSystem.h"
#include "store/RecordFile.h"
#include "store/RecordList.h"
#include "store/RecordStore.h"
#include "store/StoreResult.h"
#include "store/StoreTestSupport.h"
#include "store/WriteJournal.h"

namespace orva {
namespace {

using test::Bytes;
using test::FileExists;
using test::FileOfSamples;
using test::ReadAll;
using test::SampleRecord;
using test::TempFolder;
using test::WriteAll;

// The machine's file system until `budget` bytes have been written; from then on the process
// is as good as dead: nothing more reaches the disk (a write that crosses the budget is cut
// there), and every later write, truncate, sync or removal fails. What is left on the disk is
// what a kill at that moment would leave.
class DyingFileSystem final : public FileSystem {
  public:
    explicit DyingFileSystem(long long budget = kUnlimited) : budget_(budget) {}

    bool Died() const { return dead_; }
    // Budgets worth stopping at: before each step, one byte into each write and halfway.
    const std::vector<long long>& StopPoints() const { return stops_; }
    void DenyWriteAccess() { denyWrite_ = true; }

    int Open(const std::string& path, OpenMode mode, unsigned permissions, Handle& handle, bool& created) override {
        if (denyWrite_ && mode != OpenMode::ReadOnly) return kAccessDenied;
        if (dead_ && mode != OpenMode::ReadOnly) return kHardwareError;
        return inner_.Open(path, mode, permissions, handle, created);
    }
    int LockExclusive(Handle handle) override { return inner_.LockExclusive(handle); }
    long long Size(Handle handle) override { return inner_.Size(handle); }
    long long ReadAt(Handle handle, long long offset, void* buffer, std::size_t size) override {
        return inner_.ReadAt(handle, offset, buffer, size);
    }
    int WriteAt(Handle handle, long long offset, const void* data, std::size_t size) override {
        if (dead_) return kHardwareError;
        NoteStops(static_cast<long long>(size));
        if (static_cast<long long>(size) > budget_) {
            if (budget_ > 0) inner_.WriteAt(handle, offset, data, static_cast<std::size_t>(budget_));
            budget_ = 0;
            dead_ = true;
            return kHardwareError;
        }
        budget_ -= static_cast<long long>(size);
        return inner_.WriteAt(handle, offset, data, size);
    }
    int Truncate(Handle handle, long long length) override {
        return Mutation() ? inner_.Truncate(handle, length) : kHardwareError;
    }
    int Sync(Handle handle) override { return Mutation() ? inner_.Sync(handle) : kHardwareError; }
    int Close(Handle handle) override { return inner_.Close(handle); }
    int Remove(const std::string& path) override { return Mutation() ? inner_.Remove(path) : kHardwareError; }
    int SyncDirectoryOf(const std::string& path) override {
        return Mutation() ? inner_.SyncDirectoryOf(path) : kHardwareError;
    }

  private:
    // Steps that change nothing but the disk's state count as one byte each, so that a death
    // can fall between any two steps of a change.
    bool Mutation() {
        if (dead_) return false;
        NoteStops(1);
        if (budget_ == 0) {
            dead_ = true;
            return false;
        }
        --budget_;
        return true;
    }

    void NoteStops(long long size) {
        const long long spent = kUnlimited - budget_;
        stops_.push_back(spent);
        if (size > 1) {
            stops_.push_back(spent + 1);
            stops_.push_back(spent + size / 2);
        }
    }

    static constexpr long long kUnlimited = 1LL << 40;
    FileSystem& inner_ = DefaultFileSystem();
    long long budget_;
    std::vector<long long> stops_;
    bool dead_ = false;
    bool denyWrite_ = false;
};

class WriteJournalTest : public ::testing::Test {
  protected:
    // The records of a file as the next user of the machine's file system reads them.
    std::vector<std::string> RecordsOnDisk() {
        std::vector<std::string> names;
        RecordStore().ForEach(path_, true, [&names](long long, int code, const AssessmentRecord& record) {
            names.push_back(code == 0 ? record.GetFirstName() : "damaged");
            return true;
        });
        return names;
    }

    FixedClock clock_{{2024, 6, 1, 8, 5, 9}};
    TempFolder dir_;
    RecordFilePath path_{dir_.Path("clinic")};
};

TEST_F(WriteJournalTest, RecoveryPutsBackEveryRegionAndTheLength) {
    const Bytes before = FileOfSamples(3);
    WriteAll(path_.OnDisk(), before);
    FileSystem& fs = DefaultFileSystem();
    ASSERT_EQ(WriteJournal::Begin(fs, path_.OnDisk(), static_cast<long long>(before.size()), false,
                                  {{0, Bytes(before.begin(), before.begin() + 243)},
                                   {500, Bytes(before.begin() + 500, before.begin() + 600)}}),
              kStoreOk);
    Bytes changed = before;
    std::fill(changed.begin(), changed.begin() + 700, 0x55);
    changed.resize(changed.size() + 4000, 0x66);
    WriteAll(path_.OnDisk(), changed);

    FileSystem::Handle handle = -1;
    bool created = false;
    ASSERT_EQ(fs.Open(path_.OnDisk(), OpenMode::ReadWrite, 0, handle, created), kStoreOk);
    WriteJournal::Recovery what{};
    EXPECT_EQ(WriteJournal::Recover(fs, path_.OnDisk(), handle, what), kStoreOk);
    fs.Close(handle);
    EXPECT_EQ(what, WriteJournal::Recovery::RolledBack);
    Bytes expected = changed;
    expected.resize(before.size());
    std::copy(before.begin(), before.begin() + 243, expected.begin());
    std::copy(before.begin() + 500, before.begin() + 600, expected.begin() + 500);
    EXPECT_EQ(ReadAll(path_.OnDisk()), expected);
    EXPECT_FALSE(FileExists(WriteJournal::PathFor(path_.OnDisk())));
}

TEST_F(WriteJournalTest, AJournalCutShortIsDroppedAndTheFileLeftAlone) {
    const Bytes before = FileOfSamples(2);
    WriteAll(path_.OnDisk(), before);
    ASSERT_EQ(WriteJournal::Begin(DefaultFileSystem(), path_.OnDisk(), 99, false, {{0, Bytes(243, 0)}}), kStoreOk);
    Bytes journal = ReadAll(WriteJournal::PathFor(path_.OnDisk()));
    journal.pop_back();
    WriteAll(WriteJournal::PathFor(path_.OnDisk()), journal);

    EXPECT_EQ(RecordsOnDisk().size(), 2u);
    EXPECT_EQ(ReadAll(path_.OnDisk()), before);
    EXPECT_FALSE(FileExists(WriteJournal::PathFor(path_.OnDisk())));
}

// A change stopped after every possible number of bytes leaves, for whoever opens the file
// next, either the old file or the whole change, and never a file that cannot be opened.
enum class Change { AppendToFile, AppendToNewFile, AppendOverPartialTail, Replace };

std::string ChangeName(Change change) {
    switch (change) {
        case Change::AppendToFile:
            return "AppendToFile";
        case Change::AppendToNewFile:
            return "AppendToNewFile";
        case Change::AppendOverPartialTail:
            return "AppendOverPartialTail";
        case Change::Replace:
            return "Replace";
    }
    return "Unknown";
}

class StoppedChange : public WriteJournalTest, public ::testing::WithParamInterface<Change> {
  protected:
    Bytes Prepare() {
        Bytes bytes;
        switch (GetParam()) {
            case Change::AppendToNewFile:
                return bytes;
            case Change::AppendOverPartialTail:
                bytes = FileOfSamples(3);
                bytes.resize(bytes.size() + 1000, 0x41);
                break;
            default:
                bytes = FileOfSamples(3);
        }
        WriteAll(path_.OnDisk(), bytes);
        return bytes;
    }

    int Run(FileSystem& fs) {
        RecordStore store(fs, clock_);
        if (GetParam() == Change::Replace) {
            AssessmentRecord expected;
            RecordStore().Read(path_, 1, expected);
            AssessmentRecord replacement = SampleRecord(90);
            return store.Replace(path_, 1, expected, replacement);
        }
        std::vector<AssessmentRecord> records = {SampleRecord(91), SampleRecord(92)};
        return store.Append(path_, records).code;
    }
};

TEST_P(StoppedChange, LeavesTheOldFileOrTheWholeChange) {
    // The whole change once, to know what "done" reads as and how many bytes it writes.
    const Bytes before = Prepare();
    const std::vector<std::string> old = RecordsOnDisk();
    DyingFileSystem counting;
    ASSERT_EQ(Run(counting), kStoreOk);
    const std::vector<std::string> done = RecordsOnDisk();
    ASSERT_NE(done, old);

    int oldSeen = 0;
    int doneSeen = 0;
    for (const long long budget : counting.StopPoints()) {
        std::filesystem::remove(path_.OnDisk());
        std::filesystem::remove(WriteJournal::PathFor(path_.OnDisk()));
        if (!before.empty() || GetParam() != Change::AppendToNewFile) WriteAll(path_.OnDisk(), before);
        DyingFileSystem dying(budget);
        const int result = Run(dying);
        const std::vector<std::string> after = GetParam() == Change::AppendToNewFile && !FileExists(path_.OnDisk())
                                                   ? std::vector<std::string>{}
                                                   : RecordsOnDisk();
        // A change reported as failed changed nothing; one reported as done is there whole.
        if (result == kStoreOk) {
            ASSERT_EQ(after, done) << "stopped after " << budget << " bytes";
            ++doneSeen;
        } else if (after == old) {
            ++oldSeen;
            if (GetParam() != Change::AppendToNewFile) {
                EXPECT_EQ(ReadAll(path_.OnDisk()), before) << "stopped after " << budget;
            }
        } else {
            ADD_FAILURE() << "stopped after " << budget << " bytes: reported as failed, but the file changed";
        }
        EXPECT_FALSE(FileExists(WriteJournal::PathFor(path_.OnDisk()))) << "stopped after " << budget;
        EXPECT_TRUE(dying.Died()) << "stopped after " << budget;
    }
    EXPECT_GT(oldSeen, 10);
    EXPECT_GE(doneSeen, 1);
}

INSTANTIATE_TEST_SUITE_P(Changes, StoppedChange,
                         ::testing::Values(Change::AppendToFile, Change::AppendToNewFile, Change::AppendOverPartialTail,
                                           Change::Replace),
                         [](const auto& info) { return ChangeName(info.param); });

TEST_F(WriteJournalTest, AReaderWithoutWriteAccessDoesNotShowAnUnfinishedChange) {
    WriteAll(path_.OnDisk(), FileOfSamples(2));
    ASSERT_EQ(WriteJournal::Begin(DefaultFileSystem(), path_.OnDisk(), 2430, false, {}), kStoreOk);
    DyingFileSystem readOnly;
    readOnly.DenyWriteAccess();
    RecordList list;
    EXPECT_EQ(RecordStore(readOnly).List(path_, true, false, list), kUnfinishedChange);
    EXPECT_TRUE(FileExists(WriteJournal::PathFor(path_.OnDisk())));
    // The next reader who may write settles it.
    EXPECT_EQ(RecordsOnDisk().size(), 1u);
}

TEST_F(WriteJournalTest, APartialRecordAtTheEndIsOneDamagedRecordAndTheNextAppendCutsItOff) {
    Bytes bytes = FileOfSamples(3);
    bytes.resize(bytes.size() + 1000, 0x41);
    WriteAll(path_.OnDisk(), bytes);

    RecordList list;
    EXPECT_EQ(RecordStore().List(path_, true, false, list), 1);
    EXPECT_EQ(list.RowCount(), 3);
    EXPECT_EQ(list.FailedPositions(), std::vector<long long>({3}));
    FileCheck check;
    ASSERT_EQ(RecordStore().Check(path_, check), kStoreOk);
    EXPECT_TRUE(check.partialTail);
    EXPECT_EQ(check.records, 4);
    ASSERT_EQ(check.damaged.size(), 1u);
    EXPECT_EQ(check.damaged[0], std::make_pair(3LL, static_cast<int>(kIncompleteRecord)));

    std::vector<AssessmentRecord> records = {SampleRecord(7)};
    const AppendOutcome appended = RecordStore(DefaultFileSystem(), clock_).Append(path_, records);
    ASSERT_EQ(appended.code, kStoreOk);
    EXPECT_EQ(appended.firstPosition, 3);
    EXPECT_EQ(static_cast<long long>(ReadAll(path_.OnDisk()).size()), RecordOffset(4));
    ASSERT_EQ(RecordStore().Check(path_, check), kStoreOk);
    EXPECT_TRUE(check.damaged.empty());
    EXPECT_FALSE(check.partialTail);
}

}  // namespace
}  // namespace orva
