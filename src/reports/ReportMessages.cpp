#include "reports/ReportMessages.h"

#include <cstdio>
#include <vector>

#include "model/FileNameRules.h"
#include "model/RecordFilePath.h"
#include "reports/ReportsTexts.h"
#include "store/StoreResult.h"

namespace orva {

namespace {

bool InUse(int code) {
    return code == kSharingViolation || code == kLockViolation;
}
bool NotFound(int code) {
    return code == kFileNotFound || code == kBadPath;
}

// The shared part of the three output-file tables; `file` carries its extension.
std::string OutputOpenText(int code, const std::string& file) {
    if (code == kOutputIsRecordFile) return texts::kFileQuoted + file + texts::kOutputIsRecordFileTail;
    if (InUse(code)) return texts::kFileQuoted + file + texts::kInUseTail;
    if (code == kAccessDenied) return texts::kNoAccess + file + texts::kClosingQuote;
    if (NotFound(code)) return texts::kPathQuoted + file + texts::kNotFoundTail;
    return texts::kOpenOrReadError + file + texts::kClosingQuote;
}

}  // namespace

UserMessage RecordFileOpenMessage(int code, const std::string& recordFileName) {
    const std::string file = RecordFilePath(recordFileName).OnDisk();
    std::string text;
    if (code == kBadHeaderWord || code == kTooShort) {
        text = texts::kFileQuoted + file + texts::kNotRecordFormatTail;
    } else if (InUse(code)) {
        text = texts::kFileQuoted + file + texts::kInUseTail;
    } else if (code == kAccessDenied) {
        text = texts::kNoAccess + file + texts::kClosingQuote;
    } else if (NotFound(code)) {
        text = texts::kFileQuoted + file + texts::kNotFoundTail;
    } else {
        text = texts::kOpenOrReadError + file + texts::kClosingQuote;
    }
    return {texts::kRecordFileErrorCaption, text, MessageIcon::Stop};
}

UserMessage ExportFileOpenMessage(int code, const std::string& exportName) {
    return {texts::kExportFileErrorCaption, OutputOpenText(code, exportName + texts::kCsvSuffixLabel),
            MessageIcon::Stop};
}

UserMessage SaveFileOpenMessage(int code, const std::string& fileName) {
    return {texts::kSaveFileErrorCaption, OutputOpenText(code, fileName + texts::kRtfSuffixLabel),
            MessageIcon::Stop};
}

UserMessage OutputIsRecordFileMessage(const std::string& file) {
    return {texts::kSaveFileErrorCaption, texts::kFileQuoted + file + texts::kOutputIsRecordFileTail,
            MessageIcon::Stop};
}

UserMessage ExportNotWrittenMessage(const std::string& recordFileName, const std::string& exportName, int code) {
    std::string text = texts::kExportNotWrittenStart + recordFileName + texts::kExportNotWrittenMiddle + exportName +
                       texts::kExportNotWrittenEnd;
    if (code == kDiskFull) text += texts::kExportDiskFull;
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
