// SPDX-License-Identifier: Apache-2.0
#include "ui/wizard/ResponseField.h"

#include <QFocusEvent>
#include <QMouseEvent>

namespace orva {

ResponseField::ResponseField(int item, QWidget* parent) : QLineEdit(parent), item_(item) {
    setObjectName(QStringLiteral("item%1Edit").arg(item));
    setAlignment(Qt::AlignCenter);
    // One digit with room around it, easy to see and to click.
    setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("00")) + 16);
    // The field being typed into must stand out among 111 alike: a thick frame in the
    // highlight colour of the user's palette.
    setStyleSheet(QStringLiteral("QLineEdit:focus { border: 2px solid palette(highlight); border-radius: 3px; }"));
    // A field the grid hides for teachers keeps its place, so the columns stay aligned.
    QSizePolicy policy = sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    setSizePolicy(policy);
}

void ResponseField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    selectOnRelease_ = event->reason() == Qt::MouseFocusReason;
    selectAll();
}

void ResponseField::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (selectOnRelease_) selectAll();
    selectOnRelease_ = false;
}

}  // namespace orva
