#pragma once

#include <string>
#include <vector>

#include "model/AssessmentRecord.h"
#include "store/FileSystem.h"

namespace orva {

// The records of the record file at `path` that read and decode soundly, in file order. A file
// that is missing, empty or cannot be read gives none: whoever writes to it next reports why.
std::vector<AssessmentRecord> ReadSoundRecords(const std::string& path, FileSystem& fileSystem);

}  // namespace orva
