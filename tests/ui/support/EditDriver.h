// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QByteArray>
#include <QFile>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "model/AssessmentRecord.h"
#include "model/ItemCatalogue.h"
#include "store/FileSystem.h"
#include "store/StoreError.h"
#include "support/ForwardingFileSystem.h"
#include "support/RecordBuilder.h"
#include "support/RecordFileWriter.h"
#include "store/RecordFormat.h"
#include "store/RecordList.h"
#include "ui/commands/PaperAnalysis.h"
#include "ui/commands/RecordSaver.h"
#include "ui/wizard/EditState.h"
#include "ui/wizard/OnScreenWizard.h"
#include "ui/support/PaperDriver.h"
#include "ui/wizard/PaperEntryWizard.h"
#include "ui/selection/RecordPath.h"

// Stored records to edit, and the two edit wizards run over one of them as the Edit command
// runs them: a working copy of the record read, in the wizard's data-entry mode.
namespace orva::wizard_test {

// The answer stored for `item`: 0..5, blank where a teacher is not asked.
inline int StoredAnswer(int reporter, int item) {
    return reporter == kTeacher && !ItemCatalogue::InTeacherReport(item) ? -1 : item % 6;
}

// A record of `reporter` as the wizards save one, entered on paper and completed on 1 June of
// `completionYear`, every item asked answered.
inline AssessmentRecord RecordToEdit(int reporter, const char* first = "Alex", int completionYear = 2026) {
    testsupport::RecordBuilder record(reporter);
    record.OnPaper()
        .Names(first, "Citizen")
        .Born(2012, 3, 15)
        .Completed(completionYear, 6, 1)
        .Gender('F')
        .With([](AssessmentRecord& r) {
            r.SetStreetAddress("1 Main Road");
            r.SetSchoolYear("K");
            r.SetSchool("Hill School");
            r.SetObserverComment("Sleeps badly.");
        });
    if (reporter != kSelf) record.Observer("Pat Citizen", "Mother");
    for (int item = 1; item <= kItemCount; ++item) record.Answers({{item, StoredAnswer(reporter, item)}});
    return record;
}

// Saves the records at positions 0, 1, ... of a new file, one minute apart from 9:00 on
// 1 June 2026; false when a save failed.
inline bool WriteRecords(const QString& path, std::vector<AssessmentRecord> records) {
    return testsupport::AppendRecords(FileSystemPath(path), std::move(records), {{2026, 6, 1, 9, 0, 0}, 1})
        .has_value();
}

inline QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Record `position` of a file's bytes, as stored.
inline QByteArray RecordBytes(const QByteArray& file, int position) {
    return file.mid(static_cast<qsizetype>(kHeaderSize + kStoredRecordSize * static_cast<std::size_t>(position)),
                    static_cast<qsizetype>(kStoredRecordSize));
}

inline int RecordCount(const QByteArray& file) {
    return static_cast<int>((static_cast<std::size_t>(file.size()) - kHeaderSize) / kStoredRecordSize);
}

// The machine's file system, except that one file may only be read, as a file the user has no
// write access to. (Tests run with every right, so a file's permissions would not stop them.)
class ReadOnlyFile final : public testsupport::ForwardingFileSystem {
  public:
    explicit ReadOnlyFile(const QString& path) : path_(Unified(FileSystemPath(path))) {}

    StoreResult<Handle> Open(const std::string& path, OpenMode mode, unsigned permissions) override {
        if (Unified(path) == path_ && mode != OpenMode::ReadOnly) return StoreError::AccessDenied;
        return Inner().Open(path, mode, permissions);
    }
    StoreStatus Remove(const std::string& path) override {
        return Unified(path) == path_ ? StoreError::AccessDenied : Inner().Remove(path);
    }
    StoreStatus Rename(const std::string& from, const std::string& to, bool replace) override {
        return Unified(to) == path_ ? StoreError::AccessDenied : Inner().Rename(from, to, replace);
    }
    StoreStatus Publish(TemporaryFile& file, const std::string& path, bool replace) override {
        return Unified(path) == path_ ? StoreError::AccessDenied : Inner().Publish(file, path, replace);
    }

