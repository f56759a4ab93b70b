#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/AssessmentRecord.h"
#include "model/Clock.h"
#include "store/RandomSource.h"
#include "store/RecordFormat.h"

namespace orva::test {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string Path(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

using Bytes = std::vector<unsigned char>;

bool Exists(const std::string& path);
Bytes ReadAll(const std::string& path);
void WriteAll(const std::string& path, const Bytes& bytes);
unsigned FileMode(const std::string& path);

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
