// SPDX-License-Identifier: Apache-2.0
#include "reports/print/PdfReport.h"

#include <QBuffer>
#include <QByteArray>
#include <QDateTime>
#include <QGuiApplication>
#include <QPdfWriter>

#include "reports/print/PdfInformation.h"
#include "reports/print/PrintError.h"
#include "reports/print/PrintTexts.h"
#include "reports/print/ReportRendering.h"

namespace orva {

namespace {

constexpr int kPdfResolution = 1200;

}  // namespace

PrintStatus RenderPdfReport(const ReportSet& reports, std::string& pdf) {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) return PrintError::NoGuiApplication;
    QByteArray bytes;
    PrintStatus rendered;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfResolution);
        writer.setTitle(QString::fromLatin1(texts::print::kPdfTitle));
        writer.setCreator(QString::fromLatin1(texts::print::kPdfCreator));
        rendered = RenderReport(reports, writer);
    }
    if (!rendered) return rendered;
    pdf.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    // The writer ends the file when it goes; the properties Qt cannot set follow it.
    const PdfInformation information{texts::print::kPdfTitle, texts::print::kPdfAuthor, texts::print::kPdfSubject,
                                     texts::print::kPdfCreator,
                                     "D:" + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddHHmmss"))
                                                .toStdString() + "Z"};
    AppendPdfInformation(pdf, information);
    return {};
}

}  // namespace orva
