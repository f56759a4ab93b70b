// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include "store/FileSystem.h"
#include "store/StoreError.h"

namespace orva {

// What a journal records of one change to a record file: which file it is, how long it was,
// how short and how long it gets on the way, the bytes the change overwrites as they were and
// the bytes it writes. From that it tells whether a file is this very file part way through
// this change (and nothing else: not a copy, not a file put back from a backup, not the file
// after someone else's change), and it can show the file as it was before.
struct JournalChange {
    struct Region {
        long long offset = 0;
        std::vector<unsigned char> bytes;

        long long End() const { return offset + static_cast<long long>(bytes.size()); }
    };

    // Reads the current file: the bytes read, or the cause.
    using Reader =
        std::function<StoreResult<long long>(long long offset, unsigned char* buffer, std::size_t size)>;

    FileIdentity identity;
    long long oldLength = 0;
    long long lowestLength = 0;  // the shortest the file is while the change is made
    long long newLength = 0;
    std::vector<Region> before;  // what the change overwrites or cuts off, as it was
    std::vector<Region> after;   // what the change writes

    // The journal's bytes, ending in a checksum of all before it.
    std::vector<unsigned char> Encode() const;
    // Nothing for bytes that are not a whole journal of this kind (cut short, damaged, another
    // version's). Safe on any bytes.
    static std::optional<JournalChange> Decode(const unsigned char* data, std::size_t size);
    // The most a journal of a record file can hold; anything longer is none of ours.
    static std::size_t LongestEncoding();

    // True when the file of `identity` and `length`, read through `read`, is this file in a
    // state the change passes through: its length between the shortest and the longest, and
    // every byte the change writes either as it was or as the change writes it.
    bool Matches(const FileIdentity& fileIdentity, long long length, const Reader& read) const;

    // Turns `size` bytes read from the current file at `offset` (zeros where the file is now
    // shorter) into the bytes the file held there before the change.
    void Undo(long long offset, unsigned char* bytes, std::size_t size) const;
};

}  // namespace orva
