// SPDX-License-Identifier: Apache-2.0
#include "cli/CsvFileRead.h"

#include "cli/CliOutput.h"
#include "cli/CliTexts.h"
#include "reports/CsvImport.h"
#include "store/FileSystem.h"
#include "store/StoreError.h"

namespace orva::cli {

namespace {

// Closes the file however the read ends.
class OpenFile {
  public:
    OpenFile(FileSystem& fs, FileSystem::Handle handle) : fs_(fs), handle_(handle) {}
    ~OpenFile() { (void)fs_.Close(handle_); }  // only read from
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    FileSystem::Handle Get() const { return handle_; }

  private:
    FileSystem& fs_;
    FileSystem::Handle handle_;
};

void PrintCause(std::ostream& err, StoreError cause) {
    err << " (";
    switch (cause) {
        case StoreError::FileNotFound:
        case StoreError::BadPath: err << texts::cli::kCauseNotFound; break;
        case StoreError::AccessDenied: err << texts::cli::kCauseAccessDenied; break;
        case StoreError::SharingViolation:
        case StoreError::LockViolation: err << texts::cli::kCauseInUse; break;
        default: err << texts::cli::kCauseOther << Code(cause); break;
    }
    err << ')';
}

bool Refuse(std::ostream& err, const char* problem, const std::string& path, StoreStatus cause = {}) {
    err << texts::cli::kProgram << ": " << problem << EscapedPath(path);
    if (!cause) PrintCause(err, cause.Error());
    err << '\n';
    return false;
}

// A folder, device or pipe is refused by what the open handle is, so nothing swapped in after
// the name was looked at is read. True for an ordinary file.
bool RefuseUnlessOrdinary(std::ostream& err, const std::string& path, const StoreResult<FileFacts>& facts) {
    if (!facts) return Refuse(err, texts::cli::kCsvUnreadable, path, facts.AsStatus());
    if (facts->folder) return Refuse(err, texts::cli::kCsvIsFolder, path);
    if (!facts->regularFile) return Refuse(err, texts::cli::kCsvNotRegular, path);
    return true;
}

}  // namespace

bool ReadCsvToImport(const std::string& path, std::string& content, std::ostream& err) {
    FileSystem& fs = DefaultFileSystem();
    // Looked at before it is opened too: opening a device or pipe may itself have effects.
    if (!RefuseUnlessOrdinary(err, path, fs.Facts(path))) return false;
    const StoreResult<FileSystem::Handle> opened = fs.Open(path, OpenMode::ReadOnly, 0);
    if (!opened) return Refuse(err, texts::cli::kCsvUnreadable, path, opened.AsStatus());
    const OpenFile file(fs, *opened);
    if (!RefuseUnlessOrdinary(err, path, fs.Facts(file.Get()))) return false;

    const std::size_t largest = LargestImportCsv();
    const StoreResult<long long> size = fs.Size(file.Get());
    if (!size) return Refuse(err, texts::cli::kCsvUnreadable, path, size.AsStatus());
    if (static_cast<unsigned long long>(*size) > largest) return Refuse(err, texts::cli::kCsvTooLarge, path);
    // The file may grow while it is read: the bound holds for what is read, not for its size.
    content.assign(largest + 1, '\0');
    const StoreResult<long long> total = fs.ReadAt(file.Get(), 0, content.data(), content.size());
    if (!total) return Refuse(err, texts::cli::kCsvUnreadable, path, total.AsStatus());
    if (static_cast<unsigned long long>(*total) > largest) return Refuse(err, texts::cli::kCsvTooLarge, path);
    content.resize(static_cast<std::size_t>(*total));
    return true;
}

}  // namespace orva::cli
