#include "Prompter.h"

#include "Cp1252.h"

namespace orva {

void Prompter::Message(const MessageSpec& spec) {
    Message(QString::fromStdString(Cp1252::ToUtf8(spec.caption)), QString::fromStdString(Cp1252::ToUtf8(spec.text)),
            spec.icon);
}

}  // namespace orva
