// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

#include "reports/ExportPasswordCheck.h"
#include "reports/ExportPasswords.h"
#include "settings/DevelopmentOverride.h"
#include "reports/ReportsError.h"
#include "reports/support/ReportsTestSupport.h"
#include "store/StoreError.h"
#include "support/ForwardingFileSystem.h"

namespace orva {
namespace {

using testsupport::ReadFile;
using testsupport::WriteFile;

class ExportPasswordsTest : public ::testing::Test {
  protected:
    testsupport::TempFolder folder_;
    ExportPasswords passwords_{folder_.Path("settings")};
};

TEST_F(ExportPasswordsTest, MissingFileMeansNoPasswordAndNothingMatches) {
    EXPECT_TRUE(passwords_.Load().Ok());
    EXPECT_FALSE(passwords_.AnySet());
    EXPECT_FALSE(passwords_.Matches(""));
    EXPECT_FALSE(passwords_.Matches("secret"));
}

TEST_F(ExportPasswordsTest, SavedSlotsMatchExactlyAfterLoading) {
    ASSERT_TRUE(passwords_.Set(1, "first pass").Ok());
    ASSERT_TRUE(passwords_.Set(3, "third-pass!").Ok());
    ASSERT_TRUE(passwords_.Save().Ok());

    ExportPasswords loaded(folder_.Path("settings"));
    ASSERT_TRUE(loaded.Load().Ok());
    EXPECT_TRUE(loaded.IsSet(1));
    EXPECT_FALSE(loaded.IsSet(2));
    EXPECT_TRUE(loaded.IsSet(3));
    EXPECT_TRUE(loaded.Matches("first pass"));
    EXPECT_TRUE(loaded.Matches("third-pass!"));
    EXPECT_FALSE(loaded.Matches("first pass "));
    EXPECT_FALSE(loaded.Matches("First pass"));
    EXPECT_FALSE(loaded.Matches(""));
}

TEST_F(ExportPasswordsTest, FileHoldsOnlySaltedArgon2idHashesReadableByAll) {
    ASSERT_TRUE(passwords_.Set(2, "same pass").Ok());
    ASSERT_TRUE(passwords_.Save().Ok());
    const std::string first = ReadFile(passwords_.FilePath());
    EXPECT_EQ(first.find("same pass"), std::string::npos);
    EXPECT_NE(first.find("\n\n$argon2id$"), std::string::npos);
    if (testsupport::kPosixFileModes) {
        EXPECT_EQ(testsupport::FileMode(passwords_.FilePath()), 0644u);
    }

    ASSERT_TRUE(passwords_.Set(2, "same pass").Ok());
    ASSERT_TRUE(passwords_.Save().Ok());
    EXPECT_NE(ReadFile(passwords_.FilePath()), first);  // a new salt each time
}

TEST_F(ExportPasswordsTest, ClearingASlotStopsItMatching) {
    ASSERT_TRUE(passwords_.Set(1, "old password").Ok());
    ASSERT_TRUE(passwords_.Set(1, "").Ok());
    EXPECT_FALSE(passwords_.IsSet(1));
    EXPECT_FALSE(passwords_.Matches("old password"));
}

TEST_F(ExportPasswordsTest, FileOthersCouldChangeIsRefused) {
    if (!testsupport::kPosixFileModes) GTEST_SKIP() << "changed here by file mode; Windows decides by access list";
    ASSERT_TRUE(passwords_.Set(1, "pass word").Ok());
    ASSERT_TRUE(passwords_.Save().Ok());
    ASSERT_EQ(::chmod(passwords_.FilePath().c_str(), 0666), 0);
    ExportPasswords loaded(folder_.Path("settings"));
    EXPECT_EQ(loaded.Load(), ReportsError::PasswordFileUnsafe);
    EXPECT_FALSE(loaded.Matches("pass word"));

    ASSERT_EQ(::chmod(passwords_.FilePath().c_str(), 0664), 0);
    EXPECT_EQ(loaded.Load(), ReportsError::PasswordFileUnsafe);
    EXPECT_EQ(loaded.UntrustedPath(), passwords_.FilePath());

    // The folders: the file's own and every one above it.
    ASSERT_EQ(::chmod(passwords_.FilePath().c_str(), 0644), 0);
    for (unsigned mode : {0777u, 0775u}) {
        ASSERT_EQ(::chmod(folder_.Path("settings").c_str(), mode), 0);
        EXPECT_EQ(loaded.Load(), ReportsError::PasswordFileUnsafe) << std::oct << mode;
    }
    ASSERT_EQ(::chmod(folder_.Path("settings").c_str(), 0755), 0);
    ASSERT_EQ(::chmod(folder_.Path().c_str(), 0770), 0);
    EXPECT_EQ(loaded.Load(), ReportsError::PasswordFileUnsafe);
    EXPECT_EQ(loaded.UntrustedPath(), folder_.Path());
    ASSERT_EQ(::chmod(folder_.Path().c_str(), 0700), 0);
    EXPECT_TRUE(loaded.Load().Ok());
    EXPECT_TRUE(loaded.Matches("pass word"));
}

// Passwords reached through a link could be anyone's: the link is refused, and named as what
// must be put right.
TEST_F(ExportPasswordsTest, APasswordFileThatIsALinkIsRefused) {
    if (!testsupport::kPosixFileModes) GTEST_SKIP() << "links on Windows need privileges the tests do not have";
    ExportPasswords elsewhere(folder_.Path("elsewhere"));
    ASSERT_TRUE(elsewhere.Set(1, "pass word").Ok());
    ASSERT_TRUE(elsewhere.Save().Ok());
    std::filesystem::create_directory(folder_.Path("settings"));
    std::filesystem::create_symlink(elsewhere.FilePath(), passwords_.FilePath());
    EXPECT_EQ(passwords_.Load(), ReportsError::PasswordFileUnsafe);
    EXPECT_EQ(passwords_.UntrustedPath(), passwords_.FilePath());
    EXPECT_FALSE(passwords_.Matches("pass word"));
}

// A file system that can open and read files but cannot tell who may change them, make folders
// or rename files.
class FactlessFileSystem final : public testsupport::ForwardingFileSystem {
  public:
    StoreResult<FileFacts> Facts(Handle) override { return StoreError::OtherFileError; }
    using ForwardingFileSystem::Facts;
    StoreStatus CreateFolder(const std::string&) override { return StoreError::OtherFileError; }
    StoreStatus Rename(const std::string&, const std::string&, bool) override { return StoreError::OtherFileError; }
};

TEST_F(ExportPasswordsTest, FileWhoseOwnershipCannotBeToldIsRefused) {
    ASSERT_TRUE(passwords_.Set(1, "password").Ok());
    ASSERT_TRUE(passwords_.Save().Ok());
    FactlessFileSystem factless;
    ExportPasswords loaded(folder_.Path("settings"), factless);
    EXPECT_EQ(loaded.Load(), ReportsError::PasswordFileUnsafe);
    EXPECT_FALSE(loaded.Matches("password"));
    EXPECT_FALSE(loaded.Save().Ok());  // nor can it make the folder or put a new file in place
    ExportPasswords sound(folder_.Path("settings"));
    EXPECT_TRUE(sound.Load().Ok());
    EXPECT_TRUE(sound.Matches("password"));
}

TEST(ExportPasswordRule, RefusesWhatTheDialogCouldNeverReceive) {
    EXPECT_TRUE(ExportPasswords::CheckNew("lower case 123 !?").Ok());
    EXPECT_TRUE(ExportPasswords::CheckNew("").Ok());
    EXPECT_EQ(ExportPasswords::CheckNew("Secret word"), ReportsError::PasswordHasCapitals);
    EXPECT_EQ(ExportPasswords::CheckNew("caf\xE9 au lait"), ReportsError::PasswordNotPlainText);
    EXPECT_EQ(ExportPasswords::CheckNew("tab\there"), ReportsError::PasswordNotPlainText);
    EXPECT_TRUE(ExportPasswords::CheckNew(std::string(64, 'a')).Ok());
    EXPECT_EQ(ExportPasswords::CheckNew(std::string(65, 'a')), ReportsError::PasswordTooLong);
    EXPECT_EQ(ExportPasswords::CheckNew("seven 7"), ReportsError::PasswordTooShort);
    EXPECT_TRUE(ExportPasswords::CheckNew("eight 88").Ok());
}

TEST(CheckExportPassword, AWrongPasswordCostsOneSecondARightOneNothing) {
    testsupport::TempFolder folder;
    ExportPasswords passwords(folder.Path("settings"));
    ASSERT_TRUE(passwords.Set(3, "right one").Ok());
    std::vector<std::chrono::milliseconds> waits;
    const Sleeper record = [&waits](std::chrono::milliseconds wait) { waits.push_back(wait); };
    EXPECT_TRUE(CheckExportPassword(passwords, "right one", record));
    EXPECT_TRUE(waits.empty());
    EXPECT_FALSE(CheckExportPassword(passwords, "wrong one", record));
    EXPECT_FALSE(CheckExportPassword(passwords, "", record));
    EXPECT_EQ(waits,
              (std::vector<std::chrono::milliseconds>{std::chrono::seconds(1), std::chrono::seconds(1)}));
}

// A check waits while another holds the turn, in this process or any other, and only then
// takes its own (and a wrong guess its delay).
TEST(CheckExportPassword, WaitsItsTurnWhileAnotherCheckHoldsIt) {
    testsupport::TempFolder folder;
    ExportPasswords passwords(folder.Path("settings"));
    ASSERT_TRUE(passwords.Set(1, "right one").Ok());
    ASSERT_TRUE(passwords.Save().Ok());
    FileSystem& fs = DefaultFileSystem();
    const StoreResult<FileSystem::Handle> held = fs.Open(passwords.FilePath(), OpenMode::ReadOnly, 0);
    ASSERT_TRUE(held.Ok());
    ASSERT_TRUE(fs.LockExclusive(*held).Ok());
    std::vector<std::chrono::milliseconds> waits;
    const Sleeper releaseAfterThree = [&](std::chrono::milliseconds wait) {
        waits.push_back(wait);
        if (waits.size() == 3) {
            EXPECT_TRUE(fs.Close(*held).Ok());
        }
    };
    EXPECT_FALSE(CheckExportPassword(passwords, "wrong one", releaseAfterThree));
    ASSERT_EQ(waits.size(), 4u);
    EXPECT_LT(waits[0], std::chrono::seconds(1));
    EXPECT_EQ(waits[3], std::chrono::seconds(1));
}

TEST_F(ExportPasswordsTest, RefusedPasswordsAndSlotsChangeNothing) {
    ASSERT_TRUE(passwords_.Set(1, "kept safe").Ok());
    EXPECT_EQ(passwords_.Set(1, "Capital letters"), ReportsError::PasswordHasCapitals);
    EXPECT_EQ(passwords_.Set(0, "x"), ReportsError::PasswordSlotInvalid);
    EXPECT_EQ(passwords_.Set(4, "x"), ReportsError::PasswordSlotInvalid);
    EXPECT_TRUE(passwords_.Matches("kept safe"));
}

TEST_F(ExportPasswordsTest, FileWithSomethingElseIsRefusedAndMatchesNothing) {
    ASSERT_TRUE(passwords_.Set(1, "pass word").Ok());
    ASSERT_TRUE(passwords_.Save().Ok());
    const std::string good = ReadFile(passwords_.FilePath());
    for (const std::string& bad : {std::string("plaintext\n"), good + "$argon2id$extra\n",
                                   std::string("\n\n\n\n"), std::string(5000, '#')}) {
        WriteFile(passwords_.FilePath(), bad);
        ExportPasswords loaded(folder_.Path("settings"));
        EXPECT_EQ(loaded.Load(), ReportsError::PasswordFileMalformed) << bad.substr(0, 20);
        EXPECT_FALSE(loaded.Matches("pass word"));
    }
    // A damaged hash line reads, but cannot match.
    WriteFile(passwords_.FilePath(), "$argon2id$v=19$garbage\n\n\n");
    ExportPasswords damaged(folder_.Path("settings"));
    EXPECT_TRUE(damaged.Load().Ok());
    EXPECT_FALSE(damaged.Matches("pass word"));
}

#ifdef _WIN32
void SetSettingsVariable(const char* value) {
    ::_putenv_s("ORVA_SETTINGS_DIR", value != nullptr ? value : "");
}
// The shell's program-data folder; Wine and Windows both put it on drive C.
constexpr const char* kSystemFolder = "C:\\ProgramData\\Kelbrin\\ORVA";
#else
void SetSettingsVariable(const char* value) {
    if (value != nullptr) ::setenv("ORVA_SETTINGS_DIR", value, 1);
    else ::unsetenv("ORVA_SETTINGS_DIR");
}
constexpr const char* kSystemFolder = "/etc/orva";
#endif

TEST(MachineSettingsFolder, SettingsDirectoryVariableOverridesTheMachineFolderInDeveloperBuildsOnly) {
    SetSettingsVariable("/tmp/orva-test-settings");
    const std::string expected = SettingsFolderOverridable() ? "/tmp/orva-test-settings" : kSystemFolder;
    EXPECT_EQ(MachineSettingsFolder(), expected);
    EXPECT_EQ(ExportPasswords().FilePath(), expected + "/export-passwords");
    SetSettingsVariable(nullptr);
    EXPECT_EQ(MachineSettingsFolder(), kSystemFolder);
}

TEST(LowerCaseAsTyped, LowersOnlyAsciiCapitals) {
    EXPECT_EQ(LowerCaseAsTyped("PassWORD 12 \xC9"), "password 12 \xC9");
}

}  // namespace
}  // namespace orva
