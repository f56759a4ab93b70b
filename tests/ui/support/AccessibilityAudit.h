// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QStringList>

class QWidget;

namespace orva::testsupport {

// Reads `window` as a screen reader does, through Qt's accessibility interface, and returns
// what would stop one: every shown control (a button, a field, a list, anything that takes
// the focus) without a name, every widget whose role is not its kind's (a radio button read as
// a check box), and every Tab stop read as a nameless filler. One line per fault, naming the
// widget; empty when there is none. The window must be shown.
QStringList AccessibilityFaults(QWidget* window);

}  // namespace orva::testsupport
