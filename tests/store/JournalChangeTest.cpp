#include <gtest/gtest.h>

#include <cstring>

#include "store/JournalChange.h"

namespace orva {
namespace {

using Bytes = std::vector<unsigned char>;

// A change that appends 6 bytes to a 10-byte file after cutting its 2-byte tail, and rewrites
// its 3-byte header.
JournalChange SampleChange() {
    JournalChange change;
    change.identity = {7, 4242};
    change.oldLength = 10;
    change.lowestLength = 8;
    change.newLength = 14;
    change.before = {{0, {'o', 'l', 'd'}}, {8, {'t', 't'}}};
    change.after = {{8, {'n', 'e', 'w', 'r', 'e', 'c'}}, {0, {'N', 'E', 'W'}}};
    return change;
}

// A file as the reader gives it.
JournalChange::Reader ReaderOf(const Bytes& file) {
    return [file](long long offset, unsigned char* buffer, std::size_t size) -> long long {
        if (offset >= static_cast<long long>(file.size())) return 0;
        const std::size_t n = std::min(size, file.size() - static_cast<std::size_t>(offset));
        std::memcpy(buffer, file.data() + offset, n);
        return static_cast<long long>(n);
    };
}

const Bytes kBefore = {'o', 'l', 'd', '1', '2', '3', '4', '5', 't', 't'};
const Bytes kDone = {'N', 'E', 'W', '1', '2', '3', '4', '5', 'n', 'e', 'w', 'r', 'e', 'c'};

TEST(JournalChange, ComesBackFromItsBytesAsItWasWritten) {
    const JournalChange change = SampleChange();
    const Bytes bytes = change.Encode();
    const std::optional<JournalChange> back = JournalChange::Decode(bytes.data(), bytes.size());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->identity, change.identity);
    EXPECT_EQ(back->oldLength, 10);
    EXPECT_EQ(back->lowestLength, 8);
    EXPECT_EQ(back->newLength, 14);
    ASSERT_EQ(back->before.size(), 2u);
    EXPECT_EQ(back->before[1].bytes, (Bytes{'t', 't'}));
    ASSERT_EQ(back->after.size(), 2u);
    EXPECT_EQ(back->after[0].offset, 8);
}

// Whatever happened to a journal, only a whole one of this kind is ever taken.
TEST(JournalChange, IsNotTakenCutShortChangedOrOfAnotherKind) {
    const Bytes bytes = SampleChange().Encode();
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        EXPECT_FALSE(JournalChange::Decode(bytes.data(), size)) << "cut to " << size;
    }
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        Bytes changed = bytes;
        changed[at] ^= 0x20;
        EXPECT_FALSE(JournalChange::Decode(changed.data(), changed.size())) << "byte " << at;
    }
    Bytes longer = bytes;
    longer.push_back(0);
    EXPECT_FALSE(JournalChange::Decode(longer.data(), longer.size()));
}

TEST(JournalChange, IsNotTakenWhenItsRegionsLieOutsideTheLengthsItNames) {
    JournalChange change = SampleChange();
    change.before.push_back({9, {'x', 'x'}});  // past the old length
    Bytes bytes = change.Encode();
    EXPECT_FALSE(JournalChange::Decode(bytes.data(), bytes.size()));
    change = SampleChange();
    change.lowestLength = 11;
    bytes = change.Encode();
    EXPECT_FALSE(JournalChange::Decode(bytes.data(), bytes.size()));
}

TEST(JournalChange, MatchesItsFileAtEveryStateTheChangePassesThrough) {
    const JournalChange change = SampleChange();
    EXPECT_TRUE(change.Matches({7, 4242}, 10, ReaderOf(kBefore)));
    EXPECT_TRUE(change.Matches({7, 4242}, 14, ReaderOf(kDone)));
    // Tail cut, part of the new bytes written, the header half rewritten.
    const Bytes part = {'N', 'E', 'd', '1', '2', '3', '4', '5', 'n', 'e', 'w'};
    EXPECT_TRUE(change.Matches({7, 4242}, 11, ReaderOf(part)));
    const Bytes cut = {'o', 'l', 'd', '1', '2', '3', '4', '5'};
    EXPECT_TRUE(change.Matches({7, 4242}, 8, ReaderOf(cut)));
}

TEST(JournalChange, DoesNotMatchAnotherFileOrAFileChangedOtherwise) {
    const JournalChange change = SampleChange();
    EXPECT_FALSE(change.Matches({7, 4243}, 14, ReaderOf(kDone)));  // a copy
    EXPECT_FALSE(change.Matches({8, 4242}, 14, ReaderOf(kDone)));
    const Bytes shorter = {'o', 'l', 'd', '1', '2', '3', '4'};
    EXPECT_FALSE(change.Matches({7, 4242}, 7, ReaderOf(shorter)));
    Bytes longer = kDone;
    longer.push_back('+');
    EXPECT_FALSE(change.Matches({7, 4242}, 15, ReaderOf(longer)));
    Bytes otherHeader = kDone;
    otherHeader[1] = 'x';
    EXPECT_FALSE(change.Matches({7, 4242}, 14, ReaderOf(otherHeader)));
    Bytes otherRecord = kDone;
    otherRecord[12] = 'x';
    EXPECT_FALSE(change.Matches({7, 4242}, 14, ReaderOf(otherRecord)));
}

TEST(JournalChange, UndoGivesBackTheBytesAsTheyWere) {
    const JournalChange change = SampleChange();
    Bytes read = {'N', 'E', 'W', '1', '2', '3', '4', '5', 'n', 'e'};
    change.Undo(0, read.data(), read.size());
    EXPECT_EQ(read, kBefore);
    Bytes middle = {'E', 'W', '1'};
    change.Undo(1, middle.data(), middle.size());
    EXPECT_EQ(middle, (Bytes{'l', 'd', '1'}));
}

}  // namespace
}  // namespace orva
