// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace orva::cli {

// A plain-text table of UTF-8 cells; a cell may hold several lines ("\n"). Columns are as
// wide as their widest line.
class TextTable {
public:
    // `ruleBetweenRows`: draw a rule under every row, for tables of multi-line cells.
    explicit TextTable(std::vector<std::string> headings, bool ruleBetweenRows = false);

    void AddRow(std::vector<std::string> cells);
    void Write(std::ostream& out) const;

private:
    using Row = std::vector<std::vector<std::string>>;  // cells split into lines

    static Row Split(const std::vector<std::string>& cells, std::size_t columns);
    void WriteRule(std::ostream& out, const std::vector<std::size_t>& widths) const;
    void WriteRow(std::ostream& out, const Row& row, const std::vector<std::size_t>& widths) const;

    Row headings_;
    std::vector<Row> rows_;
    std::size_t columns_;
    bool ruleBetweenRows_;
};

// Characters of a UTF-8 text as a terminal lays them out: one per code point.
std::size_t DisplayWidth(const std::string& utf8);

}  // namespace orva::cli
