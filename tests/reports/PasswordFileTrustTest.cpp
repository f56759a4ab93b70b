// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "reports/PasswordFileTrust.h"
#include "store/StoreError.h"

namespace orva {
namespace {

// A file system that only answers who owns what and who may write it.
class FactsOnly final : public FileSystem {
  public:
    std::map<std::string, FileFacts> facts;
    FileFacts opened;

    StoreResult<FileFacts> Facts(Handle) override { return opened; }
    StoreResult<FileFacts> Facts(const std::string& path) override {
        const auto found = facts.find(path);
        if (found == facts.end()) return StoreError::FileNotFound;
        return found->second;
    }
    StoreResult<Handle> Open(const std::string&, OpenMode, unsigned) override {
        return StoreError::OtherFileError;
    }
    StoreStatus LockExclusive(Handle) override { return StoreError::OtherFileError; }
    StoreResult<long long> Size(Handle) override { return StoreError::OtherFileError; }
    StoreResult<long long> ReadAt(Handle, long long, void*, std::size_t) override {
        return StoreError::OtherFileError;
    }
    StoreStatus WriteAt(Handle, long long, const void*, std::size_t) override {
        return StoreError::OtherFileError;
    }
    StoreStatus Truncate(Handle, long long) override { return StoreError::OtherFileError; }
    StoreStatus Sync(Handle) override { return StoreError::OtherFileError; }
    StoreStatus Close(Handle) override { return StoreError::OtherFileError; }
    StoreStatus Remove(const std::string&) override { return StoreError::OtherFileError; }
    StoreStatus SyncDirectoryOf(const std::string&) override { return StoreError::OtherFileError; }
};

FileFacts RootFolder() {
    FileFacts folder;
    folder.folder = true;
    folder.ownedByAdministrator = true;
    return folder;
}

const std::string kFile = "/etc/orva/export-passwords";

class PasswordFileTrust : public ::testing::Test {
  protected:
    void SetUp() override {
        fs_.opened.regularFile = true;
        fs_.opened.ownedByAdministrator = true;
        fs_.facts[kFile] = fs_.opened;
        for (const char* folder : {"/etc/orva", "/etc", "/"}) fs_.facts[folder] = RootFolder();
    }

    std::string FirstUntrusted(bool developersOwn = false) {
        return FirstUntrustedOfPasswordFile(fs_, 3, kFile, "/etc/orva", developersOwn);
    }

    FactsOnly fs_;
};

TEST_F(PasswordFileTrust, AFileAndFoldersOnlyTheAdministratorCanChangeAreTrusted) {
    EXPECT_EQ(FirstUntrusted(), "");
}

TEST_F(PasswordFileTrust, AFileOthersCanChangeOrDoNotOwnIsNot) {
    fs_.opened.othersMayWrite = true;  // group-writable
    EXPECT_EQ(FirstUntrusted(), kFile);
    fs_.opened.othersMayWrite = false;
    fs_.opened.ownedByAdministrator = false;  // an ordinary user's
    EXPECT_EQ(FirstUntrusted(), kFile);
    fs_.opened.ownedByCurrentUser = true;  // the developer's, for a folder named for development only
    EXPECT_EQ(FirstUntrusted(), kFile);
    EXPECT_EQ(FirstUntrusted(true), "");
    fs_.opened.regularFile = false;
    EXPECT_EQ(FirstUntrusted(true), kFile);
}

TEST_F(PasswordFileTrust, ALinkIsNotTrustedWhateverItReaches) {
    fs_.facts[kFile].symbolicLink = true;
    EXPECT_EQ(FirstUntrusted(), kFile);
}

TEST_F(PasswordFileTrust, EveryFolderAboveMustBeTheAdministratorsAlone) {
    fs_.facts["/etc/orva"].othersMayWrite = true;
    EXPECT_EQ(FirstUntrusted(), "/etc/orva");
    fs_.facts["/etc/orva"].othersMayWrite = false;
    fs_.facts["/etc"].othersMayWrite = true;
    EXPECT_EQ(FirstUntrusted(), "/etc");
    fs_.facts["/etc"].othersMayWrite = false;
    fs_.facts["/"].ownedByAdministrator = false;
#ifdef _WIN32
    // Every user may make folders in the program-data folder: Windows checks the file's own
    // folder and the maker's folder, not those above them.
    EXPECT_EQ(FirstUntrusted(), "");
#else
    EXPECT_EQ(FirstUntrusted(), "/");
#endif
}

// Others may add names to a sticky folder but not take away or replace anyone else's: above
// the file's own folder that leaves the file alone; as the file's own folder it does not, as
// anyone could put the file there before the administrator does.
TEST_F(PasswordFileTrust, ASharedStickyFolderIsTrustedOnlyAboveTheFilesOwn) {
    fs_.facts["/etc"].othersMayWrite = true;
    fs_.facts["/etc"].everyoneMayWrite = true;
    fs_.facts["/etc"].othersOnlyAddNames = true;
    EXPECT_EQ(FirstUntrusted(), "");
    fs_.facts["/etc/orva"] = fs_.facts["/etc"];
    EXPECT_EQ(FirstUntrusted(), "/etc/orva");
}

TEST_F(PasswordFileTrust, WhatCannotBeToldIsNotTrusted) {
    fs_.facts.erase("/etc");
    EXPECT_EQ(FirstUntrusted(), "/etc");
    fs_.facts.erase(kFile);
    EXPECT_EQ(FirstUntrusted(), kFile);
}

}  // namespace
}  // namespace orva
