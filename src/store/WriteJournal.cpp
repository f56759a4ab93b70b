#include "store/WriteJournal.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "store/StoreResult.h"

namespace orva {

namespace {

// Layout: magic, old length (8 bytes), created flag (1), region count (4), then per region its
// offset (8), size (4) and bytes, and last a checksum (4) of everything before it. Numbers are
// little-endian.
constexpr std::array<unsigned char, 8> kMagic = {'O', 'R', 'V', 'A', 'J', 'R', 'N', '1'};
constexpr std::size_t kChecksumSize = 4;
// A journal holds at most the header and a few records; anything larger is not one of ours.
constexpr long long kLongestJournal = 1 << 20;

void PutNumber(std::vector<unsigned char>& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

std::uint64_t GetNumber(const unsigned char* at, int bytes) {
    std::uint64_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = (value << 8) | at[i];
    return value;
}

// FNV-1a: enough to tell a journal written in full from one cut short.
std::uint32_t Checksum(const unsigned char* data, std::size_t size) {
    std::uint32_t hash = 2166136261u;
    for (std::size_t i = 0; i < size; ++i) hash = (hash ^ data[i]) * 16777619u;
    return hash;
}

struct Parsed {
    long long oldLength = 0;
    bool created = false;
    std::vector<WriteJournal::Region> regions;
};

// False for a journal that is incomplete or not ours.
bool Parse(const std::vector<unsigned char>& bytes, Parsed& parsed) {
    const std::size_t fixed = kMagic.size() + 8 + 1 + 4;
    if (bytes.size() < fixed + kChecksumSize) return false;
    const std::size_t body = bytes.size() - kChecksumSize;
    if (Checksum(bytes.data(), body) != static_cast<std::uint32_t>(GetNumber(bytes.data() + body, 4))) return false;
    if (std::memcmp(bytes.data(), kMagic.data(), kMagic.size()) != 0) return false;
    std::size_t at = kMagic.size();
    parsed.oldLength = static_cast<long long>(GetNumber(bytes.data() + at, 8));
    at += 8;
    parsed.created = bytes[at++] != 0;
    const std::uint64_t count = GetNumber(bytes.data() + at, 4);
    at += 4;
    for (std::uint64_t i = 0; i < count; ++i) {
        if (at + 12 > body) return false;
        WriteJournal::Region region;
        region.offset = static_cast<long long>(GetNumber(bytes.data() + at, 8));
        const std::size_t size = static_cast<std::size_t>(GetNumber(bytes.data() + at + 8, 4));
        at += 12;
        if (size > body - at) return false;
        region.bytes.assign(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                            bytes.begin() + static_cast<std::ptrdiff_t>(at + size));
        at += size;
        parsed.regions.push_back(std::move(region));
    }
    return at == body && parsed.oldLength >= 0;
}

// Reads the whole journal; kFileNotFound when there is none.
int ReadJournal(FileSystem& fs, const std::string& path, std::vector<unsigned char>& bytes) {
    FileSystem::Handle handle = -1;
    bool created = false;
    const int opened = fs.Open(path, OpenMode::ReadOnly, 0, handle, created);
    if (opened < 0) return opened;
    const long long size = fs.Size(handle);
    if (size < 0 || size > kLongestJournal) {
        fs.Close(handle);
        return size < 0 ? static_cast<int>(size) : kStoreOk;  // too long: treated as incomplete
    }
    bytes.resize(static_cast<std::size_t>(size));
    const long long read = size == 0 ? 0 : fs.ReadAt(handle, 0, bytes.data(), bytes.size());
    fs.Close(handle);
    if (read < 0) return static_cast<int>(read);
    bytes.resize(static_cast<std::size_t>(read));
    return kStoreOk;
}

}  // namespace

std::string WriteJournal::PathFor(const std::string& recordPath) {
    return recordPath + "-journal";
}

int WriteJournal::Begin(FileSystem& fs, const std::string& recordPath, long long oldLength, bool created,
                        const std::vector<Region>& regions) {
    std::vector<unsigned char> bytes(kMagic.begin(), kMagic.end());
    PutNumber(bytes, static_cast<std::uint64_t>(oldLength), 8);
    bytes.push_back(created ? 1 : 0);
    PutNumber(bytes, regions.size(), 4);
    for (const Region& region : regions) {
        PutNumber(bytes, static_cast<std::uint64_t>(region.offset), 8);
        PutNumber(bytes, region.bytes.size(), 4);
        bytes.insert(bytes.end(), region.bytes.begin(), region.bytes.end());
    }
    PutNumber(bytes, Checksum(bytes.data(), bytes.size()), 4);

    const std::string path = PathFor(recordPath);
    FileSystem::Handle handle = -1;
    bool made = false;
    int result = fs.Open(path, OpenMode::CreateNew, kRecordFilePermissions, handle, made);
    if (result < 0) return result;
    result = fs.WriteAt(handle, 0, bytes.data(), bytes.size());
    if (result >= 0) result = fs.Sync(handle);
    const int closed = fs.Close(handle);
    if (result >= 0) result = closed;
    // The journal's name must be on the disk before the record file changes.
    if (result >= 0) result = fs.SyncDirectoryOf(path);
    if (result < 0) {
        fs.Remove(path);
        return result;
    }
    return kStoreOk;
}

int WriteJournal::Commit(FileSystem& fs, const std::string& recordPath) {
    const std::string path = PathFor(recordPath);
    const int removed = fs.Remove(path);
    if (removed < 0) return removed;
    // The change counts from here. Should the folder not be synced, a power cut could bring the
    // journal back and undo a change reported as done; that is the better of the two wrongs
    // than reporting as failed a change the file now holds.
    fs.SyncDirectoryOf(path);
    return kStoreOk;
}

bool WriteJournal::Exists(FileSystem& fs, const std::string& recordPath) {
    FileSystem::Handle handle = -1;
    bool created = false;
    if (fs.Open(PathFor(recordPath), OpenMode::ReadOnly, 0, handle, created) < 0) return false;
    fs.Close(handle);
    return true;
}

int WriteJournal::Recover(FileSystem& fs, const std::string& recordPath, FileSystem::Handle handle,
                          Recovery& what) {
    what = Recovery::Nothing;
    const std::string path = PathFor(recordPath);
    std::vector<unsigned char> bytes;
    const int read = ReadJournal(fs, path, bytes);
    if (read == kFileNotFound) return kStoreOk;
    if (read < 0) return read;

    Parsed parsed;
    if (!Parse(bytes, parsed)) {
        const int removed = fs.Remove(path);
        if (removed < 0 && removed != kFileNotFound) return removed;
        what = Recovery::Dropped;
        return kStoreOk;
    }
    if (parsed.created) {
        // The interrupted change made the file: nothing of it may stay.
        int result = fs.Truncate(handle, 0);
        if (result >= 0) result = fs.Sync(handle);
        if (result >= 0) result = fs.Remove(recordPath);
        if (result < 0 && result != kFileNotFound) return result;
        what = Recovery::FileRemoved;
    } else {
        int result = kStoreOk;
        for (const Region& region : parsed.regions) {
            if (result >= 0) result = fs.WriteAt(handle, region.offset, region.bytes.data(), region.bytes.size());
        }
        if (result >= 0) result = fs.Truncate(handle, parsed.oldLength);
        if (result >= 0) result = fs.Sync(handle);
        if (result < 0) return result;
        what = Recovery::RolledBack;
    }
    const int removed = fs.Remove(path);
    if (removed < 0 && removed != kFileNotFound) return removed;
    return fs.SyncDirectoryOf(path);
}

}  // namespace orva
