// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QDialog>
#include <QString>
#include <memory>
#include <string>

#include "model/Clock.h"
#include "model/FieldRules.h"
#include "model/RecordFilePath.h"
#include "store/RecordList.h"

class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace orva {

class Prompter;
class RecordEntryList;

// What the two record selection dialogs share: the person's name and birth date, the record
// file, loading the person's records of that file into the list, and the check that the list
// still belongs to the fields as they are now. There is no browsing of names: the user types
// the person exactly and loads.
class RecordSelectionDialog : public QDialog {
    Q_OBJECT

  public:
    // The file field's text (a path without ".rpc"), for the caller to keep after OK.
    QString FileText() const;
    // Where "today" comes from for the age check and the year completion.
    void SetClock(const Clock& clock) { clock_ = &clock; }
    // Where the record file is read from; tests make operations fail through it.
    void SetFileSystem(FileSystem& fileSystem);

  protected:
    RecordSelectionDialog(Prompter& prompter, const QString& fileText, const char* caption,
                          const char* heading, const char* confirmText, QWidget* parent);

    // Loads the list from the file; the store's result code. The analysis opens read-only.
    virtual StoreResult<int> LoadRecords(const std::string& fullPath);
    // Runs after the list has been filled and before the first entry is made current.
    virtual void ListFilled() {}
    // Makes the first entry current once the list is filled; a list of several choices leaves
    // it unselected.
    virtual void FirstEntryBecomesCurrent();
    // The confirm button (or a double-click on an entry).
    virtual void Confirm() = 0;

    // Asks "Changed Selection Criteria" when any field differs from the last load; true to go
    // on with the list as loaded.
    bool CriteriaStillHoldOrContinue();

    // The list's entries; entry k shows row first + k of the loaded list.
    RecordEntryList& List() { return *list_; }
    const RecordList& Records() const { return *records_; }
    RecordList& Records() { return *records_; }
    const RecordRow& RowOfEntry(int entry) const { return records_->Row(firstRow_ + entry); }
    FileSystem& Files() { return *fileSystem_; }
    // The file of the last load; empty while nothing is loaded.
    const RecordFilePath& LoadedFile() const { return loadedFile_; }
    // The person of the last load that found records, as the records hold the names.
    const PersonEntry& LoadedPerson() const { return loadedPerson_; }
    Prompter& Prompts() { return prompter_; }
    // Room below the "Select" group for a dialog's own controls.
    QVBoxLayout& ExtraArea() { return *extraArea_; }
    // Replaces the instruction above the list, for a dialog that does not select from it.
    void SetListInstruction(const char* text);
    // Called last by each dialog's constructor: the dialog opens at the size its layout asks
    // for, even where that is more than a small screen's share, as a squeezed list would hide
    // the entries to choose from.
    void SizeToContents() { resize(sizeHint()); }

    bool eventFilter(QObject* watched, QEvent* event) override;
    // Enter after typing new details loads their records rather than confirming an old list.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    struct Criteria {
        QString firstName;
        QString lastName;
        QString day;
        QString month;
        QString year;
        QString file;
        bool operator==(const Criteria&) const = default;
    };

    void Browse();
    void LoadMatching();
    Criteria CurrentCriteria() const;
    void FocusOn(FocusField field);
    void Tidy(QLineEdit* edit);
    int CurrentYear() const;
    static QString EntryText(const RecordRow& row);

    Prompter& prompter_;
    const Clock* clock_;
    QLineEdit* firstNameEdit_;
    QLineEdit* lastNameEdit_;
    QLineEdit* dayEdit_;
    QLineEdit* monthEdit_;
    QLineEdit* yearEdit_;
    QLineEdit* fileEdit_;
    QLabel* instruction_;
    RecordEntryList* list_;
    QVBoxLayout* extraArea_;
    Criteria lastLoad_;
    FileSystem* fileSystem_;
    std::unique_ptr<RecordList> records_;
    int firstRow_ = -1;
    RecordFilePath loadedFile_;
    PersonEntry loadedPerson_;
};

}  // namespace orva
