// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "store/FileSystem.h"
#include "store/StoreError.h"
#include "model/UserMessage.h"
#include "reports/ReportMessages.h"

namespace orva {

// What the export dialog hands to a run: both names without their extensions.
struct ExportRequest {
    std::string recordFileName;
    std::string exportName;
    bool privacyAccepted = false;
};

// Where a run stopped before it completed; a stopped run leaves the dialog open.
enum class ExportStop {
    None,        // the run completed, fully or partly
    Privacy,     // the privacy box was not ticked: no file was opened
    RecordFile,  // the record file could not be opened or its first record read
    Declined,    // the CSV existed and was not to be replaced: no message
    ExportFile,  // the CSV could not be created
    NotWritten,  // the CSV could not be written in full: none of it was kept
};

// The outcome of a run, as data for the dialog or the command line to show.
struct ExportOutcome {
    ExportStop stop = ExportStop::None;
    bool exported = false;  // completed: persist the names and close the dialog
    std::optional<UserMessage> message;
    ExportCounters counters;
    // The failure that stopped the run: the open, or the first write (or the closing flush)
    // that failed.
    StoreStatus failure;
};

// Asked when the CSV file exists; true replaces it. Anything but an explicit "Yes" must be
// false.
using ReplaceDecision = std::function<bool()>;

// Exports every record of `recordFileName`.rpc, in file order, to `exportName`.csv. The CSV
// file is created only once a record has been read and decoded. A record that cannot be read
// or decoded is counted and passed over. The CSV is written whole or not at all: a failed
// write (a full disk) keeps none of it and stops the run (NotWritten), never as success.
ExportOutcome RunExport(const ExportRequest& request, const ReplaceDecision& replaceExisting,
                        FileSystem& fileSystem = DefaultFileSystem());

}  // namespace orva
