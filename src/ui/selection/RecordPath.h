// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QString>

#include "model/RecordFilePath.h"

namespace orva {

// The record-file name rule (RecordFilePath) and the browsed-path rule on a field's text, and
// the desktop program's base folder. The rules count characters; they are applied to a one-byte
// stand-in of the text so that a character outside ASCII counts once, whatever its encoding.

// Where a name typed without a folder lives: the user's home folder, wherever the program was
// started from, so that such a name means the same file in every window.
QString BaseFolder();
// A path as the file functions and the file box take it: a relative one in the base folder.
QString InBaseFolder(const QString& path);

struct RecordPathCheck {
    bool ok = false;
    QString fullPath;     // the path as typed, with ".rpc"
    QString name;         // the path as typed without ".rpc", as the messages name the file
    QString message;      // the refusal (caption "Incorrect File Name", stop icon)
    RecordFilePath file;  // the file it stands for, in the base folder when typed without one
};
RecordPathCheck CheckRecordPath(const QString& text);

// The file a typed name stands for, ".rpc" included, as the file box offers it.
QString RecordFileOnDisk(const QString& typed);

// The one-byte stand-in the rules count the characters of.
std::string CharacterStandIn(const QString& text);

// A path chosen in the file box, without ".rpc"; empty when the path is refused.
QString AcceptBrowsedRecordPath(const QString& path);

// The path as the file functions take it: UTF-8, which the Windows file system turns into
// the wide names Windows keeps (not the ANSI code page, which cannot hold every name).
std::string FileSystemPath(const QString& path);
// A path the file functions were given, as text.
QString FromFileSystemPath(const std::string& path);

}  // namespace orva
