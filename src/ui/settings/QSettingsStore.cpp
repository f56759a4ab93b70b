#include "ui/settings/QSettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "model/Cp1252.h"
#ifdef Q_OS_WIN
#include "settings/RegistrySettingsStore.h"
#endif

namespace orva {

namespace {

constexpr const char* kSettingsDirEnv = "ORVA_SETTINGS_DIR";
constexpr const char* kIniFileName = "orva.ini";
constexpr const char* kMachineWideDir = "/etc/orva";
constexpr const char* kUserSubdir = "orva";

// A file can be used when it (or, before it exists, the nearest existing folder above it)
// is writable, so that the first write can create it.
bool CanWrite(const QString& filePath) {
    QFileInfo file(filePath);
    if (file.exists()) {
        return file.isFile() && file.isWritable();
    }
    QDir dir = file.absoluteDir();
    while (!dir.exists()) {
        if (!dir.cdUp()) {
            return false;
        }
    }
    return QFileInfo(dir.absolutePath()).isWritable();
}

}  // namespace

std::unique_ptr<SettingsStore> SettingsStore::ForThisMachine() {
#ifdef Q_OS_WIN
    return RegistrySettingsStore::ForThisMachine();
#else
    return std::make_unique<QSettingsStore>(QSettingsStore::IniFileLocation(), QSettings::IniFormat);
#endif
}

QSettingsStore::QSettingsStore(QString location, QSettings::Format format)
    : location_(std::move(location)), format_(format) {}

QString QSettingsStore::IniFileLocation() {
    const QString override = qEnvironmentVariable(kSettingsDirEnv);
    if (!override.isEmpty()) {
        return QDir(override).filePath(QLatin1String(kIniFileName));
    }
    const QString machineWide = QDir(QLatin1String(kMachineWideDir)).filePath(QLatin1String(kIniFileName));
    if (CanWrite(machineWide)) {
        return machineWide;
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
    QSettings settings(location_, format_);
    if (!settings.isWritable()) {
        return false;
    }
    for (const auto& [name, bytes] : values) {
        settings.setValue(QString::fromStdString(name), QString::fromStdString(Cp1252::ToUtf8(bytes)));
    }
    settings.sync();
    return settings.status() == QSettings::NoError;
}

}  // namespace orva
