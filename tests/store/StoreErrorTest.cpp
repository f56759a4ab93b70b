// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

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

TEST(StoreError, AFileThatCannotBeReadIsNeverCalledDamaged) {
    for (int code = Code(StoreError::FileGeneric); code >= Code(StoreError::EndOfFile); --code) {
        EXPECT_TRUE(IsFileCause(ErrorOfCode(code))) << code;
        EXPECT_NE(LoadResultMessage(ErrorOfCode(code), "f"),
                  LoadResultMessage(StoreError::ChecksumMismatch, "f"))
            << code;
    }
    EXPECT_FALSE(IsFileCause(StoreError::ChecksumMismatch));
    EXPECT_FALSE(IsFileCause(StoreError::IncompleteRecord));
}

TEST(StoreError, AFileSystemResultBecomesAStatus) {
    EXPECT_TRUE(StatusOfCode(0).Ok());
    EXPECT_TRUE(StatusOfCode(512).Ok());
    EXPECT_EQ(StatusOfCode(Code(StoreError::DiskFull)), StoreStatus(StoreError::DiskFull));
}

}  // namespace
}  // namespace orva
