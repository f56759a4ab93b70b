// SPDX-License-Identifier: Apache-2.0
#include "model/FileNameRules.h"

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

bool IsRelativePath(std::string_view path) {
    if (path.empty()) return true;
#ifdef _WIN32
    // "C:\x", "C:x", "\\server\x" and "\x" all name their place without the working folder.
    if (IsSeparator(path.front())) return false;
    return !(path.size() >= 2 && path[1] == ':');
#else
    return path.front() != '/';
#endif
}

std::string InFolder(std::string_view path, std::string_view baseFolder) {
    if (!IsRelativePath(path) || baseFolder.empty()) return std::string(path);
    std::string full(baseFolder);
    if (!IsSeparator(full.back())) full += '/';
    return full += path;
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
