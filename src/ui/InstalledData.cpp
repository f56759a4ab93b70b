// SPDX-License-Identifier: Apache-2.0
#include "ui/InstalledData.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace orva {

QStringList InstalledData::Folders(const QString& programFolder) {
    const QDir program(programFolder);
    return {QDir::cleanPath(program.filePath(QStringLiteral("../share/orva"))), QDir::cleanPath(program.path())};
}

QString InstalledData::FilePath(const QString& name) {
    for (const QString& folder : Folders(QCoreApplication::applicationDirPath())) {
        const QFileInfo file(QDir(folder).filePath(name));
        if (file.isFile()) return file.absoluteFilePath();
    }
    return {};
}

}  // namespace orva
