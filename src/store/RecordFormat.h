// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <array>
#include <cstddef>

namespace orva {

// Sizes and offsets of the record file. They are the file format: a file written with other
// values cannot be read, so none of them may ever change.

// File: a plain header followed by records of fixed size.
inline constexpr std::size_t kHeaderSize = 243;
inline constexpr std::size_t kStoredRecordSize = 2187;
inline constexpr std::size_t kSmallestFileWithRecord = kHeaderSize + kStoredRecordSize;  // 2430
inline constexpr int kMaxRecords = 657;

// Header block.
inline constexpr char kVersionText[] = "ORVA 4.0  ";  // ten characters, no terminator stored
inline constexpr std::size_t kVersionTextSize = 10;
inline constexpr std::size_t kVersionWordSize = 4;  // only "ORVA" is checked on opening
inline constexpr std::size_t kHeaderCreatedAt = 10;
inline constexpr std::size_t kHeaderLastWriteAt = 24;
inline constexpr std::size_t kHeaderDateTimeSize = 14;
inline constexpr std::size_t kHeaderBlanksAt = 38;
inline constexpr std::size_t kHeaderBlanksSize = 42;
inline constexpr std::size_t kHeaderZeroAt = 80;  // a 0x00, then zero filler to the end

// Stored record: nine scrambled blocks, each carrying an 80-byte slice of the image plus one
// random filler byte.
inline constexpr int kBlockCount = 9;
inline constexpr std::size_t kSliceSize = 80;
inline constexpr std::size_t kPlainBlockSize = 81;
inline constexpr std::size_t kStoredBlockSize = 243;
inline constexpr int kFillerLowest = 32;
inline constexpr int kFillerHighest = 110;

// Record image, before scrambling.
inline constexpr std::size_t kImageSize = 720;
inline constexpr unsigned char kTextPad = 0x80;  // pads text fields; ends a text on reading

inline constexpr std::size_t kImageFirstName = 0;
inline constexpr std::size_t kImageLastName = 20;
inline constexpr std::size_t kImageStreetAddress = 40;
inline constexpr std::size_t kImageTown = 80;
inline constexpr std::size_t kImageState = 100;
inline constexpr std::size_t kImagePostcode = 103;
inline constexpr std::size_t kImagePhone = 113;
inline constexpr std::size_t kImagePhone2 = 127;
inline constexpr std::size_t kImageCountry = 141;
inline constexpr std::size_t kImageEmail = 161;
inline constexpr std::size_t kImageBirthDate = 201;
inline constexpr std::size_t kImageSaveDateTime = 209;
inline constexpr std::size_t kImageCompletionDate = 223;
inline constexpr std::size_t kImageObserverName = 231;
inline constexpr std::size_t kImageObserverRelationship = 251;
inline constexpr std::size_t kImageObserverContact = 271;
inline constexpr std::size_t kImageObserverComment = 331;
inline constexpr std::size_t kImageGender = 531;
inline constexpr std::size_t kImageReporter = 532;
inline constexpr std::size_t kImageResponses = 533;
inline constexpr std::size_t kImageResponseBytes = 95;  // items 1..190, two per byte
inline constexpr std::size_t kImageDataEntry = 628;
inline constexpr std::size_t kImageSchoolYear = 629;
inline constexpr std::size_t kImageSchool = 631;
inline constexpr std::size_t kImageFiller = 661;
inline constexpr std::size_t kImageCheckByte = 715;
inline constexpr std::size_t kImageCheckSum = 716;
inline constexpr std::size_t kImageCheckedBytes = 715;  // the checks cover offsets 0..714

using StoredRecord = std::array<unsigned char, kStoredRecordSize>;
using RecordImage = std::array<unsigned char, kImageSize>;
using HeaderBytes = std::array<unsigned char, kHeaderSize>;

// Number of whole records after the header of a file of `length` bytes (0 for a new file).
constexpr long long RecordCountForLength(long long length) {
    return length < static_cast<long long>(kHeaderSize)
               ? 0
               : (length - static_cast<long long>(kHeaderSize)) / static_cast<long long>(kStoredRecordSize);
}

// Places for records after the header: the whole records, and one more for a partial record
// at the end (left by an interrupted copy or an older crash), which reads as a damaged record.
constexpr long long RecordSlotsForLength(long long length) {
    return length <= static_cast<long long>(kHeaderSize)
               ? 0
               : (length - static_cast<long long>(kHeaderSize) + static_cast<long long>(kStoredRecordSize) - 1) /
                     static_cast<long long>(kStoredRecordSize);
}

// Offset of record `position` in the file.
constexpr long long RecordOffset(long long position) {
    return static_cast<long long>(kHeaderSize) + static_cast<long long>(kStoredRecordSize) * position;
}

}  // namespace orva
