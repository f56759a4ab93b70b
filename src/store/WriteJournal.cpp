// SPDX-License-Identifier: Apache-2.0
#include "store/WriteJournal.h"

#include <algorithm>

#include "store/StoreError.h"

namespace orva {

namespace {

constexpr const char* kJournalSuffix = "-journal";
constexpr const char* kSetAsideSuffix = ".unmatched-";
constexpr int kMostSetAside = 99;

// Reads the whole journal; StoreError::FileNotFound when there is none.
StoreResult<std::vector<unsigned char>> ReadJournal(FileSystem& fs, const std::string& path) {
    const StoreResult<FileSystem::Handle> opened = fs.Open(path, OpenMode::ReadOnly, 0);
    if (!opened) return opened.Error();
    const FileSystem::Handle handle = *opened;
    const StoreResult<long long> size = fs.Size(handle);
    if (!size) {
        (void)fs.Close(handle);  // only read from
        return size.Error();
    }
    // One byte more than any journal holds tells a file that is too long for one.
    const auto wanted = static_cast<std::size_t>(
        std::min<long long>(*size, static_cast<long long>(JournalChange::LongestEncoding()) + 1));
    std::vector<unsigned char> bytes(wanted);
    const StoreResult<long long> read =
        wanted == 0 ? StoreResult<long long>(0) : fs.ReadAt(handle, 0, bytes.data(), bytes.size());
    (void)fs.Close(handle);  // only read from
    if (!read) return read.Error();
    bytes.resize(static_cast<std::size_t>(*read));
    return bytes;
}

}  // namespace

std::string WriteJournal::PathFor(const std::string& recordPath) {
    return recordPath + kJournalSuffix;
}

StoreStatus WriteJournal::Begin(FileSystem& fs, const std::string& recordPath, const JournalChange& change) {
    const std::vector<unsigned char> bytes = change.Encode();
    const std::string path = PathFor(recordPath);
    StoreResult<TemporaryFile> made = fs.CreateTemporary(path, kRecordFilePermissions);
    if (!made) return made.Error();
    TemporaryFile& file = made.Value();
    StoreStatus result = fs.WriteAt(file.handle, 0, bytes.data(), bytes.size());
    if (result) result = fs.Sync(file.handle);
    if (result) result = fs.Publish(file, path, false);
    if (!result) {
        fs.Discard(file);
        return result;
    }
    // The journal's name must be on the disk before the record file changes.
    result = fs.SyncDirectoryOf(path);
    // A journal that may not survive a power cut is no journal: the change does not start.
    if (!result) (void)fs.Remove(path);
    return result;
}

StoreStatus WriteJournal::Commit(FileSystem& fs, const std::string& recordPath) {
    const std::string path = PathFor(recordPath);
    const StoreStatus removed = fs.Remove(path);
    if (!removed) return removed;
    // The change counts from here. Should the folder not be synced, a power cut could bring the
    // journal back; it then matches the file with the whole change made and undoes it, which is
    // the better of the two wrongs than reporting as failed a change the file now holds.
    (void)fs.SyncDirectoryOf(path);
    return {};
}

WriteJournal::Found WriteJournal::Load(FileSystem& fs, const std::string& recordPath) {
    Found found;
    const StoreResult<std::vector<unsigned char>> read = ReadJournal(fs, PathFor(recordPath));
    if (!read && (read.Error() == StoreError::FileNotFound || read.Error() == StoreError::BadPath))
        return found;
    if (!read) {
        found.kind = Found::Kind::Unreadable;
        found.cause = read.Error();
        return found;
    }
    std::optional<JournalChange> change = JournalChange::Decode(read->data(), read->size());
    if (!change) {
        found.kind = Found::Kind::Damaged;
        return found;
    }
    found.kind = Found::Kind::Whole;
    found.change = std::move(*change);
    return found;
}

StoreResult<std::string> WriteJournal::PutAside(FileSystem& fs, const std::string& recordPath) {
    const std::string path = PathFor(recordPath);
    for (int n = 1; n <= kMostSetAside; ++n) {
        const std::string name = path + kSetAsideSuffix + std::to_string(n);
        const StoreStatus renamed = fs.Rename(path, name, false);
        if (!renamed && renamed.Error() == StoreError::FileExists) continue;
        if (!renamed) return renamed.Error();
        // Set aside either way: a name that is not yet durable is still no journal's.
        (void)fs.SyncDirectoryOf(path);
        return name;
    }
    return StoreError::FileExists;
}

}  // namespace orva
