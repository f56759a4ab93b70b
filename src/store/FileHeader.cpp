// SPDX-License-Identifier: Apache-2.0
#include "store/FileHeader.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "model/FieldRules.h"

namespace orva {

namespace {

std::string DateTimeAt(const HeaderBytes& bytes, std::size_t offset) {
    return std::string(reinterpret_cast<const char*>(bytes.data() + offset), kHeaderDateTimeSize);
}

void PutDateTime(HeaderBytes& bytes, std::size_t offset, const std::string& text) {
    std::memset(bytes.data() + offset, ' ', kHeaderDateTimeSize);
    std::memcpy(bytes.data() + offset, text.data(), std::min(text.size(), kHeaderDateTimeSize));
}

}  // namespace

FileHeader::FileHeader(std::string created, std::string lastWrite)
    : created_(std::move(created)), lastWrite_(std::move(lastWrite)) {}

std::string FileHeader::FormatDateTime(const LocalDateTime& when) {
    return StoredDateTime(when).substr(0, kHeaderDateTimeSize);
}

FileHeader FileHeader::New(const LocalDateTime& now) {
    const std::string text = FormatDateTime(now);
    return FileHeader(text, text);
}

FileHeader FileHeader::Parse(const HeaderBytes& bytes) {
    return FileHeader(DateTimeAt(bytes, kHeaderCreatedAt), DateTimeAt(bytes, kHeaderLastWriteAt));
}

bool FileHeader::HasVersionWord(const HeaderBytes& bytes) {
    return std::memcmp(bytes.data(), kVersionText, kVersionWordSize) == 0;
}

FileHeader FileHeader::Rewritten(const LocalDateTime& now) const {
    return FileHeader(created_, FormatDateTime(now));
}

HeaderBytes FileHeader::Bytes() const {
    HeaderBytes bytes{};  // the byte at 80 and the filler after it are zero
    std::memcpy(bytes.data(), kVersionText, kVersionTextSize);
    PutDateTime(bytes, kHeaderCreatedAt, created_);
    PutDateTime(bytes, kHeaderLastWriteAt, lastWrite_);
    std::memset(bytes.data() + kHeaderBlanksAt, ' ', kHeaderBlanksSize);
    return bytes;
}

}  // namespace orva
