// SPDX-License-Identifier: Apache-2.0
#include "store/StoreMessages.h"

#include <cstdio>

#include "model/FieldRules.h"
#include "store/StoreError.h"
#include "store/StoreTexts.h"

namespace orva {

UserMessage SaveFailedMessage(StoreError error) {
    const char* text = texts::kSaveOtherError;
    switch (error) {
        case StoreError::FileFull:
            text = texts::kSaveFileFull;
            break;
        case StoreError::HeaderUnreadable:
            text = texts::kSaveAccessError;
            break;
        case StoreError::BadLength:
        case StoreError::TooShort:
        case StoreError::BadHeaderWord:
            text = texts::kSaveNotOrvaFormat;
            break;
        case StoreError::LockViolation:
        case StoreError::SharingViolation:
            text = texts::kSaveInUse;
            break;
        case StoreError::DirectoryFull:
            text = texts::kSaveDirectoryFull;
            break;
        case StoreError::AccessDenied:
            text = texts::kSaveWriteDenied;
            break;
        case StoreError::BadPath:
            text = texts::kSaveBadPath;
            break;
        case StoreError::DiskFull:
            text = texts::kSaveDiskFull;
            break;
        case StoreError::RecordChanged:
            text = texts::kSaveRecordChanged;
            break;
        case StoreError::NameTooLong:
            text = texts::kSaveNameTooLong;
            break;
        default:
            break;
    }
    return {texts::kSaveHasFailedCaption, text, MessageIcon::Stop};
}

UserMessage SaveSucceededMessage(const std::string& firstName, const std::string& lastName,
                                 const std::string& birthStored, const std::string& path) {
    std::string text = texts::kSavedFirstName;
    text += firstName;
    text += texts::kSavedLastName;
    text += lastName;
    text += texts::kSavedBirthDate;
    text += ShortDateFromStored(birthStored);
    text += texts::kSavedInFile;
    text += path;
    return {texts::kSaveWasSuccessfulCaption, text, MessageIcon::Information};
}

std::optional<UserMessage> LoadResultMessage(const StoreResult<int>& loaded, const std::string& name) {
    if (loaded.Ok()) {
        if (*loaded == 0) return std::nullopt;
        char text[512];
        std::snprintf(text, sizeof text, texts::kRecordsFailedToLoad, static_cast<unsigned>(*loaded));
        return UserMessage{texts::kPartialFileCorruptionCaption, text, MessageIcon::Exclamation};
    }
    // The journal of an interrupted change that this user may not read: the same advice as a
    // file that is not available.
    StoreError error = loaded.Error();
    if (error == StoreError::UnfinishedChange) error = StoreError::AccessDenied;
    // Everything from the header's checks on (-501 and below) says the file is no sound record file.
    if (Code(error) <= Code(StoreError::BadHeaderWord))
        return UserMessage{texts::kPartialFileCorruptionCaption, texts::kReadOrValidationError,
                           MessageIcon::Stop};
    switch (error) {
        case StoreError::SharingViolation:
        case StoreError::LockViolation:
            return UserMessage{texts::kFileInUseCaption, texts::kLockedBefore + name + texts::kLockedAfter,
                               MessageIcon::Stop};
        case StoreError::AccessDenied:
            return UserMessage{texts::kFileAccessErrorCaption,
                               texts::kNoEditAccessBefore + name + texts::kNoEditAccessAfter,
                               MessageIcon::Stop};
        case StoreError::FileNotFound:
        case StoreError::BadPath:
            return UserMessage{texts::kFileNotFoundCaption,
                               texts::kNotFoundBefore + name + texts::kNotFoundAfter, MessageIcon::Stop};
        default:
            return UserMessage{texts::kFileAccessErrorCaption,
                               texts::kOpenErrorBefore + name + texts::kOpenErrorAfter, MessageIcon::Stop};
    }
}

UserMessage NoMatchingRecordsMessage() {
    return {texts::kNoMatchingRecordsCaption, texts::kNoMatchingRecordsText, MessageIcon::Stop};
}

UserMessage ReadOnlyEditWarning() {
    return {texts::kFileIsReadOnlyCaption, texts::kReadOnlyEditWarning, MessageIcon::Information};
}

UserMessage UnmatchedJournalMessage(const std::string& recordFile, const std::string& keptAs) {
    std::string text = texts::kUnmatchedJournalBefore + recordFile + texts::kUnmatchedJournalMiddle;
    text += keptAs.empty() ? std::string(texts::kUnmatchedJournalNotMoved)
                           : texts::kUnmatchedJournalKeptAs + keptAs + "'";
    text += texts::kUnmatchedJournalAdvice;
    return {texts::kUnmatchedJournalCaption, text, MessageIcon::Exclamation};
}

}  // namespace orva
