// SPDX-License-Identifier: Apache-2.0
#include "reports/support/RtfText.h"

#include <cctype>
#include <set>

namespace orva::reports_test {

namespace {

const std::set<std::string> kSkippedDestinations = {"fonttbl", "colortbl", "stylesheet", "info",   "footer",
                                                    "footerf", "fldinst",  "panose",     "header", "headerf"};

}  // namespace

std::string VisibleText(const std::string& rtf) {
    std::string text;
    std::vector<bool> skipping{false};
    std::size_t i = 0;
    bool groupStart = false;
    while (i < rtf.size()) {
        const char c = rtf[i];
        if (c == '{') {
            skipping.push_back(skipping.back());
            groupStart = true;
            ++i;
            continue;
        }
        if (c == '}') {
            if (skipping.size() > 1) skipping.pop_back();
            ++i;
            continue;
        }
        if (c == '\r' || c == '\n') {
            ++i;
            continue;
        }
        if (c != '\\') {
            if (!skipping.back()) text += c;
            groupStart = false;
            ++i;
            continue;
        }
        // A control word or symbol.
        const char next = i + 1 < rtf.size() ? rtf[i + 1] : '\0';
        if (next == '\\' || next == '{' || next == '}') {
            if (!skipping.back()) text += next;
            i += 2;
            groupStart = false;
            continue;
        }
        if (next == '*') {
            skipping.back() = true;
            i += 2;
            continue;
        }
        std::size_t end = i + 1;
        while (end < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[end]))) ++end;
        const std::string word = rtf.substr(i + 1, end - i - 1);
        if (end < rtf.size() && (rtf[end] == '-' || std::isdigit(static_cast<unsigned char>(rtf[end])))) {
            ++end;
            while (end < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf[end]))) ++end;
        }
        if (end < rtf.size() && rtf[end] == ' ') ++end;
        i = end;
        if (groupStart && kSkippedDestinations.count(word) != 0) skipping.back() = true;
        groupStart = false;
        if (skipping.back()) continue;
        if (word == "par") text += "\n";
        if (word == "cell") text += "|";
        if (word == "row") text += "#\n";
    }
    return text;
}

std::vector<std::vector<std::string>> TableRows(const std::string& rtf) {
    std::vector<std::vector<std::string>> rows;
    std::size_t at = 0;
    while ((at = rtf.find("\\trowd", at)) != std::string::npos) {
        const std::size_t end = rtf.find("\\row", at + 6);
        if (end == std::string::npos) break;
        std::vector<std::string> cells;
        std::string current;
        for (char c : VisibleText(rtf.substr(at, end - at))) {
            if (c == '|') {
                cells.push_back(current);
                current.clear();
            } else {
                current += c;
            }
        }
        rows.push_back(cells);
        at = end;
    }
    return rows;
}

bool GroupsBalanced(const std::string& rtf) {
    int depth = 0;
    for (std::size_t i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\\') {
            ++i;
            continue;
        }
        if (rtf[i] == '{') ++depth;
        if (rtf[i] == '}' && --depth < 0) return false;
        if (depth == 0 && i + 1 < rtf.size() && rtf.find_first_not_of("\r\n", i + 1) != std::string::npos) {
            return false;  // the document group closed before the end
        }
    }
    return depth == 0;
}

}  // namespace orva::reports_test
