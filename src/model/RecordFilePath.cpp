// SPDX-License-Identifier: Apache-2.0
#include "model/RecordFilePath.h"

#include "model/FileNameRules.h"

namespace orva {

namespace {

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

std::string WithExtension(std::string_view name) {
    std::string path(name);
    if (!RecordFilePath::HasExtension(name)) path += RecordFilePath::kExtension;
    return path;
}

}  // namespace

RecordFilePath::RecordFilePath(std::string_view name) : named_(WithExtension(name)), onDisk_(named_) {}

RecordFilePath::RecordFilePath(std::string_view name, std::string_view baseFolder)
    : named_(WithExtension(name)), onDisk_(InFolder(named_, baseFolder)) {}

FileNameCheck RecordFilePath::Check(std::string_view typed) {
    FileNameCheck refused{false, {}, texts::kRecordFileWithoutExtension};
    if (typed.empty()) return {false, {}, texts::kNoFileName};
    // Only the last component names the file: the full stops of "./ab" or "../ab" are no extension.
    const std::string name = BaseName(typed);
    const std::size_t n = name.size();
    if (n > 3 && name[n - 4] == '.' && !HasExtension(name)) return refused;
    if ((n >= 1 && name[n - 1] == '.') || (n >= 2 && name[n - 2] == '.') || (n >= 3 && name[n - 3] == '.')) {
        return refused;
    }
    const std::string full = WithExtension(typed);
    if (full.size() <= kExtension.size() || IsSeparator(full[full.size() - kExtension.size() - 1]))
        return refused;
    return {true, full, ""};
}

std::string RecordFilePath::WithoutExtension() const {
    return named_.substr(0, named_.size() - kExtension.size());
}

bool RecordFilePath::HasExtension(std::string_view name) {
    return name.size() >= kExtension.size() && name.substr(name.size() - kExtension.size()) == kExtension;
}

}  // namespace orva