  private:
    // The store names a file with Windows' own separators there.
    static std::string Unified(std::string path) {
#ifdef _WIN32
        std::replace(path.begin(), path.end(), '\\', '/');
#endif
        return path;
    }

    std::string path_;
};

enum class EditMethod { OnScreen, Paper };

// What an edit run owns, built before the driver that works on it: the record read from the
// file, the edit (replacing; the file goes by `ownFileName`, or else its path without ".rpc"),
// the working copy and the wizard over it.
struct EditRunState {
    EditRunState(const QString& path, int position, EditMethod method, const QString& ownFileName)
        : reference(Read(path, position)),
          edit{reference,
               {RecordFilePath(FileSystemPath(path)), position, RecordList::MakeRow(reference, position)},
               ownFileName.isEmpty() ? path.chopped(4) : ownFileName},
          working(reference),
          fileName(edit.ownFileName),
          saver(working, &edit, Today()) {
        if (method == EditMethod::Paper) {
            working.SetDataEntry(kPaper);
            auto wizard = MakePaperEditWizard(working, fileName, edit, saver.Function(),
                                              StoredViewChoices(AppSettings(SettingsStore::ForThisUser())), prompter,
                                              Today());
            paper = wizard.get();
            shown = std::move(wizard);
        } else {
            working.SetDataEntry(kOnScreen);
            auto wizard = MakeOnScreenEditWizard(working, fileName, edit, saver.Function(), prompter, Today());
            onScreen = wizard.get();
            shown = std::move(wizard);
        }
    }
    static AssessmentRecord Read(const QString& path, int position) {
        AssessmentRecord record;
        if (!ReadBack(path, position, record)) qWarning("record %d of %s unreadable", position, qPrintable(path));
        return record;
    }

    AssessmentRecord reference;
    EditState edit;
    AssessmentRecord working;
    QString fileName;
    WizardRecordSaver saver;  // as the Edit command saves
    ReportSet analysis;
    ScriptedPrompter prompter;
    PaperEntryWizard* paper = nullptr;
    OnScreenWizard* onScreen = nullptr;
    std::unique_ptr<QuestionnaireWizard> shown;
};

// One edit wizard run over record `position` of the file at `path` (".rpc" included), shown as
// the active window.
class EditRun : private EditRunState, public Driver {
  public:
    EditRun(const QString& path, int position, EditMethod method, const QString& ownFileName = {})
        : EditRunState(path, position, method, ownFileName), Driver(*shown, prompter) {
        shown->show();
        QApplication::setActiveWindow(shown.get());
        if (!QTest::qWaitForWindowActive(shown.get())) qWarning("wizard not active");
    }

    // Writes go through `files` from now on.
    void WriteThrough(FileSystem& files) { saver.SetFileSystem(files); }
    PaperEntryWizard& Paper() { return *paper; }
    const AssessmentRecord& Reference() const { return reference; }
    AssessmentRecord& Working() { return working; }
    const QString& FileName() const { return fileName; }
    const EditState& State() const { return edit; }
    // The analysis the Edit command shows after a paper edit's Finish, as its choices ask.
    const ReportSet& Analysis() {
        analysis.Reset();
        if (paper == nullptr || !saver.Saved()) return analysis;
        if (auto asked = AnalysisAfterPaperSave({paper->ViewAnalysis(), paper->AlsoViewRelated()}, *saver.Saved(),
                                                working, prompter))
            analysis = *asked;
        return analysis;
    }

    // Next from wherever the run is to the last page; stops where a page refuses.
    void ToLast() {
        while (Page() < Wizard().PageCount()) {
            const int before = Page();
            Next();
            if (Page() == before) return;
        }
    }
    // Back to the first page.
    void ToFirst() {
        for (int page = Page(); page > 1; --page) Back();
    }
};

}  // namespace orva::wizard_test
