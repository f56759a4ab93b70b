#pragma once

#include <QSettings>
#include <QString>

#include "settings/SettingsStore.h"

namespace orva {

// The settings store over QSettings: the native registry on Windows or an INI file. Values
// are held there as Unicode text so a person can read them; a value holding a character that
// Windows-1252 cannot represent was not written by this program and reads as unreadable.
class QSettingsStore final : public SettingsStore {
public:
    QSettingsStore(QString location, QSettings::Format format);

    // Where the INI file lives on platforms without a registry: <ORVA_SETTINGS_DIR>/orva.ini
    // when that variable is set; else the machine-wide /etc/orva/orva.ini when it can be
    // written (so every user of the machine shares the settings, as the registry key does);
    // else orva/orva.ini in the user's configuration folder.
    static QString IniFileLocation();

    std::map<std::string, std::string> Read(const std::vector<std::string>& names) override;
    bool Write(const std::vector<std::pair<std::string, std::string>>& values) override;

    const QString& Location() const { return location_; }

private:
    QString location_;
    QSettings::Format format_;
};

}  // namespace orva
