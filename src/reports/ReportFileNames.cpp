// SPDX-License-Identifier: Apache-2.0
#include "reports/ReportFileNames.h"

#include <cstdio>

#include "model/FileNameRules.h"
#include "reports/PersonDetailTexts.h"
#include "reports/ReportMessages.h"

namespace orva {

namespace {

// A person's name becomes part of a file name: what would name a folder, a drive or the
// folder above cannot stay.
std::string FileNamePart(const std::string& text) {
    std::string part;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.' && i + 1 < text.size() && text[i + 1] == '.') {
            part += '_';
            ++i;
        } else {
            part += (c == '/' || c == '\\' || c == ':') ? '_' : c;
        }
    }
    return part;
}

}  // namespace

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
        name += FileNamePart(reports.Record(first).GetLastName()) + "_" +
                FileNamePart(reports.Record(first).GetFirstName()) + "_";
    }
    static constexpr char kLetters[] = {'s', 'p', 't'};
    for (int slot : {kSelf, kParent, kTeacher}) {
        if (!reports.IsSlotEmpty(slot)) name += kLetters[slot];
    }
    char date[32];
    std::snprintf(date, sizeof date, "_%04d%02d%02d", today.year, today.month, today.day);
    return name + date;
}

std::string WithoutTypedExtension(std::string_view name, std::string_view extension) {
    if (name.size() >= extension.size() && name.substr(name.size() - extension.size()) == extension) {
        name.remove_suffix(extension.size());
    }
    return std::string(name);
}

std::optional<UserMessage> CheckSaveFileName(std::string_view fileName) {
    if (fileName.empty()) return NoSaveFileNameMessage();
    const char last = fileName.back();
    if (last == '/' || last == ':' || last == '\\') return InvalidSaveFileNameMessage();
    return std::nullopt;
}

}  // namespace orva
