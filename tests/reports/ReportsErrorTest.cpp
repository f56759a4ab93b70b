// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include "reports/ReportsError.h"

namespace orva {
namespace {

// The compiler refuses two case labels of one value, and -Wswitch a cause left out: this switch
// compiles only while every cause has a number of its own.
constexpr bool HasOwnNumber(ReportsError error) {
    switch (error) {
        case ReportsError::PasswordSlotInvalid:
        case ReportsError::PasswordHasCapitals:
        case ReportsError::PasswordNotPlainText:
        case ReportsError::PasswordTooLong:
        case ReportsError::PasswordFileMalformed:
        case ReportsError::PasswordHashFailed:
        case ReportsError::PasswordLibraryUnavailable:
        case ReportsError::PasswordFileUnsafe:
        case ReportsError::PasswordTooShort:
        case ReportsError::ImportBadHeader:
        case ReportsError::ImportBadRow:
        case ReportsError::ImportNoRows:
        case ReportsError::ImportFileFull:
            return true;
    }
    return false;
}
static_assert(HasOwnNumber(ReportsError::PasswordFileUnsafe));

// A failure is the store's or the outputs' own, never both: the numbers are printed.
TEST(ReportsFailure, TellsTheStoresFailuresFromItsOwn) {
    const ReportsFailure unsafe = ReportsError::PasswordFileUnsafe;
    EXPECT_TRUE(unsafe.Is(ReportsError::PasswordFileUnsafe));
    EXPECT_FALSE(unsafe.Store().has_value());
    EXPECT_EQ(unsafe.Code(), -708);

    for (const StoreError store :
         {StoreError::FileGeneric, StoreError::OtherFileError, StoreError::ChecksumMismatch}) {
        const ReportsFailure failure = store;
        EXPECT_EQ(failure.Store(), store);
        EXPECT_EQ(failure.Code(), Code(store));
        EXPECT_FALSE(failure.Is(ReportsError::PasswordSlotInvalid));
    }
}

}  // namespace
}  // namespace orva
