#include "cli/CommandLine.h"

#include "cli/ChosenRecords.h"
#include "cli/CliTexts.h"

namespace orva::cli {

namespace {

constexpr const char* kJson = "--json";
constexpr const char* kRecord = "--record";
constexpr const char* kRecordEquals = "--record=";

ParseOutcome Refuse(const char* problem, std::string detail = {}) { return {false, problem, std::move(detail)}; }

}  // namespace

ParseOutcome ParseCommandLine(const std::vector<std::string>& words, bool acceptRecords, CommandLine& line) {
    bool haveFile = false;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        const bool isOption = !optionsEnded && word.size() > 1 && word[0] == '-';
        if (isOption && word == "--") {
            optionsEnded = true;
        } else if (isOption && word == kJson) {
            line.json = true;
        } else if (isOption && acceptRecords && (word == kRecord || word.rfind(kRecordEquals, 0) == 0)) {
            std::string value;
            if (word == kRecord) {
                if (i + 1 == words.size()) return Refuse(texts::kMissingPosition);
                value = words[++i];
            } else {
                value = word.substr(std::string(kRecordEquals).size());
            }
            int position = 0;
            if (!ParsePosition(value, position)) return Refuse(texts::kBadPosition, value);
            line.records.push_back(position);
        } else if (isOption) {
            return Refuse(texts::kUnknownOption, word);
        } else if (haveFile) {
            return Refuse(texts::kExtraArgument, word);
        } else {
            line.file = word;
            haveFile = true;
        }
    }
    if (!haveFile) return Refuse(texts::kMissingFile);
    return {};
}

}  // namespace orva::cli
