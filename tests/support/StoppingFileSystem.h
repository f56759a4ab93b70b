// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <vector>

#include "support/ForwardingFileSystem.h"

namespace orva::testsupport {

// Another file system until a budget of steps is spent; from then on the process is as good as
// dead: nothing more reaches the disk (a write that crosses the budget is cut there), and every
// later write, truncate, sync, naming or removal fails. What is left is what a kill at that
// moment would leave, and over a MemoryFileSystem, after PowerCut(), what a power cut would.
// A write costs its bytes; every other step that changes something costs one.
class StoppingFileSystem final : public ForwardingFileSystem {
  public:
    static constexpr long long kUnlimited = 1LL << 40;

    explicit StoppingFileSystem(FileSystem& inner, long long budget = kUnlimited)
        : ForwardingFileSystem(inner), budget_(budget) {}

    bool Stopped() const { return dead_; }
    // Budgets worth stopping at: before each step, one byte into each write and halfway, and
    // after the last step.
    std::vector<long long> StopPoints() const;
    void DenyWriteAccess() { denyWrite_ = true; }

    StoreResult<Handle> Open(const std::string& path, OpenMode mode, unsigned permissions) override;
    StoreStatus WriteAt(Handle handle, long long offset, const void* data, std::size_t size) override;
    StoreStatus Truncate(Handle handle, long long length) override;
    StoreStatus Sync(Handle handle) override;
    StoreStatus Remove(const std::string& path) override;
    StoreStatus SyncDirectoryOf(const std::string& path) override;
    StoreStatus Rename(const std::string& from, const std::string& to, bool replace) override;
    StoreResult<TemporaryFile> CreateTemporary(const std::string& besidePath, unsigned permissions) override;
    StoreStatus Publish(TemporaryFile& file, const std::string& path, bool replace) override;
    void Discard(TemporaryFile& file) override;

  private:
    // True when the step may happen.
    bool Step();
    void NoteStops(long long size);

    long long budget_;
    std::vector<long long> stops_;
    bool dead_ = false;
    bool denyWrite_ = false;
};

}  // namespace orva::testsupport
