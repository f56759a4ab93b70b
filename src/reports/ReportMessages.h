#pragma once

#include <string>

#include "MessageSpec.h"

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
MessageSpec RecordFileOpenMessage(int code, const std::string& recordFileName);
// The CSV file could not be created ("Export File Error").
MessageSpec ExportFileOpenMessage(int code, const std::string& exportName);
// The RTF file could not be created ("Save File Error").
MessageSpec SaveFileOpenMessage(int code, const std::string& fileName);

// The end of a completed run: "Export OK" when every record was written, otherwise
// "Export File Problem" with the counts.
MessageSpec ExportFinishedMessage(const std::string& recordFileName, const std::string& exportName,
                                  const ExportCounters& counters);

MessageSpec WrongPasswordMessage();
MessageSpec ExportPrivacyMessage();
MessageSpec SavePrivacyMessage();
MessageSpec ExportNameChangedMessage();
// "Incorrect File Name" for a browsed path refused for ".rpc", ".csv" or ".rtf".
MessageSpec BrowseRefusedMessage(const std::string& extension);
// The "File Exists" question; "No" is its default answer.
MessageSpec FileExistsQuestion();

MessageSpec NoAnalysisMessage();
MessageSpec NoSaveFileNameMessage();
MessageSpec InvalidSaveFileNameMessage();
MessageSpec SaveSuccessfulMessage(const std::string& fileName);
// The report could not be written in full after its file was created.
MessageSpec SaveIncompleteMessage(const std::string& fileName);

}  // namespace orva
