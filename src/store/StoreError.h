// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "model/Result.h"

namespace orva {

// Why the record store failed. Every value is distinct and negative, and stays as it is: the
// values are printed and compared by other programs. -1..-14 are the platform's file-failure
// causes, negated.
enum class StoreError : int {
    FileGeneric = -1,
    FileNotFound = -2,
    BadPath = -3,
    TooManyOpenFiles = -4,
    AccessDenied = -5,
    InvalidFile = -6,
    RemoveCurrentDirectory = -7,
    DirectoryFull = -8,
    BadSeek = -9,
    HardwareError = -10,
    SharingViolation = -11,
    LockViolation = -12,
    DiskFull = -13,
    EndOfFile = -14,

    FileExists = -98,  // an output file exists and was not to be replaced
    OtherFileError = -99,
    PositionBeyondEnd = -101,
    BadHeaderWord = -501,
    TooShort = -502,  // shorter than a header and one record, or no record at all
    BadLength = -503,
    HeaderUnreadable = -504,
    FileFull = -506,
    UnfinishedChange = -507,    // an interrupted change waits to be undone, and its journal cannot be read
    NameTooLong = -508,         // a record file's name leaves no room for its journal's
    OutputIsRecordFile = -509,  // an output would take the place of a record file
    IncompleteRecord = -601,
    NoMoreRecords = -602,
    RecordChanged = -603,  // a replacement found another record in place than the one it was to replace
    // The record's check byte or check sum does not match. Apart from every file-failure cause,
    // so that a file that could not be read is never reported as damaged.
    ChecksumMismatch = -604,
};

using StoreStatus = Status<StoreError>;
template <class T>
using StoreResult = Result<T, StoreError>;

// The number a failure is printed as.
constexpr int Code(StoreError error) {
    return static_cast<int>(error);
}

// True for the platform's file-failure causes -1..-14.
constexpr bool IsFileCause(StoreError error) {
    return Code(error) <= Code(StoreError::FileGeneric) && Code(error) >= Code(StoreError::EndOfFile);
}

}  // namespace orva
