// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>

namespace orva {

// The icon of a message box, as the core names it; the UI maps it to its toolkit's icons.
enum class MessageIcon { None, Stop, Exclamation, Information, Question };

// A message the core asks the UI to show: the caption, the text and the icon. The core
// decides the words so that every window shows the same ones; it never shows anything itself.
struct UserMessage {
    std::string caption;
    std::string text;
    MessageIcon icon = MessageIcon::None;

    bool operator==(const UserMessage&) const = default;
};

}  // namespace orva
