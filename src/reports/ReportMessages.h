// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>

#include "model/UserMessage.h"
#include "store/StoreError.h"

namespace orva {

// The five counts of an export run.
struct ExportCounters {
    unsigned numberOfRecords = 0;
    unsigned recordsWritten = 0;
    unsigned couldNotRead = 0;
    unsigned couldNotImport = 0;  // read but refused by the record decoder
    unsigned couldNotWrite = 0;

    bool operator==(const ExportCounters&) const = default;
};

// The messages of the export, the export password and the analysis Save As dialog, chosen
// from result codes. Names are paths without their extension.

// The record file could not be opened or its first record read ("ORVA File Error").
UserMessage RecordFileOpenMessage(StoreError error, const std::string& recordFileName);
// The CSV file could not be created ("Export File Error").
UserMessage ExportFileOpenMessage(StoreError error, const std::string& exportName);
// The RTF file could not be created ("Save File Error").
UserMessage SaveFileOpenMessage(StoreError error, const std::string& fileName);
// A report file named like a record file, which it would replace ("Save File Error");
// `file` with its extension.
UserMessage OutputIsRecordFileMessage(const std::string& file);

// The CSV could not be written in full (`error` says why), so none of it was kept.
UserMessage ExportNotWrittenMessage(const std::string& recordFileName, const std::string& exportName, StoreError error);
// The end of a completed run: "Export OK" when every record was written, otherwise
// "Export File Problem" with the counts.
UserMessage ExportFinishedMessage(const std::string& recordFileName, const std::string& exportName,
                                  const ExportCounters& counters);

UserMessage WrongPasswordMessage();
UserMessage ExportPrivacyMessage();
UserMessage SavePrivacyMessage();
UserMessage ExportNameChangedMessage();
// "Incorrect File Name" for a browsed path refused for ".rpc", ".csv" or ".rtf".
UserMessage BrowseRefusedMessage(const std::string& extension);
// The "File Exists" question; "No" is its default answer.
UserMessage FileExistsQuestion();

UserMessage NoAnalysisMessage();
UserMessage NoSaveFileNameMessage();
UserMessage InvalidSaveFileNameMessage();
UserMessage SaveSuccessfulMessage(const std::string& fileName);
// The report could not be written in full, so none of it was kept.
UserMessage SaveNotWrittenMessage(const std::string& fileName);

}  // namespace orva
