// SPDX-License-Identifier: Apache-2.0
#include "ui/commands/PrintCommand.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "reports/ReportMessages.h"
#include "reports/print/PdfReport.h"
#include "reports/print/PrintError.h"
#include "reports/print/ReportRendering.h"
#include "store/OutputFile.h"
#include "store/StoreError.h"
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

void ReportFailure(Workspace& workspace, PrintStatus result) {
    if (result) return;
    workspace.Prompts().Message(QString::fromLatin1(texts::kPrintFailedCaption), QString::fromLatin1(texts::kPrintFailed),
                                MessageIcon::Stop);
}

// "Print to file" goes through the program's one output writer, as every other output does:
// written whole or not at all, and never over a record file. The print dialog has asked before
// an existing file is replaced.
PrintStatus WritePdf(Workspace& workspace, const QString& name) {
    std::string pdf;
    const PrintStatus rendered = RenderPdfReport(*workspace.CurrentAnalysis(), pdf);
    if (!rendered) return rendered;
    OutputFile file;
    file.SetPath(FileSystemPath(InBaseFolder(name)));
    StoreStatus result = file.Open(true);
    if (!result && result.Error() == StoreError::OutputIsRecordFile) {
        workspace.Prompts().Message(OutputIsRecordFileMessage(MessageName(name)));
        return {};
    }
    if (result) result = file.Write(pdf.data(), pdf.size());
    if (result) result = file.Close();
    if (!result) return PrintError::CannotStart;
    return {};
}

}  // namespace

void RunPrintCommand(Workspace& workspace, QWidget* parent) {
    if (!workspace.AnalysisShown()) return;
    QPrinter printer(QPrinter::HighResolution);
    SetUpPrinter(printer);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return;
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
    PrintStatus result;
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
    PrintStatus result;
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter* target) {
        result = RenderReport(*workspace.CurrentAnalysis(), *target);
    });
    preview.exec();
    ReportFailure(workspace, result);
}

}  // namespace orva
