#pragma once

#include <QString>
#include <optional>

#include "ui/wizard/WizardContext.h"

namespace orva {

// The save of both questionnaire wizards: appends the context's record to the file at `path`
// (".rpc" included) under the wait cursor, then shows "Save Has Failed" or "Save Was
// Successful". The new record's file position, or nothing after a failure.
std::optional<int> SaveNewRecord(WizardContext& context, const QString& path);

}  // namespace orva
