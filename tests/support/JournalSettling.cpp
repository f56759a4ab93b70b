// SPDX-License-Identifier: Apache-2.0
#include "support/JournalSettling.h"

#include <algorithm>
#include <filesystem>

#include "store/RecordFile.h"

namespace orva::testsupport {

StoreStatus SettleAsTheNextWriter(const std::string& path, FileSystem& fs) {
    const RecordFile::AppendPlan nothing{false, [](const std::vector<StoredRecord>&) {
                                             return std::vector<StoredRecord>{};
                                         }};
    return RecordFile(SystemClock::Instance(), fs).AppendRecords(path, nothing).status;
}

std::vector<std::string> FolderNames(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace orva::testsupport
