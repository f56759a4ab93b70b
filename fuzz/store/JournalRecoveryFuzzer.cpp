// SPDX-License-Identifier: Apache-2.0
// A record file with any journal beside it, of any bytes or a whole journal built from the
// input, is opened by a reader and then by a writer. Nothing may crash; the reader never
// changes the file; the writer applies the journal only when it matches the file, and then the
// file is exactly as it was before the change; any other journal is kept aside, the file left
// as it is; and no journal stays where the next opener would find it.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "store/JournalChange.h"
#include "store/RecordList.h"
#include "store/UnmatchedJournal.h"
#include "store/WriteJournal.h"
#include "support/JournalSettling.h"
#include "support/MemoryFileSystem.h"

namespace {

using namespace orva;
using Bytes = std::vector<unsigned char>;

const std::string kPath = "/fuzz.rpc";

void Check(bool condition) {
    if (!condition) std::abort();
}

// Takes bytes from the front of the input.
class Input {
  public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::size_t Left() const { return size_ - at_; }
    std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
    long long Number(long long most) {
        const long long value = (static_cast<long long>(Byte()) << 8) | Byte();
        return most <= 0 ? 0 : value % (most + 1);
    }
    Bytes Take(std::size_t count) {
        count = std::min(count, Left());
        Bytes bytes(data_ + at_, data_ + at_ + count);
        at_ += count;
        return bytes;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// A journal of this file's identity whose lengths and regions come from the input, so that the
// check of a journal against its file meets every kind of near miss.
Bytes BuiltJournal(Input& input, const Bytes& file) {
    JournalChange change;
    change.identity = {1, 1};  // the memory file system's first file
    if (input.Byte() % 8 == 0) change.identity.file = 2;
    const long long length = static_cast<long long>(file.size());
    change.oldLength = input.Number(length + 3000);
    change.lowestLength = input.Number(change.oldLength);
    change.newLength = change.lowestLength + input.Number(6000);
    const int beforeCount = input.Byte() % 3;
    for (int i = 0; i < beforeCount && change.oldLength > 0; ++i) {
        JournalChange::Region region;
        region.offset = input.Number(change.oldLength - 1);
        const std::size_t size = static_cast<std::size_t>(input.Number(change.oldLength - region.offset));
        region.bytes = input.Take(size);
        region.bytes.resize(size, 0);
        change.before.push_back(std::move(region));
    }
    const int afterCount = input.Byte() % 3;
    const long long longest = std::max(change.oldLength, change.newLength);
    for (int i = 0; i < afterCount && longest > 0; ++i) {
        JournalChange::Region region;
        region.offset = input.Number(longest - 1);
        const std::size_t size = static_cast<std::size_t>(input.Number(longest - region.offset));
        // Often the file's own bytes, so that the journal matches.
        if (input.Byte() % 2 == 0) {
            for (std::size_t j = 0; j < size; ++j) {
                const std::size_t at = static_cast<std::size_t>(region.offset) + j;
                region.bytes.push_back(at < file.size() ? file[at] : input.Byte());
            }
        } else {
            region.bytes = input.Take(size);
            region.bytes.resize(size, 0);
        }
        change.after.push_back(std::move(region));
    }
    return change.Encode();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input input(data, size);
    const bool built = input.Byte() % 2 == 0;
    const Bytes file = input.Take(input.Number(4 * 2187));
    const Bytes journal = built ? BuiltJournal(input, file) : input.Take(input.Left());

    testsupport::MemoryFileSystem fs;
    fs.Put(kPath, file);
    fs.Put(WriteJournal::PathFor(kPath), journal);
    int told = 0;
    const UnmatchedJournalListening listening([&told](const UnmatchedJournal&) { ++told; });

    RecordList list(fs);
    // Whether it loads or not, a reader never changes the file.
    static_cast<void>(list.Load(kPath, true, false));
    Check(fs.Content(kPath) == file);

    std::optional<JournalChange> change = JournalChange::Decode(journal.data(), journal.size());
    const bool stillThere = fs.Exists(WriteJournal::PathFor(kPath));
    // The journal is settled before the file's header is looked at, so it is settled even when
    // the file then refuses the append.
    static_cast<void>(testsupport::SettleAsTheNextWriter(kPath, fs));
    Check(!fs.Exists(WriteJournal::PathFor(kPath)));
    if (!stillThere) {
        // Set aside by the reader already.
        Check(told == 1 && fs.Content(kPath) == file);
        return 0;
    }
    const bool applied = fs.Content(kPath) != file || (change && told == 0);
    if (applied) {
        Check(change.has_value() && told == 0);
        Check(static_cast<long long>(fs.Content(kPath).size()) == change->oldLength);
        Bytes expected = file;
        expected.resize(static_cast<std::size_t>(change->oldLength), 0);
        change->Undo(0, expected.data(), expected.size());
        Check(fs.Content(kPath) == expected);
    } else {
        Check(told == 1);
        Check(fs.Content(WriteJournal::PathFor(kPath) + ".unmatched-1") == journal);
    }
    return 0;
}
