#pragma once

#include <QScrollArea>

namespace orva {

// A scrolling page of the view that holds the keyboard focus itself, so that the arrow and
// page keys scroll it while no field of it holds the caret. Screen readers read it as a panel
// with its name, not as a nameless filler.
class ReadingPane final : public QScrollArea {
    Q_OBJECT

public:
    ReadingPane(const QString& objectName, const QString& accessibleName, QWidget* parent = nullptr);
};

}  // namespace orva
