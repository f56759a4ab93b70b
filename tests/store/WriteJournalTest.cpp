// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "store/FileSystem.h"
#include "store/PosixFileSystem.h"
#include "store/RecordFile.h"
#include "store/RecordList.h"
#include "store/RecordStore.h"
#include "store/StoreError.h"
#include "store/support/StoreTestSupport.h"
#include "store/UnmatchedJournal.h"
#include "store/WriteJournal.h"
#include "support/JournalSettling.h"
#include "support/StoppingFileSystem.h"

namespace orva {
namespace {

using testsupport::Bytes;
using testsupport::FileExists;
using testsupport::FileOfSamples;
using testsupport::ReadAll;
using testsupport::SampleRecord;
using testsupport::StoppingFileSystem;
using testsupport::TempFolder;
using testsupport::WriteAll;

// The journal an earlier version wrote: nothing in it named the file it belonged to.
Bytes EarlierVersionsJournal(long long oldLength, bool created) {
    Bytes bytes = {'O', 'R', 'V', 'A', 'J', 'R', 'N', '1'};
    for (int i = 0; i < 8; ++i) bytes.push_back(static_cast<unsigned char>(oldLength >> (8 * i)));
    bytes.push_back(created ? 1 : 0);
    bytes.insert(bytes.end(), {0, 0, 0, 0});
    std::uint32_t hash = 2166136261u;
    for (unsigned char byte : bytes) hash = (hash ^ byte) * 16777619u;
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<unsigned char>(hash >> (8 * i)));
    return bytes;
}

class WriteJournalTest : public ::testing::Test {
  protected:
    // The first names of a file's records as the next user of the machine's file system reads
    // them, "damaged" for a record that fails.
    static std::vector<std::string> RecordsIn(const std::string& path) {
        std::vector<std::string> names;
        // A file that cannot be read has no records to name.
        static_cast<void>(RecordStore().ForEach(
            RecordFilePath(path), true, [&names](long long, StoreStatus read, const AssessmentRecord& record) {
                names.push_back(read ? record.GetFirstName() : "damaged");
                return true;
            }));
        return names;
    }

    AppendOutcome AppendSample(const std::string& path, int seed, FileSystem& fs = DefaultFileSystem()) {
        std::vector<AssessmentRecord> records = {SampleRecord(seed)};
        return RecordStore(fs, clock_).Append(RecordFilePath(path), records);
    }

    // Appends two records through `path` and stops the writer half way through writing them:
    // the file is half-changed and its journal is left.
    void InterruptAppend(const std::string& path) {
        const std::string real = std::filesystem::canonical(path);
        const Bytes before = ReadAll(real);
        const auto run = [&](long long budget) {
            WriteAll(real, before);
            std::filesystem::remove(WriteJournal::PathFor(real));
            StoppingFileSystem stopping(DefaultFileSystem(), budget);
            std::vector<AssessmentRecord> records = {SampleRecord(91), SampleRecord(92)};
            RecordStore(stopping, clock_).Append(RecordFilePath(path), records);
            return stopping.StopPoints();
        };
        std::vector<long long> halfWay;
        for (const long long stop : run(StoppingFileSystem::kUnlimited)) {
            run(stop);
            if (FileExists(WriteJournal::PathFor(real)) && ReadAll(real).size() > before.size()) halfWay.push_back(stop);
        }
        ASSERT_FALSE(halfWay.empty()) << "no stop point leaves a half-made change";
        run(halfWay[halfWay.size() / 2]);
    }

