// SPDX-License-Identifier: Apache-2.0
#include "store/JournalChange.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "store/RecordFormat.h"

namespace orva {

namespace {

// Layout: magic; the file's device and index; old, lowest and new length; the regions before
// and after, each list a count and per region its offset (8), size (4) and bytes; last a
// checksum (8) of everything before it. Numbers are little-endian.
constexpr std::array<unsigned char, 8> kMagic = {'O', 'R', 'V', 'A', 'J', 'R', 'N', '2'};
constexpr std::size_t kFixedSize = kMagic.size() + 5 * 8;
constexpr std::size_t kChecksumSize = 8;
constexpr std::size_t kRegionOverhead = 12;
constexpr std::size_t kMostRegions = 4;

void PutNumber(std::vector<unsigned char>& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

// FNV-1a: enough to tell a journal written in full from one damaged since.
std::uint64_t Checksum(const unsigned char* data, std::size_t size) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (std::size_t i = 0; i < size; ++i) hash = (hash ^ data[i]) * 1099511628211ULL;
    return hash;
}

void PutRegions(std::vector<unsigned char>& out, const std::vector<JournalChange::Region>& regions) {
    PutNumber(out, regions.size(), 4);
    for (const JournalChange::Region& region : regions) {
        PutNumber(out, static_cast<std::uint64_t>(region.offset), 8);
        PutNumber(out, region.bytes.size(), 4);
        out.insert(out.end(), region.bytes.begin(), region.bytes.end());
    }
}

// Reads numbers and regions from the journal's body, refusing to go past its end.
class BodyReader {
  public:
    BodyReader(const unsigned char* data, std::size_t size) : data_(data), size_(size) {}

    bool Number(int bytes, std::uint64_t& value) {
        if (size_ - at_ < static_cast<std::size_t>(bytes)) return false;
        value = 0;
        for (int i = bytes - 1; i >= 0; --i) value = (value << 8) | data_[at_ + static_cast<std::size_t>(i)];
        at_ += static_cast<std::size_t>(bytes);
        return true;
    }

    bool Length(long long& length) {
        std::uint64_t value = 0;
        if (!Number(8, value) || value > static_cast<std::uint64_t>(RecordOffset(2 * kMaxRecords))) return false;
        length = static_cast<long long>(value);
        return true;
    }

    bool Regions(std::vector<JournalChange::Region>& regions) {
        std::uint64_t count = 0;
        if (!Number(4, count) || count > kMostRegions) return false;
        for (std::uint64_t i = 0; i < count; ++i) {
            JournalChange::Region region;
            std::uint64_t size = 0;
            if (!Length(region.offset) || !Number(4, size) || size > size_ - at_) return false;
            region.bytes.assign(data_ + at_, data_ + at_ + size);
            at_ += static_cast<std::size_t>(size);
            regions.push_back(std::move(region));
        }
        return true;
    }

    bool AtEnd() const { return at_ == size_; }

  private:
    const unsigned char* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

bool Within(const std::vector<JournalChange::Region>& regions, long long end) {
    return std::all_of(regions.begin(), regions.end(),
                       [end](const JournalChange::Region& region) { return region.End() <= end; });
}

}  // namespace

std::vector<unsigned char> JournalChange::Encode() const {
    std::vector<unsigned char> bytes(kMagic.begin(), kMagic.end());
    PutNumber(bytes, identity.device, 8);
    PutNumber(bytes, identity.file, 8);
    PutNumber(bytes, static_cast<std::uint64_t>(oldLength), 8);
    PutNumber(bytes, static_cast<std::uint64_t>(lowestLength), 8);
    PutNumber(bytes, static_cast<std::uint64_t>(newLength), 8);
    PutRegions(bytes, before);
    PutRegions(bytes, after);
    PutNumber(bytes, Checksum(bytes.data(), bytes.size()), 8);
    return bytes;
}

std::size_t JournalChange::LongestEncoding() {
    return kFixedSize + 2 * 4 + kChecksumSize + 2 * kMostRegions * kRegionOverhead + 2 * kHeaderSize +
           2 * kStoredRecordSize + static_cast<std::size_t>(kMaxRecords) * kStoredRecordSize;
}

std::optional<JournalChange> JournalChange::Decode(const unsigned char* data, std::size_t size) {
    if (size < kFixedSize + kChecksumSize || size > LongestEncoding()) return std::nullopt;
    const std::size_t body = size - kChecksumSize;
    BodyReader checksum(data + body, kChecksumSize);
    std::uint64_t stored = 0;
    if (!checksum.Number(8, stored) || stored != Checksum(data, body)) return std::nullopt;
    if (std::memcmp(data, kMagic.data(), kMagic.size()) != 0) return std::nullopt;

    BodyReader reader(data + kMagic.size(), body - kMagic.size());
    JournalChange change;
    if (!reader.Number(8, change.identity.device) || !reader.Number(8, change.identity.file) ||
        !reader.Length(change.oldLength) || !reader.Length(change.lowestLength) ||
        !reader.Length(change.newLength) || !reader.Regions(change.before) || !reader.Regions(change.after) ||
        !reader.AtEnd()) {
        return std::nullopt;
    }
    const bool consistent = change.lowestLength <= change.oldLength && change.lowestLength <= change.newLength &&
                            Within(change.before, change.oldLength) &&
                            Within(change.after, std::max(change.oldLength, change.newLength));
    if (!consistent) return std::nullopt;
    return change;
}

bool JournalChange::Matches(const FileIdentity& fileIdentity, long long length, const Reader& read) const {
    if (!(fileIdentity == identity)) return false;
    if (length < lowestLength || length > std::max(oldLength, newLength)) return false;
    const auto wasThere = [this](long long position, unsigned char byte) {
        if (position >= oldLength) return false;
        for (const Region& region : before) {
            if (position >= region.offset && position < region.End()) {
                return region.bytes[static_cast<std::size_t>(position - region.offset)] == byte;
            }
        }
        return false;
    };
    std::vector<unsigned char> current;
    for (const Region& region : after) {
        const long long end = std::min(region.End(), length);
        if (end <= region.offset) continue;
        current.resize(static_cast<std::size_t>(end - region.offset));
        const StoreResult<long long> got = read(region.offset, current.data(), current.size());
        if (!got || *got != static_cast<long long>(current.size())) return false;
        for (std::size_t i = 0; i < current.size(); ++i) {
            if (current[i] == region.bytes[i]) continue;
            if (!wasThere(region.offset + static_cast<long long>(i), current[i])) return false;
        }
    }
    return true;
}

void JournalChange::Undo(long long offset, unsigned char* bytes, std::size_t size) const {
    const long long end = offset + static_cast<long long>(size);
    for (const Region& region : before) {
        const long long from = std::max(offset, region.offset);
        const long long to = std::min(end, region.End());
        if (from >= to) continue;
        std::memcpy(bytes + (from - offset), region.bytes.data() + (from - region.offset),
                    static_cast<std::size_t>(to - from));
    }
}

}  // namespace orva
