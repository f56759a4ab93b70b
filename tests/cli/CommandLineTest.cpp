// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/CliTexts.h"
#include "cli/CommandHelp.h"
#include "cli/CommandLine.h"
#include "cli/CommandTable.h"

namespace orva::cli {
namespace {

int NeverRun(const ParsedCommand&, std::ostream&, std::ostream&) {
    return 0;
}

bool IsDigit(std::string_view text) {
    return text.size() == 1 && text[0] >= '0' && text[0] <= '9';
}

// A command with two arguments, a flag, a valued option, a checked one and one with its own
// missing-value text: every kind the commands of orva-cli declare.
constexpr ArgumentDefinition kArguments[] = {{"IN", "in", "no input given"},
                                             {"OUT", "out", "no output given"}};
constexpr OptionDefinition kOptions[] = {
    {"--flag", "", "a flag"},
    {"--name", "NAME", "a name"},
    {"--digit", "D", "a digit", IsDigit, "not a digit", "--digit needs a digit"},
};
constexpr CommandDefinition kCommand{"try",      "try IN OUT [--flag] [--name NAME] [--digit D]",
                                     "Tries.\n", "Exit status: 0.\n",
                                     kArguments, kOptions,
                                     NeverRun,   false};

ParseResult Parse(const std::vector<std::string>& words) {
    return ParseCommand(kCommand, words);
}

TEST(CommandLine, TakesArgumentsFlagsAndValuesInEitherSpelling) {
    const ParseResult result = Parse({"--name", "Ann", "a", "--flag", "b", "--name=Bea", "--digit=7"});
    ASSERT_FALSE(result.problem) << result.problem->problem;
    EXPECT_EQ(result.command.Arguments(), (std::vector<std::string>{"a", "b"}));
    EXPECT_TRUE(result.command.Has("--flag"));
    EXPECT_EQ(result.command.Last("--name"), "Bea");
    EXPECT_EQ(result.command.All("--name"), (std::vector<std::string>{"Ann", "Bea"}));
    EXPECT_EQ(result.command.Last("--digit"), "7");
    EXPECT_FALSE(result.command.Has("--help"));
    EXPECT_EQ(result.command.Last("--help"), std::nullopt);
}

TEST(CommandLine, AfterDoubleDashAndAloneADashIsAnArgument) {
    const ParseResult result = Parse({"-", "--", "--flag"});
    ASSERT_FALSE(result.problem) << result.problem->problem;
    EXPECT_EQ(result.command.Arguments(), (std::vector<std::string>{"-", "--flag"}));
    EXPECT_FALSE(result.command.Has("--flag"));
}

struct Fault {
    const char* name;
    std::vector<std::string> words;
    std::string problem;
    std::string detail;
};

void PrintTo(const Fault& fault, std::ostream* os) {
    *os << fault.name;
}

class CommandLineFault : public ::testing::TestWithParam<Fault> {};

TEST_P(CommandLineFault, IsNamedWithTheOffendingWord) {
    const ParseResult result = Parse(GetParam().words);
    ASSERT_TRUE(result.problem);
    EXPECT_EQ(result.problem->problem, GetParam().problem);
    EXPECT_EQ(result.problem->detail, GetParam().detail);
    EXPECT_FALSE(result.helpWanted);
}

INSTANTIATE_TEST_SUITE_P(
    Words, CommandLineFault,
    ::testing::Values(
        Fault{"NoArguments", {}, "no input given", ""},
        Fault{"SecondArgumentMissing", {"a", "--flag"}, "no output given", ""},
        Fault{"ArgumentTooMany", {"a", "b", "c"}, texts::cli::kExtraArgument, "c"},
        Fault{"UnknownOption", {"a", "b", "--flg"}, texts::cli::kUnknownOption, "--flg"},
        Fault{"ShortUnknownOption", {"a", "b", "-x"}, texts::cli::kUnknownOption, "-x"},
        Fault{"FlagWithAValue", {"a", "b", "--flag=yes"}, texts::cli::kUnknownOption, "--flag=yes"},
        Fault{"ValueMissing", {"a", "b", "--name"}, texts::cli::kMissingValue, "--name"},
        Fault{"ValueMissingWithItsOwnText", {"a", "b", "--digit"}, "--digit needs a digit", ""},
        Fault{"ValueRefused", {"a", "b", "--digit", "12"}, "not a digit", "12"},
        Fault{"EmptyValueRefused", {"a", "b", "--digit="}, "not a digit", ""},
        // The first fault in the order of the words is the one named.
        Fault{
            "SurplusArgumentBeforeUnknownOption", {"a", "b", "c", "--flg"}, texts::cli::kExtraArgument, "c"},
        Fault{"UnknownOptionBeforeSurplusArgument",
              {"a", "--flg", "b", "c"},
              texts::cli::kUnknownOption,
              "--flg"},
        Fault{"RefusedValueBeforeMissingArgument", {"--digit", "x"}, "not a digit", "x"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLine, HelpIsWantedWhereverItComesBeforeAFault) {
    EXPECT_TRUE(Parse({"--help"}).helpWanted);
    EXPECT_TRUE(Parse({"a", "b", "c", "d"}).problem);
    const ParseResult afterWords = Parse({"a", "--help", "--flg"});
    EXPECT_TRUE(afterWords.helpWanted);
    EXPECT_FALSE(afterWords.problem);
    EXPECT_TRUE(Parse({"--flg", "--help"}).problem);
    // After "--" it is a word like any other.
    EXPECT_FALSE(Parse({"a", "--", "--help"}).helpWanted);
}

TEST(CommandLine, RecordPositionsAreDigitsWithinInt) {
    EXPECT_EQ(ParsePosition("0"), 0);
    EXPECT_EQ(ParsePosition("656"), 656);
    EXPECT_EQ(ParsePosition("999999999"), 999999999);
    for (const char* refused : {"", "-1", "+1", "1.5", "two", " 1", "1 ", "1000000000"}) {
        EXPECT_EQ(ParsePosition(refused), std::nullopt) << refused;
    }
}

TEST(CommandHelp, ListsEveryArgumentAndOptionInAColumnThenHelpAndTheExitStatus) {
    std::ostringstream out;
    WriteCommandHelp(out, kCommand);
    EXPECT_EQ(out.str(),
              "Usage: orva-cli try IN OUT [--flag] [--name NAME] [--digit D]\n"
              "\n"
              "Tries.\n"
              "\n"
              "  IN           in\n"
              "  OUT          out\n"
              "  --flag       a flag\n"
              "  --name NAME  a name\n"
              "  --digit D    a digit\n"
              "  --help       show this help\n"
              "\n"
              "Exit status: 0.\n");
}

TEST(CommandHelp, TheUsageHasALineForEveryCommandInTheTableAndForCommandHelp) {
    const std::string usage = UsageText();
    EXPECT_EQ(usage.rfind("Usage:\n", 0), 0u);
    std::size_t after = 0;
    for (const CommandDefinition* command : AllCommands()) {
        const std::size_t at = usage.find("\n  orva-cli " + std::string(command->synopsis) + "\n");
        ASSERT_NE(at, std::string::npos) << command->name;
        EXPECT_GT(at, after) << command->name << " out of order";
        after = at;
        EXPECT_EQ(command->synopsis.substr(0, command->name.size() + 1), std::string(command->name) + " ");
    }
    EXPECT_NE(usage.find("\n  orva-cli COMMAND --help\n"), std::string::npos);
}

}  // namespace
}  // namespace orva::cli
