// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/Clock.h"
#include "model/UserMessage.h"
#include "screening/ReportSet.h"

namespace orva {

// The names the export dialog opens with: the record-file name from its setting, and an
// export name in the folder of the previous export with the record file's base name.
struct ExportDialogNames {
    std::string recordFileName;      // without ".rpc"
    std::string exportName;          // without ".csv"
    std::string rememberedBaseName;  // base name of the record file the export name follows
};
ExportDialogNames InitialExportNames(std::string_view orvaFileNameSetting,
                                     std::string_view exportFileNameSetting);

// When the record-file name field is left: if its base name is not the remembered one, the
// export name takes the new base name in its own folder and the message tells the user so.
struct ExportNameUpdate {
    bool changed = false;
    std::string exportName;
    std::string rememberedBaseName;
    std::optional<UserMessage> message;  // "Export File Name", when changed
};
ExportNameUpdate UpdateDefaultExportName(std::string_view recordFileName, std::string_view exportName,
                                         std::string_view rememberedBaseName);

// A path chosen in a file box for ".rpc", ".csv" or ".rtf": the name without the extension,
// or the "Incorrect File Name" message.
struct BrowsedName {
    bool accepted = false;
    std::string name;
    std::optional<UserMessage> refusal;
};
BrowsedName CheckBrowsedName(std::string_view path, std::string_view extension);

// The name the analysis Save As dialog suggests: the folder of the previous analysis file,
// the first present report's last and first name each followed by "_", the letters of the
// present reports ("s", "p", "t"), "_" and today as YYYYMMDD. In the names, "/", "\\", ":" and ".."
// become "_", so a name can never point into another folder.
std::string SuggestedAnalysisFileName(std::string_view analysisFileNameSetting, const ReportSet& reports,
                                      const LocalDateTime& today);

// A name typed with its extension ("report.rtf") loses that one extension, since the program
// adds it again when it opens the file.
std::string WithoutTypedExtension(std::string_view name, std::string_view extension);

// The file-name checks of the Save As OK button, in order: nothing when the name may be used.
std::optional<UserMessage> CheckSaveFileName(std::string_view fileName);

}  // namespace orva
