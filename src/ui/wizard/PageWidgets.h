#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace orva {

// A fixed text of a page, wrapped to the page's width.
QLabel* PageText(const char* text, const QString& objectName, QWidget* parent);

// A field's label that names the field to the accessibility interface and gives it a mnemonic-
// free buddy; the label's text stays exactly the fixed text.
QLabel* FieldLabel(const char* text, QWidget* buddy, QWidget* parent);

}  // namespace orva
