// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include "reports/ReportMessages.h"
#include "store/StoreError.h"

namespace orva {
namespace {

struct CodeCase {
    const char* name;
    StoreError code;
    const char* text;
};

void PrintTo(const CodeCase& c, std::ostream* os) { *os << c.name; }

class RecordFileOpenMessageTest : public ::testing::TestWithParam<CodeCase> {};

TEST_P(RecordFileOpenMessageTest, ChoosesTheTextByTheStoresResult) {
    const UserMessage message = RecordFileOpenMessage(GetParam().code, "c:/d/f");
    EXPECT_EQ(message.caption, "ORVA File Error");
    EXPECT_EQ(message.text, GetParam().text);
    EXPECT_EQ(message.icon, MessageIcon::Stop);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, RecordFileOpenMessageTest,
    ::testing::Values(
        CodeCase{"BadHeaderWord", StoreError::BadHeaderWord, "The file\n\t'c:/d/f.rpc'\nis not in a ORVA file format"},
        CodeCase{"TooShort", StoreError::TooShort, "The file\n\t'c:/d/f.rpc'\nis not in a ORVA file format"},
        CodeCase{"SharingViolation", StoreError::SharingViolation,
                 "The file\n\t'c:/d/f.rpc'\nis in use by another application"},
        CodeCase{"LockViolation", StoreError::LockViolation,
                 "The file\n\t'c:/d/f.rpc'\nis in use by another application"},
        CodeCase{"AccessDenied", StoreError::AccessDenied, "You do not have access to the file\n\t'c:/d/f.rpc'"},
        CodeCase{"FileNotFound", StoreError::FileNotFound, "The file\n\t'c:/d/f.rpc'\nwas not found"},
        CodeCase{"BadPath", StoreError::BadPath, "The file\n\t'c:/d/f.rpc'\nwas not found"},
        CodeCase{"BadLength", StoreError::BadLength, "There was an error opening or reading the file\n\t'c:/d/f.rpc'"},
        CodeCase{"IncompleteRecord", StoreError::IncompleteRecord,
                 "There was an error opening or reading the file\n\t'c:/d/f.rpc'"},
        CodeCase{"OtherFileError", StoreError::OtherFileError,
                 "There was an error opening or reading the file\n\t'c:/d/f.rpc'"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OutputFileOpenMessage, ExportAndSaveShareTheTextsWithTheirOwnExtension) {
    const std::pair<StoreError, std::string> cases[] = {
        {StoreError::SharingViolation, "The file\n\t'e:/x/out.csv'\nis in use by another application"},
        {StoreError::LockViolation, "The file\n\t'e:/x/out.csv'\nis in use by another application"},
        {StoreError::AccessDenied, "You do not have access to the file\n\t'e:/x/out.csv'"},
        {StoreError::FileNotFound, "The path to file\n\t'e:/x/out.csv'\nwas not found"},
        {StoreError::BadPath, "The path to file\n\t'e:/x/out.csv'\nwas not found"},
        {StoreError::DiskFull, "There was an error opening or reading the file\n\t'e:/x/out.csv'"},
    };
    for (const auto& [code, text] : cases) {
        EXPECT_EQ(ExportFileOpenMessage(code, "e:/x/out"),
                  (UserMessage{"Export File Error", text, MessageIcon::Stop}));
        std::string rtf = text;
        rtf.replace(rtf.find(".csv"), 4, ".rtf");
        EXPECT_EQ(SaveFileOpenMessage(code, "e:/x/out"),
                  (UserMessage{"Save File Error", rtf, MessageIcon::Stop}));
    }
}

TEST(ExportFinishedMessage, FullExportIsOkAndAnyShortfallIsAProblemWithTheCounts) {
    EXPECT_EQ(ExportFinishedMessage("a", "b", {5, 5, 0, 0, 0}),
              (UserMessage{"Export OK", "The ORVA file \n\n\ta.rpc\n\nwas exported to\n\n\tb.csv",
                           MessageIcon::Information}));
    EXPECT_EQ(ExportFinishedMessage("a", "b", {657, 650, 1, 2, 4}),
              (UserMessage{
                  "Export File Problem",
                  "The ORVA file \n\ta.rpc\n\nwas partially exported to\n\tb.csv\n\nNumber of Records:\t  "
                  "657\nRecords Written:\t  650\nCould Not Read:\t    1\nCould Not Import:\t    2\nCould Not "
                  "Write:\t    4",
                  MessageIcon::Exclamation}));
}

TEST(ReportMessages, FixedMessagesOfTheDialogs) {
    EXPECT_EQ(WrongPasswordMessage(),
              (UserMessage{
                  "Wrong Password",
                  "Sorry, but the password you entered is not correct.\n\nIf you need help with the password "
                  "please contact\nyour system administrator for assistance.",
                  MessageIcon::Stop}));
    EXPECT_EQ(ExportPrivacyMessage().text,
              "To proceed with the export, you must check the box indicating\nthat you accept responsibility "
              "for the "
              "privacy of the data.");
    EXPECT_EQ(
        SavePrivacyMessage().text,
        "To proceed with the save, you must check the box indicating\nthat you accept responsibility for the "
        "privacy of the data.");
    EXPECT_EQ(FileExistsQuestion().text, "The file already exists.\nDo you want to replace it?");
    EXPECT_EQ(NoAnalysisMessage(),
              (UserMessage{"No Analysis Selection", "There is no selection for the analysis to occur",
                           MessageIcon::Stop}));
    EXPECT_EQ(
        SaveSuccessfulMessage("c:/r/jane"),
        (UserMessage{"Save Successful", "The Rich Text Format file \n\n    c:/r/jane.rtf\n\nhas been saved",
                     MessageIcon::Information}));
    EXPECT_EQ(SaveNotWrittenMessage("c:/r/jane"),
              (UserMessage{"Save File Error", "There was an error writing the file\n\t'c:/r/jane.rtf'\nThe report was not saved.",
                           MessageIcon::Stop}));
    const std::string neverReplaced =
        "'\nis a Child and Adolescent Orvantis file (*.rpc).\nA report or an export never replaces one:\nplease "
        "choose another name.";
    EXPECT_EQ(OutputIsRecordFileMessage("c:/r/clinic.rpc"),
              (UserMessage{"Save File Error", "The file\n\t'c:/r/clinic.rpc" + neverReplaced, MessageIcon::Stop}));
    EXPECT_EQ(ExportFileOpenMessage(StoreError::OutputIsRecordFile, "c:/r/out").text, "The file\n\t'c:/r/out.csv" + neverReplaced);
    EXPECT_EQ(SaveFileOpenMessage(StoreError::OutputIsRecordFile, "c:/r/jane").text, "The file\n\t'c:/r/jane.rtf" + neverReplaced);
    EXPECT_EQ(BrowseRefusedMessage(".csv").text,
              "You must enter a CSV filename (*.csv).  For example:  c:/export_files/export_ORVA_2005.csv");
    EXPECT_EQ(BrowseRefusedMessage(".rtf").text,
              "You must enter an RTF filename (*.rtf).  For example:  c:/analysis_files/jane_smith.rtf");
    EXPECT_EQ(BrowseRefusedMessage(".rpc").text,
              "You must enter a ORVA filename (*.rpc).  For example:  c:/data_files/ORVA_2005.rpc");
}

}  // namespace
}  // namespace orva
