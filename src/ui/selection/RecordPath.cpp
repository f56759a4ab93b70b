// SPDX-License-Identifier: Apache-2.0
#include "ui/selection/RecordPath.h"

#include <QDir>
#include <string>

#include "model/FileNameRules.h"

namespace orva {

QString BaseFolder() {
    return QDir::homePath();
}

QString InBaseFolder(const QString& path) {
    return FromFileSystemPath(InFolder(FileSystemPath(path), FileSystemPath(BaseFolder())));
}

std::string CharacterStandIn(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) bytes.push_back(c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : 'x');
    return bytes;
}

RecordPathCheck CheckRecordPath(const QString& text) {
    const std::string standIn = CharacterStandIn(text);
    const FileNameCheck check = RecordFilePath::Check(standIn);
    if (!check.ok) return {false, {}, {}, QString::fromUtf8(check.message), {}};
    // The rule only ever appends to the text.
    const QString fullPath = text + QString::fromLatin1(check.fullPath.substr(standIn.size()));
    RecordFilePath file(FileSystemPath(fullPath), FileSystemPath(BaseFolder()));
    return {true, fullPath, FromFileSystemPath(file.WithoutExtension()), {}, std::move(file)};
}

QString RecordFileOnDisk(const QString& typed) {
    return FromFileSystemPath(RecordFilePath(FileSystemPath(typed)).OnDisk());
}

QString AcceptBrowsedRecordPath(const QString& path) {
    std::string withoutExtension;
    if (!AcceptBrowsedPath(CharacterStandIn(path), RecordFilePath::kExtension, withoutExtension)) return {};
    return path.left(static_cast<qsizetype>(withoutExtension.size()));
}

std::string FileSystemPath(const QString& path) {
    return path.toUtf8().toStdString();
}

QString FromFileSystemPath(const std::string& path) {
    return QString::fromUtf8(path);
}

}  // namespace orva
