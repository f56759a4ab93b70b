// SPDX-License-Identifier: Apache-2.0
#include "store/support/StoreTestSupport.h"

#include "store/FileHeader.h"
#include "store/RecordCodec.h"

namespace orva::test {

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
    r.SetBirthDate(2010 + seed % 5, 1 + seed % 12, 1 + seed % 28);
    r.SetCompletionDate(2024, 3, 1 + seed % 28);
    r.SetObserverName(
        "Fran\xE7"
        "oise Ng");
    r.SetObserverRelationship("M\xE8re");
    r.SetObserverContact(
        "Via Garibaldi 3, \xC0"
        "rhus; tel 555-0100");
    r.SetObserverComment(std::string("Comment ") + n +
                         ": \x93quoted\x94 \x85 with a comma, tab\tand more text " + std::string(150, 'x'));
    r.SetGender("MFXU"[seed % 4]);
    r.SetReporter(reporter);
    r.SetDataEntry(seed % 2 == 0 ? kPaper : kOnScreen);
    r.SetSchoolYear(seed % 3 == 0 ? "K" : "12");
    r.SetSchool(
        "\xC9"
        "cole Sainte-Th\xE9r\xE8se " +
        n);
    for (int item = 1; item <= kItemCount; ++item) {
        const int v = (item * 5 + seed) % 7;
        r.SetResponse(item, v == 6 ? -1 : v);
    }
    return r;
}

AssessmentRecord PersonRecord(const std::string& first, const std::string& last, int year, int month, int day,
                              int reporter, const LocalDateTime& savedAt) {
    AssessmentRecord r;
    r.SetFirstName(first);
    r.SetLastName(last);
    r.SetBirthDate(year, month, day);
    r.SetReporter(reporter);
    r.SetObserverName(reporter == kSelf ? "" : "Observer");
    r.SetStoredSaveDateTime(savedAt);
    return r;
}

StoredRecord Encode(AssessmentRecord record, const LocalDateTime& savedAt) {
    SequenceRandomSource random({40, 77, 101});
    return EncodeForStorage(record, FixedClock(savedAt), random);
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

}  // namespace orva::test
