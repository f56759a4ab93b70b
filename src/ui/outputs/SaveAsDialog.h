// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QDialog>
#include <functional>

class QCheckBox;
class QLineEdit;

namespace orva {

class Prompter;

// Asks for the name to save the analysis report under as an RTF file: the file name without
// ".rtf", Browse, the privacy box, and OK, which checks the name and hands it to the caller's
// writer; the dialog closes with Accepted once the report was written in full, and stays open
// for another name otherwise.
class SaveAsDialog : public QDialog {
    Q_OBJECT

  public:
    // Writes the report to `name`.rtf and tells the user how it went; true when it was written
    // in full.
    using Write = std::function<bool(const QString& name)>;

    SaveAsDialog(Prompter& prompter, const QString& suggestedName, Write write, QWidget* parent = nullptr);

    // The name the report was saved under, without ".rtf".
    QString SavedName() const { return savedName_; }

  private:
    void Browse();
    void Save();

    Prompter& prompter_;
    Write write_;
    QLineEdit* fileNameEdit_ = nullptr;
    QCheckBox* privacyCheckBox_ = nullptr;
    QString savedName_;
};

}  // namespace orva
