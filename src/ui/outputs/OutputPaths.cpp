// SPDX-License-Identifier: Apache-2.0
#include "ui/outputs/OutputPaths.h"

#include "reports/ReportFileNames.h"
#include "ui/CoreText.h"
#include "ui/Prompter.h"
#include "ui/selection/RecordPath.h"

namespace orva {

QString QtFilter(const char* filter) {
    const QString text = QString::fromLatin1(filter);
    return text.left(text.indexOf(QLatin1Char('|')));
}

std::optional<QString> BrowseOutputPath(Prompter& prompter, const QString& currentName, const char* extension,
                                        const char* filter, bool forOpening) {
    const QString start = InBaseFolder(currentName + QString::fromLatin1(extension));
    const QString chosen = forOpening ? prompter.OpenFileName(QString(), start, QtFilter(filter))
                                      : prompter.SaveFileName(QString(), start, QtFilter(filter));
    if (chosen.isEmpty()) return std::nullopt;
    const BrowsedName browsed = CheckBrowsedName(CharacterStandIn(chosen), extension);
    if (!browsed.accepted) {
        prompter.Message(*browsed.refusal);
        return std::nullopt;
    }
    return chosen.left(static_cast<qsizetype>(browsed.name.size()));
}

}  // namespace orva
