// SPDX-License-Identifier: Apache-2.0
#include "cli/PathChecks.h"

#include "cli/CliOutput.h"
#include "cli/CliTexts.h"
#include "cli/ReportsCliSupport.h"
#include "model/FileNameRules.h"
#include "model/RecordFilePath.h"
#include "store/FileSystem.h"

namespace orva::cli {

namespace {

bool IsFolder(const std::string& path) {
    const StoreResult<FileFacts> facts = DefaultFileSystem().Facts(path);
    return facts && facts->folder;
}

}  // namespace

std::optional<std::string> ResolveRecordFile(std::string_view argument, std::ostream& err) {
    const FileNameCheck check = RecordFilePath::Check(argument);
    if (!check.ok) {
        PrintPlainMessage(err, {orva::texts::kIncorrectFileName, check.message, MessageIcon::Stop});
        return std::nullopt;
    }
    if (IsFolder(check.fullPath)) {
        err << texts::cli::kProgram << ": " << texts::cli::kRecordFileIsFolder << EscapedPath(check.fullPath)
            << '\n';
        return std::nullopt;
    }
    return check.fullPath;
}

}  // namespace orva::cli
