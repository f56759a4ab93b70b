// SPDX-License-Identifier: Apache-2.0
// Whole record files of any content, read by the list, the sequential reader and the reader by
// position, and written to: nothing may crash, and a write either succeeds whole or leaves the
// file exactly as it was.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "store/FileHeader.h"
#include "store/RecordCodec.h"
#include "store/RecordFile.h"
#include "store/RecordList.h"
#include "store/StoreError.h"
#include "store/WriteJournal.h"
#include "support/MemoryFileSystem.h"

namespace {

using namespace orva;
using Bytes = std::vector<unsigned char>;

void Check(bool condition) {
    if (!condition) std::abort();
}

// The first byte chooses the shape: the input as the file itself, or a sound header with
// records of which some are sound and the others are taken from the input.
Bytes MakeFile(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return {};
    const std::uint8_t shape = data[0];
    ++data;
    --size;
    if ((shape & 0x80) == 0) return Bytes(data, data + size);

    const HeaderBytes header = FileHeader::New({2024, 1, 1, 0, 0, 0}).Bytes();
    Bytes file(header.begin(), header.end());
    const int records = shape & 0x07;
    std::size_t used = 0;
    for (int i = 0; i < records; ++i) {
        StoredRecord stored{};
        if (((shape >> 3) & 0x0F) & (1 << (i % 4))) {
            AssessmentRecord record;
            record.SetFirstName(i % 2 ? "Ann" : "ann");
            record.SetLastName("Lee");
            AssumeAccepted(record.SetBirthDate(2012, 1 + i % 2, 3));
            AssumeAccepted(record.SetReporter(i % 3));
            SequenceRandomSource random({i});
            stored = EncodeForStorage(record, FixedClock({2024, 1, 1, 0, 0, i}), random);
        } else {
            const std::size_t n = std::min(stored.size(), size - used);
            std::memcpy(stored.data(), data + used, n);
            used += n;
        }
        file.insert(file.end(), stored.begin(), stored.end());
    }
    file.insert(file.end(), data + used, data + size);  // a tail, whole or not
    return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Bytes content = MakeFile(data, size);
    const std::string path = "/fuzz.rpc";

    testsupport::MemoryFileSystem fs;
    fs.Put(path, content);
    RecordList list(fs);
    if (list.Load(path, true, true)) {
        Check(list.RowCount() <= kMaxRecords);
        Check(list.RowCount() + static_cast<long long>(list.FailedPositions().size()) +
                  list.RecordsBeyondCapacity() ==
              list.RecordsInFile());
        for (int row = 0; row < list.RowCount(); ++row) {
            const auto latest = list.FindLatestPerReporter(row);
            Check(latest.has_value());
            Check((*latest)[0] >= 0 || (*latest)[1] >= 0 || (*latest)[2] >= 0);
        }
        if (const auto run = list.Find("ann", "lee", 2012, 1, 3)) Check(run->first <= run->last);
    } else {
        Check(list.RowCount() == 0);
    }

    RecordFile reader(SystemClock::Instance(), fs);
    StoreResult<ReadPlace> result = reader.OpenForReading(path, true);
    long long reads = 0;
    while (result ? *result == ReadPlace::MoreRecords : result.Error() == StoreError::IncompleteRecord) {
        result = reader.ReadNext();
        Check(++reads <= reader.RecordCount());
    }
    reader.Close();
    const int readAt = static_cast<int>(size % 5);
    const StoreResult<StoredRecord> at = reader.ReadRecordAt(path, readAt);
    Check(!at || (content.size() >= static_cast<std::size_t>(RecordOffset(readAt + 1)) &&
                  std::equal(at->begin(), at->end(), content.begin() + RecordOffset(readAt))));

    AssessmentRecord record;
    record.SetFirstName("New");
    SequenceRandomSource random({50});
    const FixedClock clock({2024, 2, 2, 2, 2, 2});
    const StoredRecord stored = EncodeForStorage(record, clock, random);
    RecordFile writer(clock, fs);
    const bool replacing = size % 3 == 0;
    int position = 0;
    StoreStatus written;
    if (replacing) {
        written = writer.ReplaceRecord(path, 0, stored);
    } else {
        const RecordFile::AppendResult appended =
            writer.AppendRecords(path, {false, [&stored](const std::vector<StoredRecord>&) {
                                            return std::vector<StoredRecord>{stored};
                                        }});
        written = appended.status;
        position = appended.firstPosition;
    }
    const Bytes& after = fs.Content(path);
    if (written) {
        // An append cuts off a partial record at the end; a replacement keeps the length.
        if (replacing) {
            Check(after.size() == content.size());
        } else {
            Check(after.size() == static_cast<std::size_t>(RecordOffset(position + 1)));
        }
        Check(std::equal(stored.begin(), stored.end(), after.begin() + RecordOffset(position)));
    } else {
        Check(after == content);
    }
    // Every change settles its journal before it returns, whatever its outcome.
    Check(!fs.Exists(WriteJournal::PathFor(path)));
    return 0;
}
