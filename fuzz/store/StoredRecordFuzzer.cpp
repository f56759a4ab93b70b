// SPDX-License-Identifier: Apache-2.0
// Any bytes given to the record decoder: it must never crash or read out of bounds, and
// whatever it accepts must encode and decode again to the same fields. Odd first bytes make
// the rest a plain image with sound checks, so that the field unpacking sees any bytes too.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "store/RecordCodec.h"
#include "store/RecordRules.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

orva::StoredRecord FromImage(const std::uint8_t* data, std::size_t size, orva::RecordImage& image) {
    using namespace orva;
    image = RecordImage{};
    std::memcpy(image.data(), data, std::min(size, image.size()));
    unsigned char x = 0;
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < kImageCheckedBytes; ++i) {
        x ^= image[i];
        sum += image[i];
    }
    image[kImageCheckByte] = x;
    for (int i = 0; i < 4; ++i) image[kImageCheckSum + i] = static_cast<unsigned char>(sum >> (8 * i));
    Check(ImageChecksMatch(image));
    SequenceRandomSource random({static_cast<int>(size)});
    return ScrambleImage(image, random);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orva;
    if (size == 0) return 0;
    const bool asImage = (data[0] & 1) != 0;
    StoredRecord stored{};
    RecordImage image{};
    if (asImage) {
        stored = FromImage(data + 1, size - 1, image);
    } else {
        std::memcpy(stored.data(), data + 1, std::min(size - 1, stored.size()));
    }

    AssessmentRecord record;
    const AssessmentRecord untouched = record;
    const bool decoded = DecodeFromStorage(record, stored.data()).Ok();
    // An image with sound checks is refused only for breaking the rules every saved record follows.
    Check(!asImage || decoded == FollowsRecordRules(image));
    if (!decoded) {
        Check(record.SameContent(untouched));
        return 0;
    }
    AssessmentRecord copy = record;
    SequenceRandomSource random({static_cast<int>(size)});
    // Saved after any date a record can hold, so that the saved copy follows the rules too.
    const FixedClock clock({2099, 12, 31, 23, 59, 59});
    const StoredRecord again = EncodeForStorage(copy, clock, random);
    AssessmentRecord back;
    Check(DecodeFromStorage(back, again.data()).Ok());
    Check(back.SameContent(record));
    Check(back.GetReporter() == record.GetReporter());
    for (int item = 1; item < kResponseSlots; ++item)
        Check(back.GetHeldResponse(item) == record.GetHeldResponse(item));
    return 0;
}
