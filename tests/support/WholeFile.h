#pragma once

#include <string>
#include <string_view>

namespace orva::test {

// A file's bytes as they are on the disk; empty when it cannot be read.
std::string ReadFile(const std::string& path);
// Replaces the file's content with `bytes` (created when missing).
void WriteFile(const std::string& path, std::string_view bytes);
bool FileExists(const std::string& path);
// The permission bits (07777) of the file.
unsigned FileMode(const std::string& path);

}  // namespace orva::test
