// SPDX-License-Identifier: Apache-2.0
#include "cli/RecordFileLoad.h"

#include "cli/CliOutput.h"
#include "cli/CliTexts.h"
#include "cli/PathChecks.h"
#include "model/RecordFilePath.h"
#include "store/RecordFormat.h"
#include "store/StoreMessages.h"

namespace orva::cli {

LoadedFile LoadRecordFile(const std::string& argument, RecordList& list, std::ostream& err) {
    LoadedFile loaded;
    const std::optional<std::string> path = ResolveRecordFile(argument, err);
    if (!path) {
        loaded.status = kExitRefused;
        return loaded;
    }
    loaded.path = *path;

    const StoreResult<int> result = list.Load(loaded.path, true, false);
    if (result.Ok() && *result == 0) return loaded;
    // The messages name the file as entered, without its extension; the path is the user's own
    // bytes, so it goes in after the product text is converted.
    const std::string name = RecordFilePath(loaded.path).WithoutExtension();
    if (const auto message = LoadResultMessage(result, std::string(1, kNameMarker))) PrintMessage(err, *message, name);
    if (!result) {
        loaded.status = kExitRefused;
        return loaded;
    }
    if (!list.FailedPositions().empty()) {
        err << texts::cli::kFailedPositions;
        for (std::size_t i = 0; i < list.FailedPositions().size(); ++i) {
            err << (i == 0 ? "" : ", ") << list.FailedPositions()[i];
        }
        err << '\n';
    }
    if (list.RecordsBeyondCapacity() > 0) {
        err << list.RecordsBeyondCapacity() << texts::cli::kBeyondCapacity << kMaxRecords << texts::cli::kBeyondCapacityEnd
            << '\n';
    }
    loaded.status = kExitPartial;
    return loaded;
}

}  // namespace orva::cli
