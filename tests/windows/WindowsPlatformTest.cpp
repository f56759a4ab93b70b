// SPDX-License-Identifier: Apache-2.0
// The Windows platform code, run under Wine on Linux and natively on Windows: exclusive file
// access by share mode 0, the error mapping, the record file over the real Windows file system,
// and the settings kept in the registry.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <iterator>
#include <string>

#include "model/AssessmentRecord.h"
#include "model/Clock.h"
#include "settings/RegistrySettingsStore.h"
#include "store/FileSystem.h"
#include "store/RecordCodec.h"
#include "store/RecordFile.h"
#include "store/StoreError.h"
#include "store/WindowsFileSystem.h"
#include "support/RecordBuilder.h"
#include "support/TempFolder.h"

namespace orva {
namespace {

using testsupport::TempFolder;

AssessmentRecord SampleRecord() {
    testsupport::RecordBuilder record(kTeacher);
    record.Names("Ren\xE9", "Windows").Born(2012, 4, 5).Completed(2024, 3, 1).Gender('M');
    for (int item = 1; item <= kItemCount; ++item) record.Answers({{item, item % 6}});
    return record;
}

TEST(WindowsFileSystem, ASecondOpenerOfAnOpenFileGetsASharingViolation) {
    TempFolder folder;
    WindowsFileSystem fs;
    FileSystem::Handle first = -1;
    bool created = false;
    ASSERT_EQ(fs.Open(folder.Path("held.rpc"), OpenMode::CreateNew, kRecordFilePermissions, first, created), 0);
    EXPECT_TRUE(created);
    ASSERT_EQ(fs.Close(first), 0);
    ASSERT_EQ(fs.Open(folder.Path("held.rpc"), OpenMode::ReadWrite, kRecordFilePermissions, first, created), 0);
    EXPECT_FALSE(created);
    EXPECT_EQ(fs.LockExclusive(first), 0);

    FileSystem::Handle second = -1;
    EXPECT_EQ(fs.Open(folder.Path("held.rpc"), OpenMode::ReadOnly, 0, second, created), Code(StoreError::SharingViolation));
    EXPECT_EQ(fs.Open(folder.Path("held.rpc"), OpenMode::ReadWrite, 0, second, created), Code(StoreError::SharingViolation));
    ASSERT_EQ(fs.Close(first), 0);
    EXPECT_EQ(fs.Open(folder.Path("held.rpc"), OpenMode::ReadOnly, 0, second, created), 0);
    EXPECT_FALSE(created);
    EXPECT_EQ(fs.Close(second), 0);
}

TEST(WindowsFileSystem, WritesReadsTruncatesAndRemoves) {
    TempFolder folder;
    WindowsFileSystem fs;
    FileSystem::Handle handle = -1;
    bool created = false;
    const std::string path = folder.Path("data.bin");
    ASSERT_EQ(fs.Open(path, OpenMode::CreateNew, kRecordFilePermissions, handle, created), 0);
    ASSERT_EQ(fs.Close(handle), 0);
    ASSERT_EQ(fs.Open(path, OpenMode::ReadWrite, kRecordFilePermissions, handle, created), 0);
    const std::string bytes = "0123456789";
    ASSERT_EQ(fs.WriteAt(handle, 0, bytes.data(), bytes.size()), 0);
    ASSERT_EQ(fs.WriteAt(handle, 10, "ab", 2), 0);
    EXPECT_EQ(fs.Size(handle), 12);
    std::array<char, 4> read{};
    EXPECT_EQ(fs.ReadAt(handle, 8, read.data(), read.size()), 4);
    EXPECT_EQ(std::string(read.data(), 4), "89ab");
    EXPECT_EQ(fs.ReadAt(handle, 11, read.data(), read.size()), 1);  // short only at the end
    ASSERT_EQ(fs.Truncate(handle, 5), 0);
    EXPECT_EQ(fs.Size(handle), 5);
    EXPECT_EQ(fs.Sync(handle), 0);
    ASSERT_EQ(fs.Close(handle), 0);
    EXPECT_EQ(fs.Remove(path), 0);
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(WindowsFileSystem, OpenFailuresGiveTheirCauses) {
    TempFolder folder;
    WindowsFileSystem fs;
    FileSystem::Handle handle = -1;
    bool created = false;
    EXPECT_EQ(fs.Open(folder.Path("missing.rpc"), OpenMode::ReadOnly, 0, handle, created), Code(StoreError::FileNotFound));
    EXPECT_EQ(fs.Open(folder.Path("no-such-folder\\x.rpc"), OpenMode::CreateNew, kRecordFilePermissions,
                      handle, created),
              Code(StoreError::BadPath));
    ASSERT_EQ(fs.Open(folder.Path("once.csv"), OpenMode::CreateNew, kReportFilePermissions, handle, created), 0);
    ASSERT_EQ(fs.Close(handle), 0);
    EXPECT_EQ(fs.Open(folder.Path("once.csv"), OpenMode::CreateNew, kReportFilePermissions, handle, created),
              Code(StoreError::FileExists));
}

TEST(WindowsFileSystem, ErrorCodesMapToThePlatformCauses) {
    EXPECT_EQ(CauseFromWindowsError(ERROR_FILE_NOT_FOUND), Code(StoreError::FileNotFound));
    EXPECT_EQ(CauseFromWindowsError(ERROR_PATH_NOT_FOUND), Code(StoreError::BadPath));
    EXPECT_EQ(CauseFromWindowsError(ERROR_TOO_MANY_OPEN_FILES), Code(StoreError::TooManyOpenFiles));
    EXPECT_EQ(CauseFromWindowsError(ERROR_ACCESS_DENIED), Code(StoreError::AccessDenied));
    EXPECT_EQ(CauseFromWindowsError(ERROR_INVALID_HANDLE), Code(StoreError::InvalidFile));
    EXPECT_EQ(CauseFromWindowsError(ERROR_SHARING_VIOLATION), Code(StoreError::SharingViolation));
    EXPECT_EQ(CauseFromWindowsError(ERROR_LOCK_VIOLATION), Code(StoreError::LockViolation));
    EXPECT_EQ(CauseFromWindowsError(ERROR_DISK_FULL), Code(StoreError::DiskFull));
    EXPECT_EQ(CauseFromWindowsError(ERROR_HANDLE_EOF), Code(StoreError::EndOfFile));
    EXPECT_EQ(CauseFromWindowsError(ERROR_FILE_EXISTS), Code(StoreError::FileExists));
}

TEST(WindowsRecordFile, AppendsAndReadsBackARecordAndRefusesASecondOpener) {
    TempFolder folder;
    const std::string path = folder.Path("clinic.rpc");
    AssessmentRecord record = SampleRecord();
    const StoredRecord stored = EncodeForStorage(record, SystemClock::Instance());
    const RecordFile::AppendPlan plan{false, [&stored](const std::vector<StoredRecord>&) {
                                          return std::vector<StoredRecord>{stored};
                                      }};
    const RecordFile::AppendResult first = RecordFile().AppendRecords(path, plan);
    ASSERT_EQ(first.code, 0);
    EXPECT_EQ(first.firstPosition, 0);
    const RecordFile::AppendResult second = RecordFile().AppendRecords(path, plan);
    ASSERT_EQ(second.code, 0);
    EXPECT_EQ(second.firstPosition, 1);

    StoredRecord back{};
    EXPECT_EQ(RecordFile().ReadRecordAt(path, 1, back), static_cast<int>(kStoredRecordSize));
    EXPECT_EQ(back, stored);

    RecordFile holder;
    ASSERT_GE(holder.Open(path, true), 0);
    EXPECT_EQ(RecordFile().ReadRecordAt(path, 0, back), Code(StoreError::SharingViolation));
    holder.Close();
    EXPECT_EQ(RecordFile().ReadRecordAt(path, 2, back), Code(StoreError::PositionBeyondEnd));
}

// Under a key of its own below HKEY_CURRENT_USER, removed afterwards.
class RegistrySettings : public ::testing::Test {
  protected:
    const std::wstring key_ = L"Software\\Kelbrin\\ORVA-Test-" + std::to_wstring(::GetCurrentProcessId());
    void TearDown() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, key_.c_str()); }
};

TEST_F(RegistrySettings, WritesEveryValueAndReadsThemBackAsWindows1252) {
    RegistrySettingsStore store(HKEY_CURRENT_USER, key_);
    EXPECT_TRUE(store.Read({"ORVAFileName"}).empty());  // no key yet
    ASSERT_TRUE(store.Write({{"ORVAFileName", "C:\\Clinic\\Ren\xE9"}, {"EditMethod", "1"}, {"ViewAnalysis", ""}}));
    const auto values = store.Read({"ORVAFileName", "EditMethod", "ViewAnalysis", "ExportFileName"});
    ASSERT_EQ(values.size(), 3u);
    EXPECT_EQ(values.at("ORVAFileName"), "C:\\Clinic\\Ren\xE9");
    EXPECT_EQ(values.at("EditMethod"), "1");
    EXPECT_EQ(values.at("ViewAnalysis"), "");
}

TEST_F(RegistrySettings, LeavesOutValuesThatAreNotTextOrNotWindows1252) {
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, key_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const DWORD number = 1;
    ::RegSetValueExW(key, L"EditMethod", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    const std::wstring greek = L"\x03A9mega";
    ::RegSetValueExW(key, L"ORVAFileName", 0, REG_SZ, reinterpret_cast<const BYTE*>(greek.c_str()),
                     static_cast<DWORD>((greek.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(key);
    EXPECT_TRUE(RegistrySettingsStore(HKEY_CURRENT_USER, key_).Read({"EditMethod", "ORVAFileName"}).empty());
}

// The program's settings are the user's own, under HKEY_CURRENT_USER, which every user may
// write (and other users cannot read).
TEST(RegistrySettingsOfTheUser, TheProgramsStoreRoundTripsUnderTheUsersKey) {
    const std::unique_ptr<SettingsStore> store = RegistrySettingsStore::ForThisUser();
    const auto before = store->Read({"AlsoViewRelatedAnalysis"});
    ASSERT_TRUE(store->Write({{"AlsoViewRelatedAnalysis", "T"}}));
    EXPECT_EQ(RegistrySettingsStore(HKEY_CURRENT_USER, L"SOFTWARE\\Kelbrin\\ORVA")
                  .Read({"AlsoViewRelatedAnalysis"})
                  .at("AlsoViewRelatedAnalysis"),
              "T");
    if (!before.empty()) store->Write({{"AlsoViewRelatedAnalysis", before.at("AlsoViewRelatedAnalysis")}});
}

// Whatever name reaches a file leads to the file itself, and the same file tells the same
// identity through every handle.
TEST(WindowsFileSystem, ResolvesNamesAndTellsAFilesIdentity) {
    TempFolder folder;
    WindowsFileSystem fs;
    const std::string path = folder.Path("clinic.rpc");
    FileSystem::Handle handle = -1;
    bool created = false;
    ASSERT_EQ(fs.Open(path, OpenMode::CreateNew, kRecordFilePermissions, handle, created), 0);
    FileFacts first;
    ASSERT_EQ(fs.Facts(handle, first), 0);
    ASSERT_EQ(fs.Close(handle), 0);
    FileFacts again;
    ASSERT_EQ(fs.Facts(path, again), 0);
    EXPECT_EQ(again.identity, first.identity);
    EXPECT_NE(first.identity.file, 0u);

    std::string resolved;
    ASSERT_EQ(fs.ResolvePath(path, resolved), 0);
    EXPECT_EQ(std::filesystem::path(resolved).filename(), "clinic.rpc");
    ASSERT_EQ(fs.ResolvePath(folder.Path("missing.rpc"), resolved), 0);
    EXPECT_EQ(std::filesystem::path(resolved).filename(), "missing.rpc");
}

// A temporary file takes its name only when published: over an existing file only when asked.
TEST(WindowsFileSystem, ATemporaryFileTakesItsNameWholeAndReplacesOnlyWhenAsked) {
    TempFolder folder;
    WindowsFileSystem fs;
    const std::string path = folder.Path("report.csv");
    TemporaryFile file;
    ASSERT_EQ(fs.CreateTemporary(path, kReportFilePermissions, file), 0);
    ASSERT_EQ(fs.WriteAt(file.handle, 0, "new", 3), 0);
    ASSERT_EQ(fs.Sync(file.handle), 0);
    ASSERT_EQ(fs.Publish(file, path, false), 0);
    EXPECT_TRUE(std::filesystem::exists(path));

    ASSERT_EQ(fs.CreateTemporary(path, kReportFilePermissions, file), 0);
    ASSERT_EQ(fs.WriteAt(file.handle, 0, "newer", 5), 0);
    EXPECT_EQ(fs.Publish(file, path, false), Code(StoreError::FileExists));
    EXPECT_EQ(std::filesystem::file_size(path), 3u);
    ASSERT_EQ(fs.Publish(file, path, true), 0);
    EXPECT_EQ(std::filesystem::file_size(path), 5u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), std::filesystem::directory_iterator()),
              1);
}

}  // namespace
}  // namespace orva
