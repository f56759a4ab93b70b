// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstddef>
#include <string>

#include "store/FileSystem.h"
#include "store/StoreError.h"

namespace orva {

// The one way the program writes an output file (CSV, RTF, PDF, the export passwords), with
// create-or-replace semantics. It is written whole or not at all: the blocks go to a temporary
// file beside the target (unnamed where the file system allows it, so that not even a kill
// leaves anything of it), which takes the target's name only when Close finds every block
// written and on the disk. Without `replace` the name is claimed in one step that fails when a
// file is there, so nothing that appeared meanwhile is ever replaced. A failure, a Discard, or a
// file never closed leaves no partial file, and an old file being replaced stays intact until
// then. A record file is never replaced by an output (StoreError::OutputIsRecordFile).
// A failure is the platform's cause, or StoreError::FileExists when the file is there and was
// not to be replaced.
class OutputFile {
  public:
    explicit OutputFile(FileSystem& fileSystem = DefaultFileSystem(),
                        unsigned permissions = kReportFilePermissions);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    void SetPath(const std::string& path) { path_ = path; }
    const std::string& Path() const { return path_; }

    // Without `replace` an existing file gives StoreError::FileExists and is left untouched; with it the
    // existing file is replaced on Close (unless someone holds it now: StoreError::SharingViolation).
    StoreStatus Open(bool replace);
    // Appends the whole block, or fails, and the failure then fails the file.
    StoreStatus Write(const void* data, std::size_t size);
    // Abandons what this open wrote: the temporary file goes, the target is as it was.
    void Discard();
    // Flushes to the disk and gives the file its name; the failure of the first failed write or
    // of this step, and then nothing of this open is left.
    StoreStatus Close();
    bool IsOpen() const { return open_; }

    // Whether `path` names a record file: by its ".rpc" ending, or, for a file that is there
    // (a link followed), by the version word a record file starts with.
    static bool IsRecordFile(FileSystem& fs, const std::string& path);

  private:
    FileSystem& fs_;
    unsigned permissions_;
    std::string path_;
    TemporaryFile temporary_;
    bool open_ = false;
    bool replace_ = false;
    long long written_ = 0;
    StoreStatus failure_;  // the first failed write's
};

}  // namespace orva
