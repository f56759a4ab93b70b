// SPDX-License-Identifier: Apache-2.0
#include "support/RawRecordFile.h"

#include <fstream>

namespace orva::testsupport {

bool SpoilRecord(const std::string& path, int position) {
    // Forty bytes inside the scrambled image, each changed: the record no longer unscrambles to
    // one whose checks match.
    const auto at = static_cast<std::streamoff>(RecordOffset(position) + 300);
    std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
    std::string bytes(40, '\0');
    if (!file.seekg(at) || !file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) return false;
    for (char& b : bytes) b = static_cast<char>(b ^ 0x5A);
    return file.seekp(at) && file.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) &&
           file.flush();
}

bool OverwriteRecord(const std::string& path, int position, const StoredRecord& stored) {
    std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
    return file.seekp(static_cast<std::streamoff>(RecordOffset(position))) &&
           file.write(reinterpret_cast<const char*>(stored.data()),
                      static_cast<std::streamsize>(stored.size())) &&
           file.flush();
}

}  // namespace orva::testsupport