    FixedClock clock_{{2024, 6, 1, 8, 5, 9}};
    TempFolder dir_;
    std::string path_ = dir_.Path("clinic.rpc");
    std::vector<UnmatchedJournal> told_;
    UnmatchedJournalListening listening_{[this](const UnmatchedJournal& journal) { told_.push_back(journal); }};
};

TEST_F(WriteJournalTest, AnInterruptedChangeIsReadAsItWasAndUndoneOnlyByTheNextWriter) {
    WriteAll(path_, FileOfSamples(3));
    const std::vector<std::string> old = RecordsIn(path_);
    InterruptAppend(path_);
    const Bytes halfMade = ReadAll(path_);

    // A command that only reads sees the file as it was and changes nothing.
    RecordList list;
    EXPECT_EQ(RecordStore().List(RecordFilePath(path_), true, false, list), StoreResult<int>(0));
    EXPECT_EQ(list.RowCount(), 3);
    const StoreResult<FileCheck> checked = RecordStore().Check(RecordFilePath(path_));
    ASSERT_TRUE(checked.Ok());
    const FileCheck& check = *checked;
    EXPECT_EQ(check.records, 3);
    EXPECT_TRUE(check.damaged.empty());
    EXPECT_FALSE(check.partialTail);
    EXPECT_EQ(RecordsIn(path_), old);
    EXPECT_EQ(ReadAll(path_), halfMade);
    EXPECT_TRUE(FileExists(WriteJournal::PathFor(path_)));

    // The next writer puts the file back before its own change.
    ASSERT_EQ(AppendSample(path_, 7).firstPosition, 3);
    std::vector<std::string> withNew = old;
    withNew.push_back(SampleRecord(7).GetFirstName());
    EXPECT_EQ(RecordsIn(path_), withNew);
    EXPECT_FALSE(FileExists(WriteJournal::PathFor(path_)));
    EXPECT_TRUE(told_.empty());
}

TEST_F(WriteJournalTest, AChangeThroughALinkIsJournaledBesideTheFileItself) {
    std::filesystem::create_directory(dir_.Path("shared"));
    const std::string real = dir_.Path("shared/clinic.rpc");
    WriteAll(real, FileOfSamples(3));
    std::filesystem::create_symlink(real, path_);
    InterruptAppend(path_);
    EXPECT_TRUE(FileExists(WriteJournal::PathFor(real)));
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(WriteJournal::PathFor(path_))));

    // A save through the real name finds the journal and puts the file back first; the link
    // then shows that save, which nothing undoes.
    ASSERT_TRUE(AppendSample(real, 7).status.Ok());
    const std::vector<std::string> expected = RecordsIn(real);
    ASSERT_EQ(expected.size(), 4u);
    EXPECT_EQ(expected.back(), SampleRecord(7).GetFirstName());
    EXPECT_EQ(AppendSample(path_, 8).firstPosition, 4);
    EXPECT_EQ(RecordsIn(path_).size(), 5u);
    EXPECT_TRUE(std::filesystem::is_symlink(path_));
    EXPECT_TRUE(told_.empty());
}

TEST_F(WriteJournalTest, ALinkToAFileNotMadeYetMakesItWhereTheLinkPoints) {
    std::filesystem::create_directory(dir_.Path("shared"));
    std::filesystem::create_symlink(dir_.Path("shared/clinic.rpc"), path_);
    ASSERT_EQ(AppendSample(path_, 1).firstPosition, 0);
    EXPECT_TRUE(std::filesystem::is_symlink(path_));
    EXPECT_EQ(RecordsIn(dir_.Path("shared/clinic.rpc")).size(), 1u);
}

// A second hard link leads to the same file under another name, so a journal beside one name
// is not found through the other. A save through the other name goes ahead; the journal then
// no longer matches the file and never undoes that save.
TEST_F(WriteJournalTest, AJournalLeftThroughASecondHardLinkNeverUndoesALaterSave) {
    const std::string second = dir_.Path("second.rpc");
    WriteAll(path_, FileOfSamples(3));
    std::filesystem::create_hard_link(path_, second);
    InterruptAppend(second);
    ASSERT_TRUE(AppendSample(path_, 7).status.Ok());
    const std::vector<std::string> saved = RecordsIn(path_);

    EXPECT_EQ(RecordsIn(second), saved);
    EXPECT_EQ(saved.back(), SampleRecord(7).GetFirstName());
    EXPECT_FALSE(FileExists(WriteJournal::PathFor(second)));
    EXPECT_TRUE(FileExists(WriteJournal::PathFor(second) + ".unmatched-1"));
    ASSERT_EQ(told_.size(), 1u);
    EXPECT_EQ(told_[0].keptAs, WriteJournal::PathFor(std::filesystem::canonical(second)) + ".unmatched-1");
}

// What may lie beside a sound file of five records that does not belong to it.
enum class Stray { BackupCopiedIn, BackupWrittenOver, OtherFilesJournal, DamagedJournal, EarlierCreated,
                   EarlierShorter, EarlierLonger };

std::string StrayName(Stray stray) {
    switch (stray) {
        case Stray::BackupCopiedIn:
            return "BackupCopiedIn";
        case Stray::BackupWrittenOver:
            return "BackupWrittenOver";
        case Stray::OtherFilesJournal:
            return "OtherFilesJournal";
        case Stray::DamagedJournal:
            return "DamagedJournal";
        case Stray::EarlierCreated:
            return "EarlierCreated";
        case Stray::EarlierShorter:
            return "EarlierShorter";
        case Stray::EarlierLonger:
            return "EarlierLonger";
    }
    return "Unknown";
}

