// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>
#include <vector>

#include "store/FileSystem.h"
#include "store/StoreError.h"

namespace orva::testsupport {

// What the next writer of a record file does before its own change, and nothing more: an
// append of no records, which applies a journal that matches the file and sets aside one that
// does not. The append's status.
StoreStatus SettleAsTheNextWriter(const std::string& path, FileSystem& fs = DefaultFileSystem());

// The names in a folder, sorted.
std::vector<std::string> FolderNames(const std::string& folder);

}  // namespace orva::testsupport
