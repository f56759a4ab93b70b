// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include "store/StoreMessages.h"
#include "store/StoreError.h"
#include "store/StoreTexts.h"

namespace orva {
namespace {

struct SaveCase {
    const char* name;
    StoreError error;
    const char* text;
};

void PrintTo(const SaveCase& c, std::ostream* os) { *os << c.name; }

class SaveFailed : public ::testing::TestWithParam<SaveCase> {};

TEST_P(SaveFailed, ShowsTheTextOfTheCode) {
    const UserMessage m = SaveFailedMessage(GetParam().error);
    EXPECT_EQ(m.caption, "Save Has Failed");
    EXPECT_EQ(m.icon, MessageIcon::Stop);
    EXPECT_EQ(m.text, GetParam().text);
}

const char* const kNotFormat =
    "The file is not in the correct format for an Child and Adolescent Orvantis file.";
const char* const kInUse = "The file is currently is use by someone else.";
const char* const kOther =
    "An error has occurred while writing the details to disk.\nPlease contact your system administrator.";

INSTANTIATE_TEST_SUITE_P(
    Codes, SaveFailed,
    ::testing::Values(
        SaveCase{"FileFull", StoreError::FileFull,
                 "The file has reached its maximum number of records.\nPlease use another file or create a "
                 "new file."},
        SaveCase{"HeaderUnreadable", StoreError::HeaderUnreadable,
                 "An error occurred while accessing the file.\nPlease contact your system administrator."},
        SaveCase{"BadLength", StoreError::BadLength, kNotFormat}, SaveCase{"TooShort", StoreError::TooShort, kNotFormat},
        SaveCase{"BadHeaderWord", StoreError::BadHeaderWord, kNotFormat}, SaveCase{"LockViolation", StoreError::LockViolation, kInUse},
        SaveCase{"SharingViolation", StoreError::SharingViolation, kInUse},
        SaveCase{"DirectoryFull", StoreError::DirectoryFull,
                 "The directory (folder) is full.\nPlease save the record in another directory of contact "
                 "your system administrator."},
        SaveCase{"AccessDenied", StoreError::AccessDenied,
                 "Write access to the file has been denied.\nPlease contact your system administrator."},
        SaveCase{"BadPath", StoreError::BadPath, "The path for the file is not correct."},
        SaveCase{"DiskFull", StoreError::DiskFull, "The disk is full.\nPlease contact your system administrator."},
        SaveCase{"FileNotFound", StoreError::FileNotFound, kOther}, SaveCase{"HardwareError", StoreError::HardwareError, kOther},
        SaveCase{"OtherFileError", StoreError::OtherFileError, kOther}, SaveCase{"PositionBeyondEnd", StoreError::PositionBeyondEnd, kOther},
        SaveCase{"IncompleteRecord", StoreError::IncompleteRecord, kOther},
        SaveCase{"NameTooLong", StoreError::NameTooLong,
                 "The file name is too long for the changes to the file to be kept safe.\nPlease use a shorter "
                 "name."},
        SaveCase{"RecordChanged", StoreError::RecordChanged,
                 "The record has been changed since it was opened for editing,\nso it has not been "
                 "replaced.\n\nUntick 'Replace Existing Record' to save your edits as a new record."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StoreMessages, SaveSucceededNamesThePersonAndTheFile) {
    const UserMessage m = SaveSucceededMessage(
        "Ren\xE9"
        "e",
        "Smith", "20120409", "/data/clinic.rpc");
    EXPECT_EQ(m.caption, "Save Was Successful");
    EXPECT_EQ(m.icon, MessageIcon::Information);
    EXPECT_EQ(m.text,
              "The save has been successful.  The responses for\n\n\tFirst Name:\tRen\xE9"
              "e\n\tLast Name:\tSmith\n\t"
              "Date of Birth:\t09/04/2012\n\nhave been saved in the file\n\n\t/data/clinic.rpc");
}

struct LoadCase {
    const char* name;
    StoreResult<int> loaded;
    const char* caption;
    MessageIcon icon;
    const char* text;
};

void PrintTo(const LoadCase& c, std::ostream* os) { *os << c.name; }

class LoadResult : public ::testing::TestWithParam<LoadCase> {};

TEST_P(LoadResult, ShowsTheMessageOfTheResult) {
    const auto m = LoadResultMessage(GetParam().loaded, "c:/data/clinic");
    ASSERT_TRUE(m.has_value());
    EXPECT_EQ(m->caption, GetParam().caption);
    EXPECT_EQ(m->icon, GetParam().icon);
    EXPECT_EQ(m->text, GetParam().text);
}

const char* const kCorrupt =
    "There was a read error or file validation error,\nindicating some file corruption.\n\nPlease contact "
    "your "
    "system administrator for assistance.";
const char* const kNotFound = "The file 'c:/data/clinic.rpc' was not found.";
const char* const kLocked = "The file 'c:/data/clinic.rpc' is locked by another application.";
const char* const kOpenError =
    "There was an error attempting to open the file\n'c:/data/clinic.rpc'\n\nPlease contact your system "
    "administrator for assistance.";

INSTANTIATE_TEST_SUITE_P(
    Codes, LoadResult,
    ::testing::Values(
        LoadCase{"ThreeRecordsFailed", 3, "Partial File Corruption", MessageIcon::Exclamation,
                 "Unfortunately 3 records failed to load from the file,\nindicating some file "
                 "corruption.\n\nPlease "
                 "contact your system administrator for assistance."},
        LoadCase{"BadHeaderWord", StoreError::BadHeaderWord, "Partial File Corruption", MessageIcon::Stop, kCorrupt},
        LoadCase{"TooShort", StoreError::TooShort, "Partial File Corruption", MessageIcon::Stop, kCorrupt},
        LoadCase{"HeaderUnreadable", StoreError::HeaderUnreadable, "Partial File Corruption", MessageIcon::Stop, kCorrupt},
        LoadCase{"IncompleteRecord", StoreError::IncompleteRecord, "Partial File Corruption", MessageIcon::Stop, kCorrupt},
        LoadCase{"SharingViolation", StoreError::SharingViolation, "File In Use", MessageIcon::Stop, kLocked},
        LoadCase{"LockViolation", StoreError::LockViolation, "File In Use", MessageIcon::Stop, kLocked},
        LoadCase{"AccessDenied", StoreError::AccessDenied, "File Access Error", MessageIcon::Stop,
                 "The file\n\t'c:/data/clinic.rpc'\n is not available for edit "
                 "access.\n\nPlease contact your system "
                 "administrator for assistance."},
        LoadCase{"FileNotFound", StoreError::FileNotFound, "File Not Found", MessageIcon::Stop, kNotFound},
        LoadCase{"BadPath", StoreError::BadPath, "File Not Found", MessageIcon::Stop, kNotFound},
        LoadCase{"DiskFull", StoreError::DiskFull, "File Access Error", MessageIcon::Stop, kOpenError},
        LoadCase{"OtherFileError", StoreError::OtherFileError, "File Access Error", MessageIcon::Stop, kOpenError},
        LoadCase{"PositionBeyondEnd", StoreError::PositionBeyondEnd, "File Access Error", MessageIcon::Stop, kOpenError}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StoreMessages, NothingIsShownWhenEveryRecordLoaded) {
    EXPECT_FALSE(LoadResultMessage(0, "x").has_value());
}

TEST(StoreMessages, SearchAndReadOnlyMessages) {
    EXPECT_EQ(
        NoMatchingRecordsMessage(),
        (UserMessage{
            "No Matching Records",
            "There were no records in the specified ORVA file\nwith the requested name and date of birth.",
            MessageIcon::Stop}));
    EXPECT_EQ(
        ReadOnlyEditWarning(),
        (UserMessage{
            "File is Read Only",
            "Warning:  The file you are attempting to edit is read-only.\n\nYou will have to either have "
            "the read-only security\non the file removed or save any edits to a new file.",
            MessageIcon::Information}));
}

TEST(StoreMessages, AJournalSetAsideIsToldPlainly) {
    const std::string told =
        "The file\n\t'/data/clinic.rpc'\nhad beside it the journal of an unfinished change that\ndoes not belong "
        "to the file as it is now: the journal is\ndamaged, or the file was copied, put back from a backup\nor "
        "changed since.\n\nThe journal was not applied, and the file was left as it is.";
    const std::string advice =
        "\n\nPlease check that the file holds every record it should,\nor contact your system administrator.";
    EXPECT_EQ(UnmatchedJournalMessage("/data/clinic.rpc", "/data/clinic.rpc-journal.unmatched-1"),
              (UserMessage{"Unfinished Change Not Applied",
                           told + "\nThe journal was kept as\n\t'/data/clinic.rpc-journal.unmatched-1'" + advice,
                           MessageIcon::Exclamation}));
    EXPECT_EQ(UnmatchedJournalMessage("/data/clinic.rpc", "").text,
              told + "\nThe journal could not be moved aside and stays beside the file." + advice);
}

}  // namespace
}  // namespace orva
