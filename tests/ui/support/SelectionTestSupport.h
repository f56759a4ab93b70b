// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <vector>

#include "store/FileSystem.h"
#include "store/StoreError.h"
#include "support/ForwardingFileSystem.h"
#include "support/RawRecordFile.h"
#include "support/RecordFileWriter.h"
#include "ui/support/AnalysisTestRecords.h"
#include "ui/selection/RecordPath.h"

// Record files and dialog handling for the selection dialog tests.
namespace orva::selection_test {

using analysis_test::MakeRecord;
using analysis_test::Person;
using analysis_test::TestClock;

// Writes the records in order through the store, each saved one minute after the one before
// (10:30, 10:31, ... on 15/06/2026). Returns false when a write fails.
inline bool WriteRecordFile(const QString& path, std::vector<AssessmentRecord> records) {
    return testsupport::AppendRecords(FileSystemPath(path), std::move(records), {TestClock().Now(), 1}).has_value();
}

// Spoils record `position` of the file so that it fails its checks.
inline bool CorruptRecord(const QString& path, int position) {
    return testsupport::SpoilRecord(FileSystemPath(path), position);
}

// A file system on which every opening for writing is refused, as for a file the user may
// only read.
class ReadOnlyFileSystem final : public testsupport::ForwardingFileSystem {
  public:
    StoreResult<Handle> Open(const std::string& path, OpenMode mode, unsigned permissions) override {
        if (mode != OpenMode::ReadOnly) return StoreError::AccessDenied;
        return Inner().Open(path, mode, permissions);
    }
    StoreStatus WriteAt(Handle, long long, const void*, std::size_t) override { return StoreError::AccessDenied; }
    StoreStatus Truncate(Handle, long long) override { return StoreError::AccessDenied; }
    StoreStatus Remove(const std::string&) override { return StoreError::AccessDenied; }
    StoreStatus CreateFolder(const std::string&) override { return StoreError::AccessDenied; }
    StoreStatus Rename(const std::string&, const std::string&, bool) override { return StoreError::AccessDenied; }
    StoreResult<TemporaryFile> CreateTemporary(const std::string&, unsigned) override { return StoreError::AccessDenied; }
};

template <typename Widget>
Widget* Find(QWidget& dialog, const char* name) {
    auto* widget = dialog.findChild<Widget*>(QString::fromLatin1(name));
    if (widget == nullptr) qWarning("no widget %s", name);
    return widget;
}

inline void Type(QWidget& dialog, const char* field, const QString& text) {
    QLineEdit* edit = Find<QLineEdit>(dialog, field);
    edit->clear();
    QTest::keyClicks(edit, text);
}

inline void Click(QWidget& dialog, const char* button) {
    QTest::mouseClick(Find<QPushButton>(dialog, button), Qt::LeftButton);
}

inline QString FieldText(QWidget& dialog, const char* field) {
    return Find<QLineEdit>(dialog, field)->text();
}

inline QStringList Entries(QWidget& dialog) {
    QStringList texts;
    auto* list = Find<QListWidget>(dialog, "recordList");
    for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
    return texts;
}

// Toggles entry `index` as a click on it does.
inline void ClickEntry(QWidget& dialog, int index) {
    auto* list = Find<QListWidget>(dialog, "recordList");
    const QRect area = list->visualItemRect(list->item(index));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, area.center());
}

inline QString FocusName() {
    QWidget* focus = QApplication::focusWidget();
    return focus == nullptr ? QString() : focus->objectName();
}

// Shows the dialog as the active window, so that focus moves as it does for a user.
inline bool ShowActive(QWidget& dialog) {
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    return QTest::qWaitForWindowActive(&dialog);
}

// Types the person and the file into the dialog.
inline void EnterPerson(QWidget& dialog, const QString& first, const QString& last, const QString& day,
                        const QString& month, const QString& year, const QString& file) {
    Type(dialog, "firstNameEdit", first);
    Type(dialog, "lastNameEdit", last);
    Type(dialog, "birthDayEdit", day);
    Type(dialog, "birthMonthEdit", month);
    Type(dialog, "birthYearEdit", year);
    Type(dialog, "fileEdit", file);
}

}  // namespace orva::selection_test
