// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QSize>
#include <memory>

class QSettings;
class QWidget;

namespace orva {

// Where the main window opens: where its user last left it, when that still fits on a screen;
// otherwise at the size it asks for, no larger than the screen. Kept in the user's own
// settings, not in the machine's, which every user of the machine shares.
class WindowPlacement {
  public:
    // The user's settings file; ORVA_USER_SETTINGS_DIR names another folder for it, so tests
    // leave the user's own file alone.
    WindowPlacement();
    ~WindowPlacement();

    void Place(QWidget& window, QSize wanted) const;
    void Remember(const QWidget& window);

  private:
    std::unique_ptr<QSettings> settings_;
};

}  // namespace orva
