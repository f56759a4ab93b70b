// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>
#include <string_view>

namespace orva {

// A record file's path. Users type names with or without ".rpc"; the file on the disk always
// has it; messages name the file without it. This type alone adds or strips the extension, so
// a path never travels in two shapes.
class RecordFilePath {
  public:
    static constexpr std::string_view kExtension = ".rpc";

    RecordFilePath() = default;
    // From a name as typed, kept or chosen: ".rpc" is added unless the name already ends in it.
    explicit RecordFilePath(std::string_view name);

    // The path of the file on the disk, ".rpc" included.
    const std::string& OnDisk() const { return onDisk_; }
    // The path without ".rpc", as the messages name the file.
    std::string WithoutExtension() const;

    static bool HasExtension(std::string_view name);

    friend bool operator==(const RecordFilePath&, const RecordFilePath&) = default;

  private:
    std::string onDisk_;
};

}  // namespace orva
