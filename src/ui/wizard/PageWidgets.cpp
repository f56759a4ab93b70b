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

}  // namespace orva
