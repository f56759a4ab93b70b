// SPDX-License-Identifier: Apache-2.0
#include "ui/WaitCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace orva {

WaitCursor::WaitCursor() {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

WaitCursor::~WaitCursor() {
    QGuiApplication::restoreOverrideCursor();
}

}  // namespace orva
