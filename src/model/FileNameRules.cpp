#include "model/FileNameRules.h"

#include "model/RecordFilePath.h"

namespace orva {

namespace {
bool IsSeparator(char c) { return c == '/' || c == '\\'; }

bool EndsWith(std::string_view s, std::string_view tail) {
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}
}  // namespace

FileNameCheck ApplyRecordFileNameRule(std::string_view text) {
    FileNameCheck refused{false, {}, texts::kRecordFileWithoutExtension};
    if (text.empty()) return {false, {}, texts::kNoFileName};
    const std::size_t n = text.size();
    if (n > 3 && text[n - 4] == '.' && !RecordFilePath::HasExtension(text)) return refused;
    if (text[n - 1] == '.' || (n >= 2 && text[n - 2] == '.') || (n >= 3 && text[n - 3] == '.')) return refused;
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
    const std::string_view lastFour = stem.substr(stem.size() >= 4 ? stem.size() - 4 : 0);
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
