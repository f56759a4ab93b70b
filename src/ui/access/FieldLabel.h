#pragma once

class QLabel;
class QWidget;

namespace orva {

// A field's label that names the field to the accessibility interface and is its buddy, so a
// screen reader reads the label with the field; the label's text stays exactly the fixed text.
// A field that already has a name of its own keeps it.
QLabel* FieldLabel(const char* text, QWidget* buddy, QWidget* parent);

}  // namespace orva
