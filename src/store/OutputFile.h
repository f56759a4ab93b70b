#pragma once

#include <cstddef>
#include <string>

#include "store/FileSystem.h"

namespace orva {

// A write-only report file (CSV, RTF) with create-or-replace semantics, held exclusively while
// open. Results: 0 or a byte count on success, a negated cause on failure, kFileExists when the
// file is there and was not to be replaced. Created readable by its owner only.
class OutputFile {
  public:
    explicit OutputFile(FileSystem& fileSystem = DefaultFileSystem());
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    void SetPath(const std::string& path) { path_ = path; }
    const std::string& Path() const { return path_; }

    // Without `replace` an existing file gives kFileExists and is left untouched; with it the
    // existing file is deleted (unless someone holds it: kSharingViolation) and created anew.
    int Open(bool replace);
    // Appends the block: `size` on success, or a negated cause; a block that fails leaves
    // nothing of itself in the file once it is closed.
    long long Write(const void* data, std::size_t size);
    // Abandons what this open wrote, as after a failed write: closes the file and removes it, so
    // half a report never passes for a whole one. 0, or the cause when it could not be removed.
    int Discard();
    // Flushes to the disk and closes; 0, or the cause when the data may not have reached it.
    int Close();
    bool IsOpen() const { return open_; }

  private:
    FileSystem& fs_;
    std::string path_;
    FileSystem::Handle handle_ = -1;
    bool open_ = false;
    long long written_ = 0;
    bool partial_ = false;  // a failed write may have left part of its block
};

}  // namespace orva