class StrayJournal : public WriteJournalTest, public ::testing::WithParamInterface<Stray> {
  protected:
    // Leaves the file as five sound records with a journal beside it that is not theirs.
    void Prepare() {
        const Bytes backup = FileOfSamples(5);
        switch (GetParam()) {
            case Stray::BackupCopiedIn:
                WriteAll(path_, FileOfSamples(3));
                InterruptAppend(path_);
                std::filesystem::remove(path_);
                WriteAll(path_, backup);
                break;
            case Stray::BackupWrittenOver:
                WriteAll(path_, FileOfSamples(3));
                InterruptAppend(path_);
                WriteAll(path_, backup);
                break;
            case Stray::OtherFilesJournal: {
                const std::string other = dir_.Path("other.rpc");
                WriteAll(other, FileOfSamples(3));
                InterruptAppend(other);
                std::filesystem::copy_file(WriteJournal::PathFor(other), WriteJournal::PathFor(path_));
                WriteAll(path_, backup);
                break;
            }
            case Stray::DamagedJournal: {
                WriteAll(path_, FileOfSamples(3));
                InterruptAppend(path_);
                std::filesystem::remove(path_);
                WriteAll(path_, backup);
                Bytes journal = ReadAll(WriteJournal::PathFor(path_));
                journal[journal.size() / 2] ^= 0x01;
                WriteAll(WriteJournal::PathFor(path_), journal);
                break;
            }
            case Stray::EarlierCreated:
                WriteAll(path_, backup);
                WriteAll(WriteJournal::PathFor(path_), EarlierVersionsJournal(0, true));
                break;
            case Stray::EarlierShorter:
                WriteAll(path_, backup);
                WriteAll(WriteJournal::PathFor(path_), EarlierVersionsJournal(2430, false));
                break;
            case Stray::EarlierLonger:
                WriteAll(path_, backup);
                WriteAll(WriteJournal::PathFor(path_), EarlierVersionsJournal(243 + 9 * 2187, false));
                break;
        }
        ASSERT_EQ(ReadAll(path_), backup);
        told_.clear();
    }
};

TEST_P(StrayJournal, IsSetAsideUnappliedWhenTheFileIsRead) {
    Prepare();
    const Bytes sound = ReadAll(path_);
    const Bytes journal = ReadAll(WriteJournal::PathFor(path_));
    const StoreResult<FileCheck> checked = RecordStore().Check(RecordFilePath(path_));
    ASSERT_TRUE(checked.Ok());
    const FileCheck& check = *checked;
    EXPECT_EQ(check.records, 5);
    EXPECT_TRUE(check.damaged.empty());
    EXPECT_EQ(ReadAll(path_), sound);
    EXPECT_FALSE(FileExists(WriteJournal::PathFor(path_)));
    EXPECT_EQ(ReadAll(WriteJournal::PathFor(path_) + ".unmatched-1"), journal);
    ASSERT_EQ(told_.size(), 1u);
    EXPECT_EQ(told_[0].recordFile, std::filesystem::canonical(path_).string());
    EXPECT_EQ(told_[0].keptAs, WriteJournal::PathFor(told_[0].recordFile) + ".unmatched-1");
    // Told once: the journal is no longer where it would be found.
    RecordList list;
    EXPECT_EQ(RecordStore().List(RecordFilePath(path_), true, false, list), StoreResult<int>(0));
    EXPECT_EQ(list.RowCount(), 5);
    EXPECT_EQ(told_.size(), 1u);
}

