#include "ui/shell/ReadingPane.h"

#include "ui/access/AccessibleRoles.h"

namespace orva {

ReadingPane::ReadingPane(const QString& objectName, const QString& accessibleName, QWidget* parent)
    : QScrollArea(parent) {
    InstallAccessibleRoles();
    setObjectName(objectName);
    setAccessibleName(accessibleName);
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
}

}  // namespace orva
