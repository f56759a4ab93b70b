// SPDX-License-Identifier: Apache-2.0
#include "store/support/StoreTestSupport.h"

#include "store/FileHeader.h"
#include "store/RecordCodec.h"
#include "support/RecordBuilder.h"

namespace orva::testsupport {

Bytes ReadAll(const std::string& path) {
    const std::string bytes = ReadFile(path);
    return Bytes(bytes.begin(), bytes.end());
}

void WriteAll(const std::string& path, const Bytes& bytes) {
    WriteFile(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

AssessmentRecord SampleRecord(int seed, int reporter) {
    AssessmentRecord r;
    const std::string n = std::to_string(seed);
    r.SetFirstName(
        "Ren\xE9"
        "e" +
        n);  // Renée
    r.SetLastName(
        "M\xFCller-\xC5"
        "berg" +
        n);  // Müller-Åberg
    r.SetStreetAddress(
        "12 Stra\xDF"
        "e des 17. Juni, Apt " +
        n);
    r.SetTown(
        "K\xF8"
        "benhavn");
    r.SetState("N\xC9W");
    r.SetPostcode("2100-" + n);
    r.SetCountry(
        "Espa\xF1"
        "a");
    r.SetPhone("+45 3312 " + n);
    r.SetPhone2("(02) 9876 5432");
    r.SetEmail(
        "famille.f\xE9"
        "vrier" +
        n + "@example.org");
    r.SetObserverName(
        "Fran\xE7"
        "oise Ng");
    r.SetObserverRelationship("M\xE8re");
    r.SetObserverContact(
        "Via Garibaldi 3, \xC0"
        "rhus; tel 555-0100");
    r.SetObserverComment(std::string("Comment ") + n +
                         ": \x93quoted\x94 \x85 with a comma, tab\tand more text " + std::string(150, 'x'));
    r.SetDataEntry(seed % 2 == 0 ? kPaper : kOnScreen);
    r.SetSchoolYear(seed % 3 == 0 ? "K" : "12");
    r.SetSchool(
        "\xC9"
        "cole Sainte-Th\xE9r\xE8se " +
        n);
    std::vector<std::pair<int, int>> answers;
    for (int item = 1; item <= kItemCount; ++item) {
        const int v = (item * 5 + seed) % 7;
        answers.emplace_back(item, v == 6 ? -1 : v);
    }
    return RecordBuilder(r)
        .Reporter(reporter)
        .Born(2010 + seed % 5, 1 + seed % 12, 1 + seed % 28)
        .Completed(2024, 3, 1 + seed % 28)
        .Gender("MFXU"[seed % 4])
        .Answers(answers);
}

AssessmentRecord PersonRecord(const std::string& first, const std::string& last, int year, int month, int day,
                              int reporter, const LocalDateTime& savedAt) {
    return testsupport::RecordBuilder(reporter)
        .Names(first, last)
        .Born(year, month, day)
        .Observer(reporter == kSelf ? "" : "Observer")
        .SavedAt(savedAt);
}

StoredRecord Encode(AssessmentRecord record, const LocalDateTime& savedAt) {
    SequenceRandomSource random({40, 77, 101});
    return EncodeForStorage(record, FixedClock(savedAt), random);
}

RecordFile::AppendResult AppendStored(RecordFile& file, const std::string& path, const StoredRecord& stored) {
    return file.AppendRecords(path, {false, [&stored](const std::vector<StoredRecord>&) {
                                         return std::vector<StoredRecord>{stored};
                                     }});
}

Bytes FileBytes(const std::vector<StoredRecord>& records) {
    const HeaderBytes header = FileHeader::New(kSavedAt).Bytes();
    Bytes bytes(header.begin(), header.end());
    for (const StoredRecord& r : records) bytes.insert(bytes.end(), r.begin(), r.end());
    return bytes;
}

Bytes FileOfSamples(int count) {
    std::vector<StoredRecord> records;
    records.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) records.push_back(Encode(SampleRecord(i, i % 3)));
    return FileBytes(records);
}

}  // namespace orva::testsupport