TEST_P(StrayJournal, IsSetAsideUnappliedBeforeAWriterChangesTheFile) {
    Prepare();
    const Bytes sound = ReadAll(path_);
    ASSERT_EQ(AppendSample(path_, 7).firstPosition, 5);
    const Bytes after = ReadAll(path_);
    ASSERT_EQ(after.size(), sound.size() + 2187);
    EXPECT_TRUE(std::equal(sound.begin() + 243, sound.end(), after.begin() + 243));
    EXPECT_EQ(RecordsIn(path_).size(), 6u);
    EXPECT_TRUE(FileExists(WriteJournal::PathFor(path_) + ".unmatched-1"));
    EXPECT_EQ(told_.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Strays, StrayJournal,
                         ::testing::Values(Stray::BackupCopiedIn, Stray::BackupWrittenOver, Stray::OtherFilesJournal,
                                           Stray::DamagedJournal, Stray::EarlierCreated, Stray::EarlierShorter,
                                           Stray::EarlierLonger),
                         [](const auto& info) { return StrayName(info.param); });

TEST_F(WriteJournalTest, JournalsSetAsideKeepEachOther) {
    WriteAll(path_, FileOfSamples(2));
    WriteAll(WriteJournal::PathFor(path_), EarlierVersionsJournal(0, true));
    WriteAll(WriteJournal::PathFor(path_) + ".unmatched-1", {1, 2, 3});
    EXPECT_EQ(RecordsIn(path_).size(), 2u);
    EXPECT_EQ(ReadAll(WriteJournal::PathFor(path_) + ".unmatched-1"), (Bytes{1, 2, 3}));
    EXPECT_EQ(ReadAll(WriteJournal::PathFor(path_) + ".unmatched-2"), EarlierVersionsJournal(0, true));
}

TEST_F(WriteJournalTest, AReaderThatCannotReadTheJournalDoesNotShowTheFile) {
    WriteAll(path_, FileOfSamples(2));
    InterruptAppend(path_);
    if (::geteuid() == 0) GTEST_SKIP() << "an administrator reads every file";
    std::filesystem::permissions(WriteJournal::PathFor(path_), std::filesystem::perms::none);
    RecordList list;
    EXPECT_EQ(RecordStore().List(RecordFilePath(path_), true, false, list), StoreError::UnfinishedChange);
}

// A name that leaves no room for its journal's would make a file that could never be changed.
TEST_F(WriteJournalTest, ANameWithoutRoomForItsJournalIsRefusedBeforeAnythingIsMade) {
    const std::string longest = dir_.Path(std::string(WriteJournal::kLongestRecordFileName - 4, 'a') + ".rpc");
    const std::string tooLong = dir_.Path(std::string(WriteJournal::kLongestRecordFileName - 3, 'a') + ".rpc");
    EXPECT_TRUE(AppendSample(longest, 1).status.Ok());
    EXPECT_EQ(AppendSample(longest, 2).firstPosition, 1);
    EXPECT_EQ(AppendSample(tooLong, 1).status, StoreError::NameTooLong);
    EXPECT_FALSE(FileExists(tooLong));
    // One made by other means can still be read.
    WriteAll(tooLong, FileOfSamples(2));
    EXPECT_EQ(RecordsIn(tooLong).size(), 2u);
    EXPECT_EQ(AppendSample(tooLong, 1).status, StoreError::NameTooLong);
}

// A change stopped after every possible number of bytes or steps leaves, for whoever opens the
// file next, either the old file or the whole change, never a file that cannot be opened, and
// nothing else in its folder.
enum class Change { AppendToFile, AppendToEmptyFile, AppendToNewFile, AppendOverPartialTail, Replace };

std::string ChangeName(Change change) {
    switch (change) {
        case Change::AppendToFile:
            return "AppendToFile";
        case Change::AppendToEmptyFile:
            return "AppendToEmptyFile";
        case Change::AppendToNewFile:
            return "AppendToNewFile";
        case Change::AppendOverPartialTail:
            return "AppendOverPartialTail";
        case Change::Replace:
            return "Replace";
    }
    return "Unknown";
}

class StoppedChange : public WriteJournalTest,
                      public ::testing::WithParamInterface<std::tuple<Change, bool>> {
  protected:
    Change Kind() const { return std::get<0>(GetParam()); }
    // Whether the file system makes unnamed temporary files.
    bool Unnamed() const { return std::get<1>(GetParam()); }

    // The file as the change finds it, alone in its folder (a stop no handler sees may have
    // left a named temporary file beside it).
    void Prepare() {
        for (const auto& entry : std::filesystem::directory_iterator(dir_.Path())) std::filesystem::remove(entry.path());
        Bytes bytes = FileOfSamples(3);
        switch (Kind()) {
            case Change::AppendToNewFile:
                return;
            case Change::AppendToEmptyFile:
                bytes.clear();
                break;
            case Change::AppendOverPartialTail:
                bytes.resize(bytes.size() + 1000, 0x41);
                break;
            default:
                break;
        }
        WriteAll(path_, bytes);
    }

    StoreStatus Run(FileSystem& fs) {
        RecordStore store(fs, clock_);
        if (Kind() == Change::Replace) {
            const StoreResult<AssessmentRecord> expected = RecordStore().Read(RecordFilePath(path_), 1);
            if (!expected) return expected.Error();
            AssessmentRecord replacement = SampleRecord(90);
            return store.Replace(RecordFilePath(path_), 1, *expected, replacement);
        }
        std::vector<AssessmentRecord> records = {SampleRecord(91), SampleRecord(92)};
        return store.Append(RecordFilePath(path_), records).status;
    }
};

TEST_P(StoppedChange, LeavesTheOldFileOrTheWholeChange) {
    PosixFileSystem machine(Unnamed());
    Prepare();
    const bool hadFile = FileExists(path_);
    const Bytes before = ReadAll(path_);
    const std::vector<std::string> old = RecordsIn(path_);
    StoppingFileSystem counting(machine);
    ASSERT_TRUE(Run(counting).Ok());
    const std::vector<std::string> done = RecordsIn(path_);
    ASSERT_NE(done, old);

    int oldSeen = 0;
    int doneSeen = 0;
    for (const long long budget : counting.StopPoints()) {
        Prepare();
        StoppingFileSystem stopping(machine, budget);
        const StoreStatus result = Run(stopping);
        const std::vector<std::string> after = RecordsIn(path_);
        // A change reported as failed changed nothing; one reported as done is there whole.
        if (result) {
            ASSERT_EQ(after, done) << "stopped after " << budget;
            ++doneSeen;
        } else if (after == old) {
            ++oldSeen;
        } else {
            ADD_FAILURE() << "stopped after " << budget << ": reported as failed, but the file changed";
        }
        // The next writer leaves nothing of the stopped change behind.
        EXPECT_TRUE(testsupport::SettleAsTheNextWriter(path_).Ok()) << "stopped after " << budget;
        EXPECT_EQ(RecordsIn(path_), after) << "stopped after " << budget;
        if (after == old) {
            if (hadFile) {
                EXPECT_EQ(ReadAll(path_), before) << "stopped after " << budget;
            } else {
                EXPECT_FALSE(FileExists(path_)) << "stopped after " << budget;
            }
        }
        // A named temporary file is left only by a stop no handler sees (a kill).
        if (Unnamed() || !stopping.Stopped()) {
            const std::vector<std::string> expected =
                FileExists(path_) ? std::vector<std::string>{"clinic.rpc"} : std::vector<std::string>{};
            EXPECT_EQ(testsupport::FolderNames(dir_.Path()), expected) << "stopped after " << budget;
        }
    }
    EXPECT_GT(oldSeen, 5);
    EXPECT_GE(doneSeen, 1);
    EXPECT_TRUE(told_.empty());
}

INSTANTIATE_TEST_SUITE_P(Changes, StoppedChange,
                         ::testing::Combine(::testing::Values(Change::AppendToFile, Change::AppendToEmptyFile,
                                                              Change::AppendToNewFile,
                                                              Change::AppendOverPartialTail, Change::Replace),
                                            ::testing::Bool()),
                         [](const auto& info) {
                             return ChangeName(std::get<0>(info.param)) +
                                    (std::get<1>(info.param) ? "Unnamed" : "Named");
                         });

TEST_F(WriteJournalTest, APartialRecordAtTheEndIsOneDamagedRecordAndTheNextAppendCutsItOff) {
    Bytes bytes = FileOfSamples(3);
    bytes.resize(bytes.size() + 1000, 0x41);
    WriteAll(path_, bytes);
    const RecordFilePath path(path_);

    RecordList list;
    EXPECT_EQ(RecordStore().List(path, true, false, list), StoreResult<int>(1));
    EXPECT_EQ(list.RowCount(), 3);
    EXPECT_EQ(list.FailedPositions(), std::vector<long long>({3}));
    const StoreResult<FileCheck> checked = RecordStore().Check(path);
    ASSERT_TRUE(checked.Ok());
    const FileCheck& check = *checked;
    EXPECT_TRUE(check.partialTail);
    EXPECT_EQ(check.records, 4);
    ASSERT_EQ(check.damaged.size(), 1u);
    EXPECT_EQ(check.damaged[0], std::make_pair(3LL, StoreError::IncompleteRecord));

    const AppendOutcome appended = AppendSample(path_, 7);
    ASSERT_TRUE(appended.status.Ok());
    EXPECT_EQ(appended.firstPosition, 3);
    EXPECT_EQ(static_cast<long long>(ReadAll(path_).size()), RecordOffset(4));
    const StoreResult<FileCheck> after = RecordStore().Check(path);
    ASSERT_TRUE(after.Ok());
    EXPECT_TRUE(after->damaged.empty());
    EXPECT_FALSE(after->partialTail);
}

}  // namespace
}  // namespace orva
