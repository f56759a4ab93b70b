// SPDX-License-Identifier: Apache-2.0
#include "support/WholeFile.h"

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace orva::testsupport {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void WriteFile(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool FileExists(const std::string& path) {
    return std::filesystem::exists(path);
}

unsigned FileMode(const std::string& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return static_cast<unsigned>(info.st_mode & 07777);
}

}  // namespace orva::testsupport
