// SPDX-License-Identifier: Apache-2.0
#include "ui/settings/QSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "model/Cp1252.h"
#include "settings/DevelopmentOverride.h"
#ifdef Q_OS_WIN
#include "settings/RegistrySettingsStore.h"
#endif

namespace orva {

namespace {

constexpr const char* kIniFileName = "orva.ini";
constexpr const char* kUserSubdir = "orva";

// Only the user may see what the settings name.
void KeepToTheUser(const QString& path, bool folder) {
    QFileDevice::Permissions owner = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    if (folder) owner |= QFileDevice::ExeOwner;
    QFile::setPermissions(path, owner);
}

}  // namespace

std::unique_ptr<SettingsStore> SettingsStore::ForThisUser() {
#ifdef Q_OS_WIN
    // A development build given a settings folder keeps them there, as on Linux, so that its
    // tests never touch the user's own settings in the registry.
    if (OverriddenSettingsFolder().empty()) return RegistrySettingsStore::ForThisUser();
#endif
    return std::make_unique<QSettingsStore>(QSettingsStore::IniFileLocation(), QSettings::IniFormat);
}

QSettingsStore::QSettingsStore(QString location, QSettings::Format format)
    : location_(std::move(location)), format_(format) {}

QString QSettingsStore::IniFileLocation() {
    const std::string overridden = OverriddenSettingsFolder();
    if (!overridden.empty()) {
        return QDir(QString::fromStdString(overridden)).filePath(QLatin1String(kIniFileName));
    }
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(config).filePath(QLatin1String(kUserSubdir) + QLatin1Char('/') + QLatin1String(kIniFileName));
}

std::map<std::string, std::string> QSettingsStore::Read(const std::vector<std::string>& names) {
    std::map<std::string, std::string> values;
    if (format_ == QSettings::IniFormat && !QFileInfo(location_).isFile()) {
        return values;
    }
    QSettings settings(location_, format_);
    for (const std::string& name : names) {
        const QVariant value = settings.value(QString::fromStdString(name));
        // A hand-edited INI line such as "a, b" reads as a list, not as a text.
        if (value.typeId() != QMetaType::QString) {
            continue;
        }
        int unmappable = 0;
        std::string bytes = Cp1252::FromUtf8(value.toString().toStdString(), '?', &unmappable);
        if (unmappable == 0) {
            values.emplace(name, std::move(bytes));
        }
    }
    return values;
}

bool QSettingsStore::Write(const std::vector<std::pair<std::string, std::string>>& values) {
    if (format_ == QSettings::IniFormat) {
        // The folder first: nobody else can reach the file through it, even for the moment
        // the file is made with looser permissions than its own.
        const QString folder = QFileInfo(location_).absolutePath();
        if (!QDir().mkpath(folder)) {
            return false;
        }
        KeepToTheUser(folder, true);
    }
    QSettings settings(location_, format_);
    if (!settings.isWritable()) {
        return false;
    }
    for (const auto& [name, bytes] : values) {
        settings.setValue(QString::fromStdString(name), QString::fromStdString(Cp1252::ToUtf8(bytes)));
    }
    settings.sync();
    if (format_ == QSettings::IniFormat) {
        KeepToTheUser(location_, false);
    }
    return settings.status() == QSettings::NoError;
}

}  // namespace orva
