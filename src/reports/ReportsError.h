// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <optional>

#include "model/Result.h"
#include "store/StoreError.h"

namespace orva {

// Why a report output refused or failed, beyond the record store's own failures. Every value
// is distinct and negative and stays as it is (the command line prints it); they start well
// below the store's, so that one number never stands for two causes.
enum class ReportsError : int {
    // Export passwords.
    PasswordSlotInvalid = -701,   // slots are 1..3
    PasswordHasCapitals = -702,   // typing lower-cases, so it could never be entered
    PasswordNotPlainText = -703,  // only printable ASCII can be typed the same everywhere
    PasswordTooLong = -704,
    PasswordFileMalformed = -705,  // the passwords file holds something other than hashes
    PasswordHashFailed = -706,     // the hashing library refused (memory)
    PasswordLibraryUnavailable = -707,
    PasswordFileUnsafe = -708,  // users other than its owner could change the passwords
    PasswordTooShort = -709,

    // CSV import.
    ImportBadHeader = -801,  // the first line is not the export's header row
    ImportBadRow = -802,     // a row breaks a rule; the problem names line and column
    ImportNoRows = -803,     // the file holds no record row
    ImportFileFull = -804,   // the rows would take the record file past its 657 records
};

// A failure of the report outputs: one of their own, or the record store's beneath them.
class ReportsFailure {
  public:
    constexpr ReportsFailure(ReportsError error) : code_(static_cast<int>(error)) {}  // either converts
    constexpr ReportsFailure(StoreError error) : code_(orva::Code(error)) {}

    constexpr bool Is(ReportsError error) const { return code_ == static_cast<int>(error); }
    // The store's failure, when it is one.
    constexpr std::optional<StoreError> Store() const {
        return code_ > static_cast<int>(ReportsError::PasswordSlotInvalid)
                   ? std::optional(static_cast<StoreError>(code_))
                   : std::nullopt;
    }
    // The number the failure is printed as.
    constexpr int Code() const { return code_; }

    constexpr bool operator==(const ReportsFailure&) const = default;

  private:
    int code_;
};

using ReportsStatus = Status<ReportsFailure>;

}  // namespace orva
