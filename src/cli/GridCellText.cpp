// SPDX-License-Identifier: Apache-2.0
#include "cli/GridCellText.h"

#include "cli/CliTexts.h"

namespace orva::cli {

std::string Cell(const GridCell& cell) {
    if (!cell.shaded) return cell.text;
    std::string marked;
    for (char c : cell.text) {
        if (c == '\n') marked += texts::cli::kShadedMark;
        marked += c;
    }
    return marked + texts::cli::kShadedMark;
}

std::string Lines(const std::string& text) {
    std::string lines;
    for (char c : text) {
        if (c != '\r') lines += c;
    }
    return lines;
}

}  // namespace orva::cli
