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
    ~OpenFile() { fs_.Close(handle_); }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    FileSystem::Handle Get() const { return handle_; }

  private:
    FileSystem& fs_;
    FileSystem::Handle handle_;
};

void PrintCause(std::ostream& err, int code) {
    err << " (";
    switch (code) {
        case Code(StoreError::FileNotFound):
        case Code(StoreError::BadPath): err << texts::cli::kCauseNotFound; break;
        case Code(StoreError::AccessDenied): err << texts::cli::kCauseAccessDenied; break;
        case Code(StoreError::SharingViolation):
        case Code(StoreError::LockViolation): err << texts::cli::kCauseInUse; break;
        default: err << texts::cli::kCauseOther << code; break;
    }
    err << ')';
}

bool Refuse(std::ostream& err, const char* problem, const std::string& path, int code = 0) {
    err << texts::cli::kProgram << ": " << problem << EscapedPath(path);
    if (code != 0) PrintCause(err, code);
    err << '\n';
    return false;
}

// A folder, device or pipe is refused by what the open handle is, so nothing swapped in after
// the name was looked at is read.
bool RefuseUnlessOrdinary(std::ostream& err, const std::string& path, int code, const FileFacts& facts) {
    if (code < 0) return Refuse(err, texts::cli::kCsvUnreadable, path, code);
    if (facts.folder) return Refuse(err, texts::cli::kCsvIsFolder, path);
    if (!facts.regularFile) return Refuse(err, texts::cli::kCsvNotRegular, path);
    return true;
}

}  // namespace

bool ReadCsvToImport(const std::string& path, std::string& content, std::ostream& err) {
    FileSystem& fs = DefaultFileSystem();
    FileFacts facts;
    // Looked at before it is opened too: opening a device or pipe may itself have effects.
    if (const int code = fs.Facts(path, facts); code != 0 || !facts.regularFile) {
        return RefuseUnlessOrdinary(err, path, code, facts);
    }
    FileSystem::Handle handle = -1;
    bool created = false;
    if (const int code = fs.Open(path, OpenMode::ReadOnly, 0, handle, created); code < 0) {
        return Refuse(err, texts::cli::kCsvUnreadable, path, code);
    }
    const OpenFile file(fs, handle);
    facts = {};
    if (!RefuseUnlessOrdinary(err, path, fs.Facts(file.Get(), facts), facts)) return false;

    const std::size_t largest = LargestImportCsv();
    const long long size = fs.Size(file.Get());
    if (size < 0) return Refuse(err, texts::cli::kCsvUnreadable, path, static_cast<int>(size));
    if (static_cast<unsigned long long>(size) > largest) return Refuse(err, texts::cli::kCsvTooLarge, path);
    // The file may grow while it is read: the bound holds for what is read, not for its size.
    content.assign(largest + 1, '\0');
    const long long total = fs.ReadAt(file.Get(), 0, content.data(), content.size());
    if (total < 0) return Refuse(err, texts::cli::kCsvUnreadable, path, static_cast<int>(total));
    if (static_cast<unsigned long long>(total) > largest) return Refuse(err, texts::cli::kCsvTooLarge, path);
    content.resize(static_cast<std::size_t>(total));
    return true;
}

}  // namespace orva::cli
