// SPDX-License-Identifier: Apache-2.0
#include "ui/selection/RecordPath.h"

#include <string>

#include "model/FileNameRules.h"
#include "model/RecordFilePath.h"

namespace orva {

namespace {

std::string StandIn(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) bytes.push_back(c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : 'x');
    return bytes;
}

}  // namespace

RecordPathCheck CheckRecordPath(const QString& text) {
    const std::string standIn = StandIn(text);
    const FileNameCheck check = ApplyRecordFileNameRule(standIn);
    if (!check.ok) return {false, {}, {}, QString::fromUtf8(check.message)};
    // The rule only ever appends to the text.
    const QString fullPath = text + QString::fromLatin1(check.fullPath.substr(standIn.size()));
    const RecordFilePath path(fullPath.toUtf8().toStdString());
    return {true, fullPath, QString::fromUtf8(path.WithoutExtension()), {}};
}

QString RecordFileOnDisk(const QString& typed) {
    return QString::fromUtf8(RecordFilePath(typed.toUtf8().toStdString()).OnDisk());
}

QString AcceptBrowsedRecordPath(const QString& path) {
    std::string withoutExtension;
    if (!AcceptBrowsedPath(StandIn(path), RecordFilePath::kExtension, withoutExtension)) return {};
    return path.left(static_cast<qsizetype>(withoutExtension.size()));
}

std::string FileSystemPath(const QString& path) {
    return path.toUtf8().toStdString();
}

QString FromFileSystemPath(const std::string& path) {
    return QString::fromUtf8(path);
}

}  // namespace orva
