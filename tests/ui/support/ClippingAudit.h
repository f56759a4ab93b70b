// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QStringList>

class QWidget;

namespace orva::testsupport {

// What a large text setting would cut in `window`: every shown label, button, header section or
// table cell whose text needs more room than it has, and every widget that sticks out of a
// parent that does not scroll. One line per fault, naming the widget; empty when nothing is cut.
// The window must be shown and laid out.
QStringList ClippedTexts(QWidget* window);

}  // namespace orva::testsupport
