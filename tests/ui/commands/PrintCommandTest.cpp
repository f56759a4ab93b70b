// SPDX-License-Identifier: Apache-2.0
#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "settings/SettingsStore.h"
#include "ui/support/AnalysisTestRecords.h"
#include "ui/Workspace.h"
#include "ui/shell/MainWindow.h"
#include "ui/support/ScriptedPrompter.h"
#include "ui/support/UiTestSupport.h"

using namespace orva;
using orva::analysis_test::MakeRecord;
using orva::test::ScriptedPrompter;
using orva::test::TempSettingsDir;
using orva::test::WhenModalShown;

// Print and Print Preview from the main window: they work only while an analysis is shown, and
// draw the pages of its report.
class PrintCommandTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<TempSettingsDir> settingsDir_;
    ScriptedPrompter prompter_;
    std::unique_ptr<MainWindow> frame_;

    void ShowAnalysis() {
        ReportSet analysis;
        analysis.Record(kSelf) = MakeRecord(kSelf, {}, {1, 21, 40});
        analysis.Record(kTeacher) = MakeRecord(kTeacher, {}, {3, 6}, false, "Ms Park");
        frame_->Work().SetAnalysis(analysis);
    }

  private slots:
    void init() {
        settingsDir_ = std::make_unique<TempSettingsDir>();
        frame_ = std::make_unique<MainWindow>(prompter_, SettingsStore::ForThisUser());
    }

    void cleanup() {
        QVERIFY2(prompter_.AllExpectedAndConsumed(), qPrintable(prompter_.Report()));
        frame_.reset();
        settingsDir_.reset();
    }

    void bothCommandsFollowTheShownAnalysis() {
        QAction* print = frame_->Action(MainWindow::Command::Print);
        QAction* preview = frame_->Action(MainWindow::Command::PrintPreview);
        QVERIFY(!print->isEnabled() && !preview->isEnabled());
        ShowAnalysis();
        QVERIFY(print->isEnabled() && preview->isEnabled());
        frame_->Work().ResetAnalysis();
        QVERIFY(!print->isEnabled() && !preview->isEnabled());
    }

    void previewShowsTheEightPagesOfTheReport() {
        ShowAnalysis();
        int pages = -1;
        auto shown = WhenModalShown([&pages](QWidget* modal) {
            auto* dialog = qobject_cast<QPrintPreviewDialog*>(modal);
            QVERIFY(dialog != nullptr);
            auto* view = dialog->findChild<QPrintPreviewWidget*>();
            QVERIFY(view != nullptr);
            QTRY_VERIFY(view->pageCount() > 0);
            pages = view->pageCount();
            test::SaveSnapshot(dialog, QStringLiteral("print_preview"));
            dialog->reject();
        });
        frame_->Action(MainWindow::Command::PrintPreview)->trigger();
        QVERIFY(*shown);
        QCOMPARE(pages, 8);
    }

    // Printing to a file goes through the program's output writer: the PDF is written whole,
    // and never under a record file's name.
    void printingToAFileWritesThePdfButNeverARecordFile() {
#ifdef Q_OS_WIN
        QSKIP("the print dialog is Windows' own, which a test cannot answer");
#endif
        ShowAnalysis();
        QTemporaryDir folder;
        const auto printTo = [this](const QString& path) {
            auto shown = WhenModalShown([path](QWidget* modal) {
                auto* dialog = qobject_cast<QPrintDialog*>(modal);
                QVERIFY(dialog != nullptr);
                auto* fileName = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
                QVERIFY(fileName != nullptr);
                fileName->setText(path);
                dialog->accept();
            });
            frame_->Action(MainWindow::Command::Print)->trigger();
            QVERIFY(*shown);
        };

        const QString pdf = folder.filePath(QStringLiteral("report.pdf"));
        printTo(pdf);
        QFile written(pdf);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.readAll().startsWith("%PDF-"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("report.pdf")});

        const QString record = folder.filePath(QStringLiteral("clinic.rpc"));
        prompter_.ExpectMessage();
        printTo(record);
        QCOMPARE(prompter_.Last().caption, QStringLiteral("Save File Error"));
        QVERIFY(prompter_.Last().text.contains(QStringLiteral("is a Child and Adolescent Orvantis file (*.rpc).")));
        QVERIFY(!QFile::exists(record));
    }

    void aCancelledPrintDialogPrintsNothing() {
#ifdef Q_OS_WIN
        QSKIP("the print dialog is Windows' own, which a test cannot answer");
#endif
        ShowAnalysis();
        auto shown = WhenModalShown([](QWidget* modal) {
            QVERIFY(qobject_cast<QPrintDialog*>(modal) != nullptr);
            static_cast<QDialog*>(modal)->reject();
        });
        frame_->Action(MainWindow::Command::Print)->trigger();
        QVERIFY(*shown);
    }
};

QTEST_MAIN(PrintCommandTest)
#include "PrintCommandTest.moc"
