// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>

#include "model/Clock.h"
#include "store/RecordFormat.h"

namespace orva {

// The plain header block at the start of a record file: the version text and two date-times
// (creation, last write) as 14 digits YYYYMMDDhhmmss. Nothing reads the date-times back except
// the header rewrite, which keeps the creation date-time.
class FileHeader {
  public:
    FileHeader() = default;
    FileHeader(std::string created, std::string lastWrite);

    // A new file's header: both date-times now.
    static FileHeader New(const LocalDateTime& now);
    // The header as found in a file; only the creation date-time is taken from it.
    static FileHeader Parse(const HeaderBytes& bytes);
    static bool HasVersionWord(const HeaderBytes& bytes);

    // The same file's header after a write at `now`.
    FileHeader Rewritten(const LocalDateTime& now) const;
    HeaderBytes Bytes() const;

    const std::string& Created() const { return created_; }
    const std::string& LastWrite() const { return lastWrite_; }

    static std::string FormatDateTime(const LocalDateTime& when);

  private:
    std::string created_;
    std::string lastWrite_;
};

}  // namespace orva
