// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>
#include <string_view>

namespace orva::testsupport {

// A file's bytes as they are on the disk; empty when it cannot be read.
std::string ReadFile(const std::string& path);
// Replaces the file's content with `bytes` (created when missing).
void WriteFile(const std::string& path, std::string_view bytes);
bool FileExists(const std::string& path);
// The permission bits (07777) of the file.
unsigned FileMode(const std::string& path);
// Whether files have POSIX permission bits; Windows keeps who may do what in access lists.
#ifdef _WIN32
inline constexpr bool kPosixFileModes = false;
#else
inline constexpr bool kPosixFileModes = true;
#endif

}  // namespace orva::testsupport
