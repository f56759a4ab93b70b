#pragma once

#include <QSettings>
#include <QString>

#include "settings/SettingsStore.h"

namespace orva {

// The settings store over QSettings: the native registry on Windows or an INI file. Values
// are held there as Unicode text so a person can read them; a value holding a character that
// Windows-1252 cannot represent was not written by this program and reads as unreadable. An
// INI file is kept readable by its user only, in a folder only its user can open.
class QSettingsStore final : public SettingsStore {
public:
    QSettingsStore(QString location, QSettings::Format format);

    // Where the INI file lives on platforms without a registry: orva/orva.ini in the user's
    // configuration folder (~/.config), or <ORVA_SETTINGS_DIR>/orva.ini in a development build
    // (settings/DevelopmentOverride.h). Each user has their own: the settings name record and
    // report files, and so the persons in them.
    static QString IniFileLocation();

    std::map<std::string, std::string> Read(const std::vector<std::string>& names) override;
    bool Write(const std::vector<std::pair<std::string, std::string>>& values) override;

    const QString& Location() const { return location_; }

private:
    QString location_;
    QSettings::Format format_;
};

}  // namespace orva
