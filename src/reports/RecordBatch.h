#pragma once

#include <string>
#include <vector>

#include "model/Clock.h"
#include "store/FileSystem.h"
#include "store/RecordFormat.h"

namespace orva {

// Appends `records` to the record file at `path` (created when missing) as one step: either
// all of them are on the disk when it returns 0, or the file is exactly as it was (a file it
// created is removed). `existingRecords` receives the number of records the file held and
// `firstPosition` the position of the first appended one. Refuses with kFileFull, touching
// nothing, when the file would pass its 657 records; other results as RecordFile's.
int AppendRecordBatch(const std::string& path, const std::vector<StoredRecord>& records, const Clock& clock,
                      FileSystem& fileSystem, int& existingRecords, int& firstPosition);

}  // namespace orva
