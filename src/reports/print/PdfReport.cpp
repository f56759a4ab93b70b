#include "reports/print/PdfReport.h"

#include <QBuffer>
#include <QByteArray>
#include <QDateTime>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QRandomGenerator>
#include <filesystem>
#include <system_error>

#include "reports/print/PdfInformation.h"
#include "reports/print/PrintResult.h"
#include "reports/print/PrintTexts.h"
#include "reports/print/ReportRendering.h"
#include "store/StoreResult.h"
#ifdef _WIN32
#include "store/WindowsFileSystem.h"
#else
#include "store/PosixFileSystem.h"
#endif

namespace orva {

namespace {

constexpr int kPdfResolution = 1200;
constexpr int kNameAttempts = 16;

int CauseOf(const std::error_code& error) {
#ifdef _WIN32
    return CauseFromWindowsError(static_cast<unsigned long>(error.value()));
#else
    return CauseFromErrno(error.value());
#endif
}

bool Exists(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::exists(std::filesystem::symlink_status(path, ignored));
}

int RenderPdf(const ReportSet& reports, QByteArray& bytes) {
    int rendered = kPrintOk;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfResolution);
        writer.setTitle(QString::fromLatin1(print_texts::kPdfTitle));
        writer.setCreator(QString::fromLatin1(print_texts::kPdfCreator));
        rendered = RenderReport(reports, writer);
    }
    if (rendered < 0) return rendered;
    // The writer ends the file when it goes; the properties Qt cannot set follow it.
    std::string pdf = bytes.toStdString();
    const PdfInformation information{print_texts::kPdfTitle, print_texts::kPdfAuthor, print_texts::kPdfSubject,
                                     print_texts::kPdfCreator,
                                     "D:" + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddHHmmss"))
                                                .toStdString() + "Z"};
    if (AppendPdfInformation(pdf, information)) bytes = QByteArray::fromStdString(pdf);
    return rendered;
}

// Creates a file of a new name beside `path` (readable by its owner only) holding `bytes`,
// made durable; returns its name in `temporary`, or a failure code with nothing left behind.
int WriteTemporary(FileSystem& fs, const std::string& path, const QByteArray& bytes, std::string& temporary) {
    FileSystem::Handle handle = -1;
    int result = kFileExists;
    for (int attempt = 0; attempt < kNameAttempts && result == kFileExists; ++attempt) {
        temporary = path + "." + std::to_string(QRandomGenerator::global()->generate()) + ".part";
        bool created = false;
        result = fs.Open(temporary, OpenMode::CreateNew, kReportFilePermissions, handle, created);
    }
    if (result < 0) return result;
    result = fs.WriteAt(handle, 0, bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (result >= 0) result = fs.Sync(handle);
    const int closed = fs.Close(handle);
    if (result >= 0) result = closed;
    if (result < 0) fs.Remove(temporary);
    return result < 0 ? result : kStoreOk;
}

// Gives the finished file its name: over an existing file only when `replace`. Without it a
// hard link claims the name atomically, so a file that appeared meanwhile is never replaced.
int MoveIntoPlace(const std::string& temporary, const std::string& path, bool replace) {
    std::error_code error;
    if (replace) {
        std::filesystem::rename(temporary, path, error);
    } else {
        std::filesystem::create_hard_link(temporary, path, error);
        if (!error) std::filesystem::remove(temporary, error);
    }
    if (!error) return kStoreOk;
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return error == std::errc::file_exists ? kFileExists : CauseOf(error);
}

}  // namespace

bool EnsureGuiApplication() {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) return true;
    if (QCoreApplication::instance() != nullptr) return false;
    static int argc = 3;
    static char program[] = "orva";
    static char platformOption[] = "-platform";
    static char platform[] = "offscreen";
    static char* argv[] = {program, platformOption, platform, nullptr};
    // Kept until the process ends: destroying it among the static objects would outlive Qt's own.
    new QGuiApplication(argc, argv);
    return true;
}

int WritePdfReport(const ReportSet& reports, const std::string& path, bool replace, FileSystem& fileSystem) {
    if (!EnsureGuiApplication()) return kPrintNoGuiApplication;
    if (!replace && Exists(path)) return kFileExists;

    QByteArray bytes;
    const int rendered = RenderPdf(reports, bytes);
    if (rendered < 0) return rendered;

    std::string temporary;
    const int written = WriteTemporary(fileSystem, path, bytes, temporary);
    if (written < 0) return written;
    const int placed = MoveIntoPlace(temporary, path, replace);
    if (placed < 0) return placed;
    return fileSystem.SyncDirectoryOf(path);
}

}  // namespace orva
