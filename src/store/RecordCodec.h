// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "model/AssessmentRecord.h"
#include "model/Clock.h"
#include "store/RandomSource.h"
#include "store/RecordFormat.h"
#include "store/StoreError.h"

namespace orva {

// Packs the record into its checked image and scrambles it into the stored form. Stamps the
// record's save date-time with the clock's current time first, as every save does.
StoredRecord EncodeForStorage(AssessmentRecord& record, const Clock& clock,
                              RandomSource& random = DefaultRandomSource::Instance());

// Reads a stored record (kStoredRecordSize bytes) back into `record`, replacing every stored
// field. StoreError::ChecksumMismatch when the bytes do not hold a sound record (the check byte
// and sum, then FollowsRecordRules), in which case `record` is left as it was. Safe on any bytes.
StoreStatus DecodeFromStorage(AssessmentRecord& record, const unsigned char* stored);

// The steps of each direction on their own: tests and fuzzing build images and stored
// records with them.
RecordImage BuildImage(const AssessmentRecord& record);  // fields, filler and checks
StoredRecord ScrambleImage(const RecordImage& image, RandomSource& random);
bool UnscrambleImage(const unsigned char* stored, RecordImage& image);  // false: not a sound image
bool ImageChecksMatch(const RecordImage& image);
void ApplyImage(AssessmentRecord& record, const RecordImage& image);  // image assumed checked
// Where a padded text field starts in the image; not for the save date-time, stored raw.
std::size_t ImageOffset(TextField field);

}  // namespace orva
