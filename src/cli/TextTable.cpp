// SPDX-License-Identifier: Apache-2.0
#include "cli/TextTable.h"

#include <algorithm>

namespace orva::cli {

std::size_t DisplayWidth(const std::string& utf8) {
    std::size_t width = 0;
    for (char c : utf8) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++width;
    }
    return width;
}

TextTable::TextTable(std::vector<std::string> headings, bool ruleBetweenRows)
    : columns_(headings.size()), ruleBetweenRows_(ruleBetweenRows) {
    headings_ = Split(headings, columns_);
}

void TextTable::AddRow(std::vector<std::string> cells) { rows_.push_back(Split(cells, columns_)); }

TextTable::Row TextTable::Split(const std::vector<std::string>& cells, std::size_t columns) {
    Row row(columns);
    for (std::size_t c = 0; c < columns && c < cells.size(); ++c) {
        std::size_t start = 0;
        while (true) {
            const std::size_t end = cells[c].find('\n', start);
            row[c].push_back(cells[c].substr(start, end == std::string::npos ? std::string::npos : end - start));
            if (end == std::string::npos) break;
            start = end + 1;
        }
    }
    return row;
}

void TextTable::WriteRule(std::ostream& out, const std::vector<std::size_t>& widths) const {
    out << '+';
    for (std::size_t width : widths) out << std::string(width + 2, '-') << '+';
    out << '\n';
}

void TextTable::WriteRow(std::ostream& out, const Row& row, const std::vector<std::size_t>& widths) const {
    std::size_t lines = 1;
    for (const auto& cell : row) lines = std::max(lines, cell.size());
    for (std::size_t line = 0; line < lines; ++line) {
        out << '|';
        for (std::size_t c = 0; c < columns_; ++c) {
            const std::string text = line < row[c].size() ? row[c][line] : std::string();
            out << ' ' << text << std::string(widths[c] - DisplayWidth(text), ' ') << " |";
        }
        out << '\n';
    }
}

void TextTable::Write(std::ostream& out) const {
    std::vector<std::size_t> widths(columns_, 0);
    auto widen = [&](const Row& row) {
        for (std::size_t c = 0; c < columns_; ++c) {
            for (const std::string& line : row[c]) widths[c] = std::max(widths[c], DisplayWidth(line));
        }
    };
    widen(headings_);
    for (const Row& row : rows_) widen(row);

    WriteRule(out, widths);
    WriteRow(out, headings_, widths);
    WriteRule(out, widths);
    for (const Row& row : rows_) {
        WriteRow(out, row, widths);
        if (ruleBetweenRows_) WriteRule(out, widths);
    }
    if (!ruleBetweenRows_ && !rows_.empty()) WriteRule(out, widths);
}

}  // namespace orva::cli
