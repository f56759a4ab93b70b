// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QDialog>

#include "screening/ReportSet.h"
#include "store/FileSystem.h"

class QCheckBox;
class QLineEdit;

namespace orva {

class Prompter;

// Saves the report of the analysis as an RTF file: the file name without ".rtf", Browse, the
// privacy box, and OK, which writes the file (asking before it replaces one) and closes the
// dialog with Accepted once the report was written in full.
class SaveAsDialog : public QDialog {
    Q_OBJECT

  public:
    SaveAsDialog(Prompter& prompter, const ReportSet& reports, const QString& suggestedName,
                 FileSystem& fileSystem = DefaultFileSystem(), QWidget* parent = nullptr);

    // The name the report was saved under, without ".rtf".
    QString SavedName() const { return savedName_; }

  private:
    void Browse();
    void Save();
    // Writes the report to `name`.rtf; false after the user was told why not.
    bool Write(const QString& name);

    Prompter& prompter_;
    const ReportSet& reports_;
    FileSystem& fileSystem_;
    QLineEdit* fileNameEdit_ = nullptr;
    QCheckBox* privacyCheckBox_ = nullptr;
    QString savedName_;
};

}  // namespace orva
