#include "ui/access/FieldLabel.h"

#include <QLabel>

namespace orva {

QLabel* FieldLabel(const char* text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setBuddy(buddy);
    if (buddy != nullptr && buddy->accessibleName().isEmpty()) buddy->setAccessibleName(label->text());
    return label;
}

}  // namespace orva
