#include "ui/wizard/PageWidgets.h"

#include <QLabel>

namespace orva {

QLabel* PageText(const char* text, const QString& objectName, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(objectName);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* FieldLabel(const char* text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setBuddy(buddy);
    if (buddy != nullptr && buddy->accessibleName().isEmpty()) buddy->setAccessibleName(label->text());
    return label;
}

}  // namespace orva
