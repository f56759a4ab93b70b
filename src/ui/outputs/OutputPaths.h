#pragma once

#include <QString>
#include <optional>
#include <string>

#include "model/UserMessage.h"

namespace orva {

class Prompter;

// The export and Save As dialogs' file names at the UI's edge: the rules of the reports layer
// applied to field texts, and the Browse buttons over the prompter.

// Qt's filter form of a file-box filter written as "Name (*.x)|*.x||".
QString QtFilter(const char* filter);

// A path chosen in a file box for `extension`: the path without it, or nothing after showing
// the "Incorrect File Name" message.
std::optional<QString> BrowseOutputPath(Prompter& prompter, const QString& currentName, const char* extension,
                                        const char* filter, bool forOpening);

}  // namespace orva
