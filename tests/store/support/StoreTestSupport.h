// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/AssessmentRecord.h"
#include "model/Clock.h"
#include "store/RandomSource.h"
#include "store/RecordFormat.h"
#include "support/TempFolder.h"
#include "support/WholeFile.h"

namespace orva::test {

using Bytes = std::vector<unsigned char>;

// The shared whole-file reader and writer, with the bytes as the store holds them.
Bytes ReadAll(const std::string& path);
void WriteAll(const std::string& path, const Bytes& bytes);

inline const LocalDateTime kSavedAt{2024, 5, 17, 9, 30, 15};

// A record with every field filled, distinct per `seed`, Windows-1252 accents included.
AssessmentRecord SampleRecord(int seed, int reporter = kParent);
AssessmentRecord PersonRecord(const std::string& first, const std::string& last, int year, int month, int day,
                              int reporter, const LocalDateTime& savedAt);
StoredRecord Encode(AssessmentRecord record, const LocalDateTime& savedAt = kSavedAt);

// The bytes of a record file holding `records`, made without the store's writer.
Bytes FileBytes(const std::vector<StoredRecord>& records);
Bytes FileOfSamples(int count);

}  // namespace orva::test
