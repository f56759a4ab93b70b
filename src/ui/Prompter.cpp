// SPDX-License-Identifier: Apache-2.0
#include "ui/Prompter.h"

#include "model/Cp1252.h"

namespace orva {

void Prompter::Message(const UserMessage& message) {
    Message(QString::fromStdString(Cp1252::ToUtf8(message.caption)), QString::fromStdString(Cp1252::ToUtf8(message.text)),
            message.icon);
}

}  // namespace orva
