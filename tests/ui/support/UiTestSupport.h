// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "support/TempFolder.h"

class QImage;
class QWidget;

namespace orva::testsupport {

// When ORVA_SNAPSHOT_DIR is set, saves a PNG of `widget` as <dir>/<name>.png so every screen
// a test visits can be looked at in one go; otherwise does nothing. Returns the path written,
// or an empty text.
QString SaveSnapshot(QWidget* widget, const QString& name);

// The widget painted pixel for pixel in its own coordinates, whatever the screen's scale
// (QT_SCALE_FACTOR), so that a test finds things where the widget puts them.
QImage Painted(QWidget* widget);

// Points ORVA_SETTINGS_DIR and ORVA_USER_SETTINGS_DIR at a fresh, empty temporary folder for
// its lifetime, so a test never reads or writes the machine's or the user's real settings; the
// previous values come back after.
class TempSettingsDir {
public:
    TempSettingsDir();
    ~TempSettingsDir();
    TempSettingsDir(const TempSettingsDir&) = delete;
    TempSettingsDir& operator=(const TempSettingsDir&) = delete;

    QString Path() const { return QString::fromStdString(dir_.Path()); }
    QString IniPath() const;
    // The user's own settings (the window's place).
    QString UserSettingsPath() const;

private:
    struct Previous {
        bool set;
        QByteArray value;
    };

    TempFolder dir_;
    std::vector<Previous> previous_;
};

// Runs `act` on the next modal window that opens (a dialog run with exec() blocks the test,
// so the test schedules its clicks beforehand). The returned flag turns true once `act` ran;
// nothing runs when no new modal window shows within `timeoutMs`.
std::shared_ptr<bool> WhenModalShown(std::function<void(QWidget*)> act, int timeoutMs = 5000);

}  // namespace orva::testsupport
