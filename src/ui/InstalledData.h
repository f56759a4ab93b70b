// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QString>

namespace orva {

// Files the program ships beside itself, such as the two bitmaps of the printed report. They
// are looked for in the installation's data folder (share/orva next to the program's bin
// folder) and then in the program's own folder, where the build tree keeps copies. Never in
// the working folder: a file planted there must not be taken for the program's own.
class InstalledData {
public:
    // The absolute path of the file `name`, or an empty string when neither folder holds it.
    static QString FilePath(const QString& name);
    // The folders searched, in order, for a program in `programFolder`.
    static QStringList Folders(const QString& programFolder);
};

}  // namespace orva
