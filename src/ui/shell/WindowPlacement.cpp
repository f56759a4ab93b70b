// SPDX-License-Identifier: Apache-2.0
#include "ui/shell/WindowPlacement.h"

#include <QDir>
#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QSettings>
#include <QWidget>

namespace orva {

namespace {

constexpr const char* kUserSettingsDirEnv = "ORVA_USER_SETTINGS_DIR";
constexpr const char* kOrganisation = "Kelbrin";
constexpr const char* kApplication = "ORVA";
constexpr const char* kGeometryKey = "MainWindow/Geometry";

std::unique_ptr<QSettings> UserSettings() {
    const QString folder = qEnvironmentVariable(kUserSettingsDirEnv);
    if (!folder.isEmpty()) {
        return std::make_unique<QSettings>(QDir(folder).filePath(QLatin1String(kApplication) + QLatin1String(".conf")),
                                           QSettings::IniFormat);
    }
    return std::make_unique<QSettings>(QSettings::UserScope, QLatin1String(kOrganisation),
                                       QLatin1String(kApplication));
}

// A screen changed or gone since (a projector unplugged) would leave the window out of reach.
bool FitsOnAScreen(const QRect& geometry) {
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().contains(geometry)) return true;
    }
    return false;
}

}  // namespace

WindowPlacement::WindowPlacement() : settings_(UserSettings()) {}

WindowPlacement::~WindowPlacement() = default;

void WindowPlacement::Place(QWidget& window, QSize wanted) const {
    const QRect stored = settings_->value(QLatin1String(kGeometryKey)).toRect();
    if (stored.isValid() && FitsOnAScreen(stored)) {
        window.setGeometry(stored);
        return;
    }
    const QScreen* screen = window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    window.resize(screen == nullptr ? wanted : wanted.boundedTo(screen->availableGeometry().size()));
}

void WindowPlacement::Remember(const QWidget& window) {
    settings_->setValue(QLatin1String(kGeometryKey), window.normalGeometry());
    settings_->sync();
}

}  // namespace orva
