#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include <nlohmann/json_fwd.hpp>

#include "model/UserMessage.h"

namespace orva::cli {

// Exit statuses of every command.
enum ExitStatus : int {
    kExitSuccess = 0,
    kExitPartial = 1,  // done, but some records of the file failed to load
    kExitRefused = 2,  // usage error, refused input or file error
    kExitNoMatch = 3,  // history: the file holds no record of the person named
};

// A stored Windows-1252 text as UTF-8.
std::string Utf8(std::string_view cp1252);
// A UTF-8 text for one line of a text table: control characters become '?'.
std::string OneLine(std::string_view utf8);

// A path for a message on the terminal: every control character (escape, line break, ...)
// written as \xNN, so that a file name cannot move the cursor or recolour the terminal.
std::string EscapedPath(std::string_view path);
// A whole message text that may hold a path: the same, except that its own line breaks and
// tabs stay, as they lay the message out.
std::string EscapedMessage(std::string_view text);

// A product message on the error stream: "orva-cli: caption", then its text. `name`, when
// given, replaces every kNameMarker of the text as it is (a path as the user typed it, not
// Windows-1252), its control characters escaped.
inline constexpr char kNameMarker = '\x1f';
void PrintMessage(std::ostream& err, const UserMessage& message, std::string_view name = {});
// "orva-cli: problem" followed by the usage, for wrong command lines.
int UsageError(std::ostream& err, std::string_view problem, std::string_view detail = {});

// One JSON document and a line break; bytes that are not UTF-8 (only possible in a path) are
// replaced so the output always parses.
void WriteJson(std::ostream& out, const nlohmann::ordered_json& document);

}  // namespace orva::cli
