// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QString>

namespace orva {

// The record-file name rule and the browsed-path rule on the file field's text. The rules
// count characters; they are applied to a one-byte stand-in of the text so that a character
// outside ASCII counts once, whatever its encoding.

struct RecordPathCheck {
    bool ok = false;
    QString fullPath;  // the path with ".rpc"
    QString name;      // the path without ".rpc", as the messages name the file
    QString message;   // the refusal (caption "Incorrect File Name", stop icon)
};
RecordPathCheck CheckRecordPath(const QString& text);

// The file a typed name stands for, ".rpc" included, as the file box offers it.
QString RecordFileOnDisk(const QString& typed);

// A path chosen in the file box, without ".rpc"; empty when the path is refused.
QString AcceptBrowsedRecordPath(const QString& path);

// The path as the file functions take it: UTF-8, which the Windows file system turns into
// the wide names Windows keeps (not the ANSI code page, which cannot hold every name).
std::string FileSystemPath(const QString& path);
// A path the file functions were given, as text.
QString FromFileSystemPath(const std::string& path);

}  // namespace orva
