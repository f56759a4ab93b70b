#include "store/StoreMessages.h"

#include <cstdio>

#include "model/FieldRules.h"
#include "store/StoreResult.h"
#include "store/StoreTexts.h"

namespace orva {

UserMessage SaveFailedMessage(int code) {
    const char* text = texts::kSaveOtherError;
    switch (code) {
        case kFileFull:
            text = texts::kSaveFileFull;
            break;
        case kHeaderUnreadable:
            text = texts::kSaveAccessError;
            break;
        case kBadLength:
        case kTooShort:
        case kBadHeaderWord:
            text = texts::kSaveNotOrvaFormat;
            break;
        case kLockViolation:
        case kSharingViolation:
            text = texts::kSaveInUse;
            break;
        case kDirectoryFull:
            text = texts::kSaveDirectoryFull;
            break;
        case kAccessDenied:
            text = texts::kSaveWriteDenied;
            break;
        case kBadPath:
            text = texts::kSaveBadPath;
            break;
        case kDiskFull:
            text = texts::kSaveDiskFull;
            break;
        case kRecordChanged:
            text = texts::kSaveRecordChanged;
            break;
        case kNameTooLong:
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

std::optional<UserMessage> LoadResultMessage(int code, const std::string& name) {
    if (code == 0) return std::nullopt;
    if (code > 0) {
        char text[512];
        std::snprintf(text, sizeof text, texts::kRecordsFailedToLoad, static_cast<unsigned>(code));
        return UserMessage{texts::kPartialFileCorruptionCaption, text, MessageIcon::Exclamation};
    }
    // The journal of an interrupted change that this user may not read: the same advice as a
    // file that is not available.
    if (code == kUnfinishedChange) code = kAccessDenied;
    if (code < -500)
        return UserMessage{texts::kPartialFileCorruptionCaption, texts::kReadOrValidationError,
                           MessageIcon::Stop};
    switch (code) {
        case kSharingViolation:
        case kLockViolation:
            return UserMessage{texts::kFileInUseCaption, texts::kLockedBefore + name + texts::kLockedAfter,
                               MessageIcon::Stop};
        case kAccessDenied:
            return UserMessage{texts::kFileAccessErrorCaption,
                               texts::kNoEditAccessBefore + name + texts::kNoEditAccessAfter,
                               MessageIcon::Stop};
        case kFileNotFound:
        case kBadPath:
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
