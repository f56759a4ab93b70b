// SPDX-License-Identifier: Apache-2.0
#include "model/FileNameRules.h"

#include "model/RecordFilePath.h"

namespace orva {

namespace {
bool IsSeparator(char c) { return c == '/' || c == '\\'; }

bool EndsWith(std::string_view s, std::string_view tail) {
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

// The last path component: an extension is looked for there only, so that the full stops of
// "./" and "../" are not taken for one.
std::string_view LastComponent(std::string_view path) {
    const std::size_t cut = path.find_last_of("/\\");
    return cut == std::string_view::npos ? path : path.substr(cut + 1);
}
}  // namespace

FileNameCheck ApplyRecordFileNameRule(std::string_view text) {
    FileNameCheck refused{false, {}, texts::kRecordFileWithoutExtension};
    if (text.empty()) return {false, {}, texts::kNoFileName};
    // Only the last component names the file: "./ab" or "../ab" has no extension.
    const std::string_view name = LastComponent(text);
    const std::size_t n = name.size();
    if (n > 3 && name[n - 4] == '.' && !RecordFilePath::HasExtension(name)) return refused;
    if ((n >= 1 && name[n - 1] == '.') || (n >= 2 && name[n - 2] == '.') || (n >= 3 && name[n - 3] == '.')) {
        return refused;
    }
    const std::string full = RecordFilePath(text).OnDisk();
    if (full.size() <= 4 || IsSeparator(full[full.size() - 5])) return refused;
    return {true, full, ""};
}

bool AcceptBrowsedPath(std::string_view path, std::string_view extension, std::string& withoutExtension) {
    const std::size_t n = path.size();
    const std::size_t e = extension.size();
    if (n < e + 1 || !EndsWith(path, extension)) return false;
    const std::string_view stem = path.substr(0, n - e);
    if (IsSeparator(stem.back())) return false;
    const std::string_view name = LastComponent(stem);
    const std::string_view lastFour = name.substr(name.size() >= 4 ? name.size() - 4 : 0);
    if (lastFour.find('.') != std::string_view::npos) return false;
    withoutExtension = std::string(stem);
    return true;
}

std::string BaseName(std::string_view path) {
    const std::size_t cut = path.find_last_of("/\\");
    return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

std::string DirectoryPart(std::string_view path) {
    const std::size_t cut = path.find_last_of("/\\");
    return cut == std::string_view::npos ? std::string() : std::string(path.substr(0, cut + 1));
}

}  // namespace orva
