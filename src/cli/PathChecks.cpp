#include "cli/PathChecks.h"

#include <sys/stat.h>

#include "cli/CliOutput.h"
#include "cli/CliTexts.h"
#include "cli/ReportsCliSupport.h"
#include "model/FileNameRules.h"

namespace orva::cli {

namespace {

bool IsFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

std::optional<std::string> RecordFilePath(std::string_view argument, std::ostream& err) {
    const FileNameCheck check = ApplyRecordFileNameRule(argument);
    if (!check.ok) {
        PrintPlainMessage(err, {orva::texts::kIncorrectFileName, check.message, MessageIcon::Stop});
        return std::nullopt;
    }
    if (IsFolder(check.fullPath)) {
        err << texts::kProgram << ": " << texts::kRecordFileIsFolder << EscapedPath(check.fullPath) << '\n';
        return std::nullopt;
    }
    return check.fullPath;
}

}  // namespace orva::cli
