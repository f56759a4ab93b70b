#include "reports/ReportFileNames.h"

#include <cstdio>

#include "model/FileNameRules.h"
#include "reports/PersonDetailTexts.h"
#include "reports/ReportMessages.h"

namespace orva {

ExportDialogNames InitialExportNames(std::string_view orvaFileNameSetting,
                                     std::string_view exportFileNameSetting) {
    ExportDialogNames names;
    names.recordFileName = std::string(orvaFileNameSetting);
    names.rememberedBaseName = BaseName(orvaFileNameSetting);
    names.exportName = DirectoryPart(exportFileNameSetting) + names.rememberedBaseName;
    return names;
}

ExportNameUpdate UpdateDefaultExportName(std::string_view recordFileName, std::string_view exportName,
                                         std::string_view rememberedBaseName) {
    ExportNameUpdate update;
    const std::string base = BaseName(recordFileName);
    if (base == rememberedBaseName) {
        update.exportName = std::string(exportName);
        update.rememberedBaseName = std::string(rememberedBaseName);
        return update;
    }
    update.changed = true;
    update.exportName = DirectoryPart(exportName) + base;
    update.rememberedBaseName = base;
    update.message = ExportNameChangedMessage();
    return update;
}

BrowsedName CheckBrowsedName(std::string_view path, std::string_view extension) {
    BrowsedName result;
    result.accepted = AcceptBrowsedPath(path, extension, result.name);
    if (!result.accepted) {
        result.name.clear();
        result.refusal = BrowseRefusedMessage(std::string(extension));
    }
    return result;
}

std::string SuggestedAnalysisFileName(std::string_view analysisFileNameSetting, const ReportSet& reports,
                                      const LocalDateTime& today) {
    std::string name = DirectoryPart(analysisFileNameSetting);
    const int first = FirstPresentSlot(reports);
    if (first >= 0) {
        name += reports.Record(first).GetLastName() + "_" + reports.Record(first).GetFirstName() + "_";
    }
    static constexpr char kLetters[] = {'s', 'p', 't'};
    for (int slot : {kSelf, kParent, kTeacher}) {
        if (!reports.IsSlotEmpty(slot)) name += kLetters[slot];
    }
    char date[32];
    std::snprintf(date, sizeof date, "_%04d%02d%02d", today.year, today.month, today.day);
    return name + date;
}

std::optional<UserMessage> CheckSaveFileName(std::string_view fileName) {
    if (fileName.empty()) return NoSaveFileNameMessage();
    const char last = fileName.back();
    if (last == '/' || last == ':' || last == '\\') return InvalidSaveFileNameMessage();
    return std::nullopt;
}

}  // namespace orva
