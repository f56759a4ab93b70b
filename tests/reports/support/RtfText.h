// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>
#include <vector>

namespace orva::reports_test {

// What a reader shows of an RTF document, reduced to text: the destinations that are not
// body text (font, colour and style tables, information, footers, field instructions) are
// skipped; a paragraph ends in "\n", a cell in "|" and a table row in "#\n".
std::string VisibleText(const std::string& rtf);

// The table rows of the body, each as its cells' texts.
std::vector<std::vector<std::string>> TableRows(const std::string& rtf);

// True when every '{' has its '}' and none closes early, escaped braces not counted.
bool GroupsBalanced(const std::string& rtf);

}  // namespace orva::reports_test
