// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "reports/ReportFileNames.h"

class QCheckBox;
class QLineEdit;

namespace orva {

class Prompter;

// Asks for the export of a record file to a CSV file: the record-file name, the export name
// (both without their extensions), the privacy box and the Export button, which checks the
// names and hands them to the caller's export. Closes with Accepted once a run completed, fully
// or partly; the names it used are then the ones to keep. A run that did not complete leaves
// the dialog open for other names.
class ExportDialog : public QDialog {
    Q_OBJECT

  public:
    // Exports `recordFileName`.rpc to `exportName`.csv (names as typed, without their
    // extensions) and tells the user how it went; true when the run completed, fully or partly.
    using Export = std::function<bool(const QString& recordFileName, const QString& exportName)>;

    // `names` come from InitialExportNames, as the core words them (Windows-1252).
    ExportDialog(Prompter& prompter, const ExportDialogNames& names, Export exporter,
                 QWidget* parent = nullptr);

    QString UsedRecordFileName() const { return usedRecordFileName_; }
    QString UsedExportName() const { return usedExportName_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The export name follows a new record-file base name; true when it changed (and the user
    // was told, with the export name selected for correction).
    bool UpdateExportName();
    // The record-file name as typed, without a ".rpc" the user typed.
    QString RecordFileStem() const;
    void BrowseRecordFile();
    void BrowseExportFile();
    void ExportChecked();

    Prompter& prompter_;
    Export export_;
    QLineEdit* recordFileEdit_ = nullptr;
    QLineEdit* exportNameEdit_ = nullptr;
    QCheckBox* privacyCheckBox_ = nullptr;
    std::string rememberedBaseName_;  // in the file system's encoding, like the names it is compared with
    QString usedRecordFileName_;
    QString usedExportName_;
};

}  // namespace orva
