// SPDX-License-Identifier: Apache-2.0
#include "cli/CommandTable.h"

#include "cli/AnalyseCommand.h"
#include "cli/CheckCommand.h"
#include "cli/CompareCommand.h"
#include "cli/ExportCommand.h"
#include "cli/HistoryCommand.h"
#include "cli/ImportCommand.h"
#include "cli/ListCommand.h"
#include "cli/ReportCommand.h"
#include "cli/SetExportPasswordCommand.h"

namespace orva::cli {

std::span<const CommandDefinition* const> AllCommands() {
    static constexpr const CommandDefinition* kCommands[] = {
        &kListCommand,   &kAnalyseCommand, &kCompareCommand,           &kHistoryCommand, &kExportCommand,
        &kImportCommand, &kReportCommand,  &kSetExportPasswordCommand, &kCheckCommand,
    };
    return kCommands;
}

}  // namespace orva::cli
