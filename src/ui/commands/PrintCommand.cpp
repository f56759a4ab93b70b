#include "ui/commands/PrintCommand.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "reports/print/PrintResult.h"
#include "reports/print/ReportRendering.h"
#include "ui/Prompter.h"
#include "ui/WaitCursor.h"
#include "ui/Workspace.h"
#include "ui/commands/CommandTexts.h"

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

}  // namespace

void RunPrintCommand(Workspace& workspace, QWidget* parent) {
    if (!workspace.AnalysisShown()) return;
    QPrinter printer(QPrinter::HighResolution);
    SetUpPrinter(printer);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return;
    int result = kPrintOk;
    {
        const WaitCursor waiting;
        result = RenderReport(*workspace.CurrentAnalysis(), printer);
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
