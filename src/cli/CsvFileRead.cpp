#include "cli/CsvFileRead.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "cli/CliOutput.h"
#include "cli/CliTexts.h"
#include "cli/ReportsCliTexts.h"
#include "reports/CsvImport.h"

namespace orva::cli {

namespace {

// Closes the descriptor however the read ends.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }

  private:
    int fd_;
};

bool Refuse(std::ostream& err, const char* problem, const std::string& path, int error = 0) {
    err << texts::kProgram << ": " << problem << EscapedPath(path);
    if (error != 0) err << " (" << std::strerror(error) << ")";
    err << '\n';
    return false;
}

}  // namespace

bool ReadCsvToImport(const std::string& path, std::string& content, std::ostream& err) {
    // Not blocking: opening a pipe must not wait for a writer.
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.Get() < 0) return Refuse(err, texts::kCsvUnreadable, path, errno);
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0) return Refuse(err, texts::kCsvUnreadable, path, errno);
    if (S_ISDIR(info.st_mode)) return Refuse(err, texts::kCsvIsFolder, path);
    if (!S_ISREG(info.st_mode)) return Refuse(err, texts::kCsvNotRegular, path);

    const std::size_t largest = LargestImportCsv();
    if (static_cast<unsigned long long>(info.st_size) > largest)
        return Refuse(err, texts::kCsvTooLarge, path);
    // The file may grow while it is read: the bound holds for what is read, not for its size.
    content.assign(largest + 1, '\0');
    std::size_t total = 0;
    while (total < content.size()) {
        const ssize_t n = ::read(file.Get(), content.data() + total, content.size() - total);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return Refuse(err, texts::kCsvUnreadable, path, errno);
        if (n == 0) break;
        total += static_cast<std::size_t>(n);
    }
    if (total > largest) return Refuse(err, texts::kCsvTooLarge, path);
    content.resize(total);
    return true;
}

}  // namespace orva::cli
