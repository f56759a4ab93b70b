// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace orva {

// Result codes of the report outputs. Success is 0 (or a count); failures are negative. File
// failures keep the record store's codes (-1..-14 causes, -98 exists, -99 other), so these
// start well below them.
enum ReportsResult : int {
    kReportsOk = 0,

    // Export passwords.
    kPasswordSlotInvalid = -701,   // slots are 1..3
    kPasswordHasCapitals = -702,   // typing lower-cases, so it could never be entered
    kPasswordNotPlainText = -703,  // only printable ASCII can be typed the same everywhere
    kPasswordTooLong = -704,
    kPasswordFileMalformed = -705,  // the passwords file holds something other than hashes
    kPasswordHashFailed = -706,     // the hashing library refused (memory)
    kPasswordLibraryUnavailable = -707,
    kPasswordFileUnsafe = -708,  // users other than its owner could change the passwords
    kPasswordTooShort = -709,

    // CSV import.
    kImportBadHeader = -801,  // the first line is not the export's header row
    kImportBadRow = -802,     // a row breaks a rule; the problem names line and column
    kImportNoRows = -803,     // the file holds no record row
    kImportFileFull = -804,   // the rows would take the record file past its 657 records
};

}  // namespace orva
