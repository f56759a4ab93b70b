// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <utility>

#include "store/StoreError.h"
#include "store/StoreMessages.h"

namespace orva {
namespace {

// The compiler refuses two case labels of one value, and -Wswitch a cause left out: this switch
// compiles only while every cause has a number of its own.
constexpr bool HasOwnNumber(StoreError error) {
    switch (error) {
        case StoreError::FileGeneric:
        case StoreError::FileNotFound:
        case StoreError::BadPath:
        case StoreError::TooManyOpenFiles:
        case StoreError::AccessDenied:
        case StoreError::InvalidFile:
        case StoreError::RemoveCurrentDirectory:
        case StoreError::DirectoryFull:
        case StoreError::BadSeek:
        case StoreError::HardwareError:
        case StoreError::SharingViolation:
        case StoreError::LockViolation:
        case StoreError::DiskFull:
        case StoreError::EndOfFile:
        case StoreError::FileExists:
        case StoreError::OtherFileError:
        case StoreError::PositionBeyondEnd:
        case StoreError::BadHeaderWord:
        case StoreError::TooShort:
        case StoreError::BadLength:
        case StoreError::HeaderUnreadable:
        case StoreError::FileFull:
        case StoreError::UnfinishedChange:
        case StoreError::NameTooLong:
        case StoreError::OutputIsRecordFile:
        case StoreError::IncompleteRecord:
        case StoreError::NoMoreRecords:
        case StoreError::RecordChanged:
        case StoreError::ChecksumMismatch:
            return true;
    }
    return false;
}
static_assert(HasOwnNumber(StoreError::ChecksumMismatch));

// The platform's file-failure causes, by number.
constexpr StoreError kFileCauses[] = {
    StoreError::FileGeneric,
    StoreError::FileNotFound,
    StoreError::BadPath,
    StoreError::TooManyOpenFiles,
    StoreError::AccessDenied,
    StoreError::InvalidFile,
    StoreError::RemoveCurrentDirectory,
    StoreError::DirectoryFull,
    StoreError::BadSeek,
    StoreError::HardwareError,
    StoreError::SharingViolation,
    StoreError::LockViolation,
    StoreError::DiskFull,
    StoreError::EndOfFile,
};

TEST(StoreError, AFileThatCannotBeReadIsNeverCalledDamaged) {
    for (const StoreError cause : kFileCauses) {
        EXPECT_TRUE(IsFileCause(cause)) << Code(cause);
        EXPECT_NE(LoadResultMessage(cause, "f"), LoadResultMessage(StoreError::ChecksumMismatch, "f"))
            << Code(cause);
    }
    EXPECT_FALSE(IsFileCause(StoreError::ChecksumMismatch));
    EXPECT_FALSE(IsFileCause(StoreError::IncompleteRecord));
}

// The numbers are printed and compared by other programs: none may change.
TEST(StoreError, EveryCauseKeepsItsPrintedNumber) {
    for (int i = 0; i < 14; ++i) EXPECT_EQ(Code(kFileCauses[i]), -1 - i);
    const std::pair<StoreError, int> others[] = {
        {StoreError::FileExists, -98},          {StoreError::OtherFileError, -99},
        {StoreError::PositionBeyondEnd, -101},  {StoreError::BadHeaderWord, -501},
        {StoreError::TooShort, -502},           {StoreError::BadLength, -503},
        {StoreError::HeaderUnreadable, -504},   {StoreError::FileFull, -506},
        {StoreError::UnfinishedChange, -507},   {StoreError::NameTooLong, -508},
        {StoreError::OutputIsRecordFile, -509}, {StoreError::IncompleteRecord, -601},
        {StoreError::NoMoreRecords, -602},      {StoreError::RecordChanged, -603},
        {StoreError::ChecksumMismatch, -604},
    };
    for (const auto& [cause, number] : others) EXPECT_EQ(Code(cause), number);
}

}  // namespace
}  // namespace orva
