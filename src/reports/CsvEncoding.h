// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>
#include <string_view>

namespace orva {

// How the bytes of an imported CSV are read. The export writes Windows-1252; a file saved
// again by a spreadsheet or an editor is often UTF-8.
enum class CsvEncoding { Windows1252, Utf8 };

// UTF-8 when the bytes are valid UTF-8 (no overlong forms, no surrogates, nothing past
// U+10FFFF) and hold at least one character beyond ASCII; Windows-1252 otherwise, since
// plain ASCII reads the same either way.
CsvEncoding DetectCsvEncoding(std::string_view bytes);

// "UTF-8" or "Windows-1252", for the import summary.
const char* CsvEncodingName(CsvEncoding encoding);

}  // namespace orva
