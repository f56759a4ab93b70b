#pragma once

namespace orva {

// Result codes of the record store. Zero or a positive count or length means success; every
// failure is negative. -1..-14 are the platform's file-failure causes, negated.
enum StoreResult : int {
    kStoreOk = 0,

    kFileGeneric = -1,
    kFileNotFound = -2,
    kBadPath = -3,
    kTooManyOpenFiles = -4,
    kAccessDenied = -5,
    kInvalidFile = -6,
    kRemoveCurrentDirectory = -7,
    kDirectoryFull = -8,
    kBadSeek = -9,
    kHardwareError = -10,
    kSharingViolation = -11,
    kLockViolation = -12,
    kDiskFull = -13,
    kEndOfFile = -14,

    kFileExists = -98,  // an output file exists and was not to be replaced
    kOtherFileError = -99,
    kPositionBeyondEnd = -101,
    kBadHeaderWord = -501,
    kTooShort = -502,  // shorter than a header and one record, or no record at all
    kBadLength = -503,
    kHeaderUnreadable = -504,
    kFileFull = -506,
    kUnfinishedChange = -507,  // an interrupted change waits to be undone, and its journal cannot be read
    kNameTooLong = -508,       // a record file's name leaves no room for its journal's
    kOutputIsRecordFile = -509,  // an output would take the place of a record file
    kIncompleteRecord = -601,
    kNoMoreRecords = -602,
    kRecordChanged = -603,  // a replacement found another record in place than the one it was to replace
    // DecodeFromStorage: the record's check byte or check sum does not match. Apart from every
    // file-failure cause, so that a file that could not be read is never reported as damaged.
    kChecksumMismatch = -604,
};

// Positive results with a meaning of their own.
inline constexpr int kNewEmptyFile = 1;  // ValidateHeader: a file of length 0
inline constexpr int kLastRecord = 1;    // ReadNext / OpenForReading: no record follows this one
inline constexpr int kMoreRecords = 0;   // ReadNext / OpenForReading: more records follow

// True for the platform's file-failure causes -1..-14.
constexpr bool IsFileCause(int code) {
    return code <= kFileGeneric && code >= kEndOfFile;
}

}  // namespace orva
