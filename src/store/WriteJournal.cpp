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
int ReadJournal(FileSystem& fs, const std::string& path, std::vector<unsigned char>& bytes) {
    FileSystem::Handle handle = -1;
    bool created = false;
    const int opened = fs.Open(path, OpenMode::ReadOnly, 0, handle, created);
    if (opened < 0) return opened;
    const long long size = fs.Size(handle);
    if (size < 0) {
        fs.Close(handle);
        return static_cast<int>(size);
    }
    // One byte more than any journal holds tells a file that is too long for one.
    const auto wanted = static_cast<std::size_t>(
        std::min<long long>(size, static_cast<long long>(JournalChange::LongestEncoding()) + 1));
    bytes.resize(wanted);
    const long long read = wanted == 0 ? 0 : fs.ReadAt(handle, 0, bytes.data(), bytes.size());
    fs.Close(handle);
    if (read < 0) return static_cast<int>(read);
    bytes.resize(static_cast<std::size_t>(read));
    return 0;
}

}  // namespace

std::string WriteJournal::PathFor(const std::string& recordPath) {
    return recordPath + kJournalSuffix;
}

int WriteJournal::Begin(FileSystem& fs, const std::string& recordPath, const JournalChange& change) {
    const std::vector<unsigned char> bytes = change.Encode();
    const std::string path = PathFor(recordPath);
    TemporaryFile file;
    int result = fs.CreateTemporary(path, kRecordFilePermissions, file);
    if (result < 0) return result;
    result = fs.WriteAt(file.handle, 0, bytes.data(), bytes.size());
    if (result >= 0) result = fs.Sync(file.handle);
    if (result >= 0) result = fs.Publish(file, path, false);
    if (result < 0) {
        fs.Discard(file);
        return result;
    }
    // The journal's name must be on the disk before the record file changes.
    result = fs.SyncDirectoryOf(path);
    if (result < 0) fs.Remove(path);
    return result;
}

int WriteJournal::Commit(FileSystem& fs, const std::string& recordPath) {
    const std::string path = PathFor(recordPath);
    const int removed = fs.Remove(path);
    if (removed < 0) return removed;
    // The change counts from here. Should the folder not be synced, a power cut could bring the
    // journal back; it then matches the file with the whole change made and undoes it, which is
    // the better of the two wrongs than reporting as failed a change the file now holds.
    fs.SyncDirectoryOf(path);
    return 0;
}

WriteJournal::Found WriteJournal::Load(FileSystem& fs, const std::string& recordPath) {
    Found found;
    std::vector<unsigned char> bytes;
    const int read = ReadJournal(fs, PathFor(recordPath), bytes);
    if (read == Code(StoreError::FileNotFound) || read == Code(StoreError::BadPath)) return found;
    if (read < 0) {
        found.kind = Found::Kind::Unreadable;
        found.code = read;
        return found;
    }
    std::optional<JournalChange> change = JournalChange::Decode(bytes.data(), bytes.size());
    if (!change) {
        found.kind = Found::Kind::Damaged;
        return found;
    }
    found.kind = Found::Kind::Whole;
    found.change = std::move(*change);
    return found;
}

WriteJournal::SetAside WriteJournal::PutAside(FileSystem& fs, const std::string& recordPath) {
    const std::string path = PathFor(recordPath);
    SetAside result;
    for (int n = 1; n <= kMostSetAside; ++n) {
        const std::string name = path + kSetAsideSuffix + std::to_string(n);
        result.code = fs.Rename(path, name, false);
        if (result.code == Code(StoreError::FileExists)) continue;
        if (result.code == 0) {
            result.keptAs = name;
            fs.SyncDirectoryOf(path);
        }
        return result;
    }
    result.code = Code(StoreError::FileExists);
    return result;
}

}  // namespace orva
