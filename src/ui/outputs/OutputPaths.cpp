#include "ui/outputs/OutputPaths.h"

#include "reports/ReportFileNames.h"
#include "ui/CoreText.h"
#include "ui/Prompter.h"
#include "ui/selection/RecordPath.h"

namespace orva {

namespace {

// The browse rule counts characters: it runs on a one-byte stand-in of the text so that a
// character outside ASCII counts once, whatever its encoding.
std::string StandIn(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) bytes.push_back(c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : 'x');
    return bytes;
}

}  // namespace

QString QtFilter(const char* filter) {
    const QString text = QString::fromLatin1(filter);
    return text.left(text.indexOf(QLatin1Char('|')));
}

std::optional<QString> BrowseOutputPath(Prompter& prompter, const QString& currentName, const char* extension,
                                        const char* filter, bool forOpening) {
    const QString start = currentName + QString::fromLatin1(extension);
    const QString chosen = forOpening ? prompter.OpenFileName(QString(), start, QtFilter(filter))
                                      : prompter.SaveFileName(QString(), start, QtFilter(filter));
    if (chosen.isEmpty()) return std::nullopt;
    const BrowsedName browsed = CheckBrowsedName(StandIn(chosen), extension);
    if (!browsed.accepted) {
        prompter.Message(*browsed.refusal);
        return std::nullopt;
    }
    return chosen.left(static_cast<qsizetype>(browsed.name.size()));
}

}  // namespace orva
