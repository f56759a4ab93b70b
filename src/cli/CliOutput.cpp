// SPDX-License-Identifier: Apache-2.0
#include "cli/CliOutput.h"

#include <cstdio>

#include <nlohmann/json.hpp>

#include "cli/CliTexts.h"
#include "cli/CommandHelp.h"
#include "model/Cp1252.h"

namespace orva::cli {

std::string Utf8(std::string_view cp1252) { return Cp1252::ToUtf8(cp1252); }

std::string OneLine(std::string_view utf8) {
    std::string line;
    line.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        // C1 controls arrive as the two bytes C2 80..C2 9F.
        if (byte == 0xC2 && i + 1 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) <= 0x9F) {
            line += '?';
            ++i;
        } else if (byte < 0x20 || byte == 0x7F) {
            line += '?';
        } else {
            line += utf8[i];
        }
    }
    return line;
}

namespace {

std::string Escaped(std::string_view text, std::string_view kept) {
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 || byte == 0x7F) && kept.find(c) == std::string_view::npos) {
            char code[5];
            std::snprintf(code, sizeof code, "\\x%02x", byte);
            escaped += code;
        } else {
            escaped += c;
        }
    }
    return escaped;
}

}  // namespace

std::string EscapedPath(std::string_view path) {
    return Escaped(path, {});
}

std::string EscapedMessage(std::string_view text) {
    return Escaped(text, "\n\t");
}

void PrintMessage(std::ostream& err, const UserMessage& message, std::string_view name) {
    std::string text = Utf8(message.text);
    if (!name.empty()) {
        std::string withName;
        for (char c : text) {
            if (c == kNameMarker) {
                withName += EscapedPath(name);
            } else {
                withName += c;
            }
        }
        text = std::move(withName);
    }
    err << texts::cli::kProgram << ": " << Utf8(message.caption) << '\n' << text << '\n';
}

int UsageError(std::ostream& err, std::string_view problem, std::string_view detail) {
    err << texts::cli::kProgram << ": " << problem;
    if (!detail.empty()) err << ": " << EscapedPath(detail);
    err << "\n\n" << UsageText();
    return kExitRefused;
}

void WriteJson(std::ostream& out, const nlohmann::ordered_json& document) {
    out << document.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
}

}  // namespace orva::cli
