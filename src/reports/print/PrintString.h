// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QString>
#include <string_view>

#include "model/Cp1252.h"

namespace orva {

// A core text (Windows-1252 bytes) as the pages draw it, every byte kept.
inline QString FromCp1252(std::string_view bytes) {
    return QString::fromStdU32String(Cp1252::ToUnicode(bytes));
}

}  // namespace orva
