#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace orva {

// A fixed text of a page, wrapped to the page's width.
QLabel* PageText(const char* text, const QString& objectName, QWidget* parent);

}  // namespace orva
