// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>
#include <string_view>

namespace orva {

// Result of the record-file name rule: the path with ".rpc", or the refusal message (caption
// "Incorrect File Name", stop icon).
struct FileNameCheck {
    bool ok = false;
    std::string fullPath;
    const char* message = "";
};

// A record file's path. Users type names with or without ".rpc"; the file on the disk always
// has it; messages name the file without it. This type alone adds or strips the extension and
// says what a typed name stands for, so a path never travels in two shapes.
class RecordFilePath {
  public:
    static constexpr std::string_view kExtension = ".rpc";

    RecordFilePath() = default;
    // From a name as typed, kept or chosen: ".rpc" is added unless the name already ends in it.
    // A name without a folder is looked for where the process runs (the command line's way).
    explicit RecordFilePath(std::string_view name);
    // The same, but a name without a folder means a file in `baseFolder` (the desktop program
    // keeps such files in the user's home folder, wherever it was started from).
    RecordFilePath(std::string_view name, std::string_view baseFolder);

    // The record-file name rule on a name as typed: ".rpc" is added; another extension, a
    // trailing dot or a trailing folder separator is refused. Extensions are looked for in the
    // last path component only ("../ab" is the file "ab.rpc" one folder up).
    static FileNameCheck Check(std::string_view typed);

    // The path of the file on the disk, ".rpc" included, where the file functions find it.
    const std::string& OnDisk() const { return onDisk_; }
    // The name as it was given, ".rpc" included: the messages name the file so.
    const std::string& Named() const { return named_; }
    // The name as given without ".rpc".
    std::string WithoutExtension() const;

    static bool HasExtension(std::string_view name);

    friend bool operator==(const RecordFilePath&, const RecordFilePath&) = default;

  private:
    std::string named_;
    std::string onDisk_;
};

}  // namespace orva
