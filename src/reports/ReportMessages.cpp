// SPDX-License-Identifier: Apache-2.0
#include "reports/ReportMessages.h"

#include <cstdio>
#include <vector>

#include "model/FileNameRules.h"
#include "model/RecordFilePath.h"
#include "reports/ReportsTexts.h"
#include "store/StoreError.h"

namespace orva {

namespace {

bool InUse(StoreError error) {
    return error == StoreError::SharingViolation || error == StoreError::LockViolation;
}
bool NotFound(StoreError error) {
    return error == StoreError::FileNotFound || error == StoreError::BadPath;
}

// The shared part of the three output-file tables; `file` carries its extension.
std::string OutputOpenText(StoreError error, const std::string& file) {
    if (error == StoreError::OutputIsRecordFile) return texts::kFileQuoted + file + texts::kOutputIsRecordFileTail;
    if (InUse(error)) return texts::kFileQuoted + file + texts::kInUseTail;
    if (error == StoreError::AccessDenied) return texts::kNoAccess + file + texts::kClosingQuote;
    if (NotFound(error)) return texts::kPathQuoted + file + texts::kNotFoundTail;
    return texts::kOpenOrReadError + file + texts::kClosingQuote;
}

}  // namespace

UserMessage RecordFileOpenMessage(StoreError error, const std::string& recordFileName) {
    const std::string file = RecordFilePath(recordFileName).OnDisk();
    std::string text;
    if (error == StoreError::BadHeaderWord || error == StoreError::TooShort) {
        text = texts::kFileQuoted + file + texts::kNotRecordFormatTail;
    } else if (InUse(error)) {
        text = texts::kFileQuoted + file + texts::kInUseTail;
    } else if (error == StoreError::AccessDenied) {
        text = texts::kNoAccess + file + texts::kClosingQuote;
    } else if (NotFound(error)) {
        text = texts::kFileQuoted + file + texts::kNotFoundTail;
    } else {
        text = texts::kOpenOrReadError + file + texts::kClosingQuote;
    }
    return {texts::kRecordFileErrorCaption, text, MessageIcon::Stop};
}

UserMessage ExportFileOpenMessage(StoreError error, const std::string& exportName) {
    return {texts::kExportFileErrorCaption, OutputOpenText(error, exportName + texts::kCsvSuffixLabel),
            MessageIcon::Stop};
}

UserMessage SaveFileOpenMessage(StoreError error, const std::string& fileName) {
    return {texts::kSaveFileErrorCaption, OutputOpenText(error, fileName + texts::kRtfSuffixLabel),
            MessageIcon::Stop};
}

UserMessage OutputIsRecordFileMessage(const std::string& file) {
    return {texts::kSaveFileErrorCaption, texts::kFileQuoted + file + texts::kOutputIsRecordFileTail,
            MessageIcon::Stop};
}

UserMessage ExportNotWrittenMessage(const std::string& recordFileName, const std::string& exportName, StoreError error) {
    std::string text = texts::kExportNotWrittenStart + recordFileName + texts::kExportNotWrittenMiddle + exportName +
                       texts::kExportNotWrittenEnd;
    if (error == StoreError::DiskFull) text += texts::kExportDiskFull;
    return {texts::kExportFileErrorCaption, text, MessageIcon::Stop};
}

UserMessage ExportFinishedMessage(const std::string& recordFileName, const std::string& exportName,
                                  const ExportCounters& c) {
    if (c.recordsWritten == c.numberOfRecords) {
        return {texts::kExportOkCaption,
                texts::kExportOkStart + recordFileName + texts::kExportOkMiddle + exportName +
                    texts::kExportOkEnd,
                MessageIcon::Information};
    }
    const int size =
        std::snprintf(nullptr, 0, texts::kExportProblemFormat, recordFileName.c_str(), exportName.c_str(),
                      c.numberOfRecords, c.recordsWritten, c.couldNotRead, c.couldNotImport, c.couldNotWrite);
    std::vector<char> buffer(static_cast<std::size_t>(size) + 1);
    std::snprintf(buffer.data(), buffer.size(), texts::kExportProblemFormat, recordFileName.c_str(),
                  exportName.c_str(), c.numberOfRecords, c.recordsWritten, c.couldNotRead, c.couldNotImport,
                  c.couldNotWrite);
    return {texts::kExportProblemCaption, std::string(buffer.data(), static_cast<std::size_t>(size)),
            MessageIcon::Exclamation};
}

UserMessage WrongPasswordMessage() {
    return {texts::kWrongPasswordCaption, texts::kWrongPassword, MessageIcon::Stop};
}

UserMessage ExportPrivacyMessage() {
    return {texts::kPrivacyCaption, texts::kExportPrivacy, MessageIcon::Stop};
}

UserMessage SavePrivacyMessage() {
    return {texts::kPrivacyCaption, texts::kSavePrivacy, MessageIcon::Stop};
}

UserMessage ExportNameChangedMessage() {
    return {texts::kExportNameCaption, texts::kExportNameChanged, MessageIcon::Information};
}

UserMessage BrowseRefusedMessage(const std::string& extension) {
    const char* text = extension == texts::kCsvSuffixLabel   ? texts::kBrowseCsvFile
                       : extension == texts::kRtfSuffixLabel ? texts::kBrowseRtfFile
                                                             : texts::kBrowseRecordFile;
    return {texts::kIncorrectFileName, text, MessageIcon::Stop};
}

UserMessage FileExistsQuestion() {
    return {texts::kFileExistsCaption, std::string(texts::kFileExists) + "\n" + texts::kFileExistsQuestion,
            MessageIcon::Exclamation};
}

UserMessage NoAnalysisMessage() {
    return {texts::kNoAnalysisCaption, texts::kNoAnalysis, MessageIcon::Stop};
}

UserMessage NoSaveFileNameMessage() {
    return {texts::kFileNameErrorCaption, texts::kNoSaveFileName, MessageIcon::Stop};
}

UserMessage InvalidSaveFileNameMessage() {
    return {texts::kFileNameErrorCaption, texts::kInvalidSaveFileName, MessageIcon::Stop};
}

UserMessage SaveSuccessfulMessage(const std::string& fileName) {
    return {texts::kSaveSuccessfulCaption, texts::kSaveSuccessfulStart + fileName + texts::kSaveSuccessfulEnd,
            MessageIcon::Information};
}

UserMessage SaveNotWrittenMessage(const std::string& fileName) {
    return {texts::kSaveFileErrorCaption, texts::kSaveNotWrittenStart + fileName + texts::kSaveNotWrittenEnd,
            MessageIcon::Stop};
}

}  // namespace orva
