// SPDX-License-Identifier: Apache-2.0
#include "ui/commands/PrintCommand.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "reports/ReportMessages.h"
#include "reports/print/PdfReport.h"
#include "reports/print/PrintResult.h"
#include "reports/print/ReportRendering.h"
#include "store/OutputFile.h"
#include "store/StoreResult.h"
#include "ui/Prompter.h"
#include "ui/WaitCursor.h"
#include "ui/Workspace.h"
#include "ui/commands/CommandTexts.h"
#include "ui/CoreText.h"
#include "ui/selection/RecordPath.h"

namespace orva {

namespace {

void SetUpPrinter(QPrinter& printer) {
    printer.setPageLayout(ReportPageLayout());
    printer.setDocName(QStringLiteral("ORVA Report"));
}

void ReportFailure(Workspace& workspace, int result) {
    if (result == kPrintOk) return;
    workspace.Prompts().Message(QString::fromLatin1(texts::kPrintFailedCaption), QString::fromLatin1(texts::kPrintFailed),
                                MessageIcon::Stop);
}

// "Print to file" goes through the program's one output writer, as every other output does:
// written whole or not at all, and never over a record file. The print dialog has asked before
// an existing file is replaced.
int WritePdf(Workspace& workspace, const QString& name) {
    std::string pdf;
    int result = RenderPdfReport(*workspace.CurrentAnalysis(), pdf);
    if (result < 0) return result;
    OutputFile file;
    file.SetPath(FileSystemPath(InBaseFolder(name)));
    result = file.Open(true);
    if (result == kOutputIsRecordFile) {
        workspace.Prompts().Message(OutputIsRecordFileMessage(MessageName(name)));
        return kPrintOk;
    }
    if (result >= 0) result = static_cast<int>(file.Write(pdf.data(), pdf.size()));
    if (result >= 0) result = file.Close();
    return result < 0 ? kPrintCannotStart : kPrintOk;
}

}  // namespace

void RunPrintCommand(Workspace& workspace, QWidget* parent) {
    if (!workspace.AnalysisShown()) return;
    QPrinter printer(QPrinter::HighResolution);
    SetUpPrinter(printer);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return;
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
    int result = kPrintOk;
    {
        const WaitCursor waiting;
        result = toFile ? WritePdf(workspace, printer.outputFileName())
                        : RenderReport(*workspace.CurrentAnalysis(), printer);
    }
    ReportFailure(workspace, result);
}

void RunPrintPreviewCommand(Workspace& workspace, QWidget* parent) {
    if (!workspace.AnalysisShown()) return;
    QPrinter printer(QPrinter::HighResolution);
    SetUpPrinter(printer);
    QPrintPreviewDialog preview(&printer, parent);
    int result = kPrintOk;
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter* target) {
        result = RenderReport(*workspace.CurrentAnalysis(), *target);
    });
    preview.exec();
    ReportFailure(workspace, result);
}

}  // namespace orva
