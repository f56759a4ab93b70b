// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>
#include <string_view>

namespace orva {

// A path where the file functions find it: a relative one (no root, no drive) in `baseFolder`,
// an absolute one as it is. Nothing is tidied ("../x" stays so), as the file box shows it.
std::string InFolder(std::string_view path, std::string_view baseFolder);
bool IsRelativePath(std::string_view path);

// A path chosen in a file box is taken only when it is at least five characters long, ends
// exactly in `extension` (".rpc", ".csv" or ".rtf"), has no folder separator just before it and
// no full stop among the four characters before it within its last path component. Returns
// the path without the extension, or nothing.
bool AcceptBrowsedPath(std::string_view path, std::string_view extension, std::string& withoutExtension);

// The part after the last '/' or '\', and the part up to and including it.
std::string BaseName(std::string_view path);
std::string DirectoryPart(std::string_view path);

namespace texts {
inline constexpr const char* kIncorrectFileName = "Incorrect File Name";
inline constexpr const char* kNoFileName = "You have not entered a filename.";
inline constexpr const char* kRecordFileWithoutExtension =
    "You must enter a ORVA filename without the extension.  For example:  c:/data_files/ORVA_2005";
inline constexpr const char* kBrowseRecordFile =
    "You must enter a ORVA filename (*.rpc).  For example:  c:/data_files/ORVA_2005.rpc";
}  // namespace texts

}  // namespace orva
