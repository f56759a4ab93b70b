// SPDX-License-Identifier: Apache-2.0
#include "ui/analysis/FormTexts.h"

#include "ui/analysis/AnalysisTexts.h"

namespace orva {

std::string JoinLines(const std::array<std::string, kDetailLines>& lines) {
    std::size_t count = lines.size();
    while (count > 0 && lines[count - 1].empty()) --count;
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) text += texts::form::kLineBreak;
        text += lines[i];
    }
    return text;
}

std::string ObserversText(const PersonDetailTexts& details) {
    std::string text;
    if (!details.parentName.empty()) text = texts::form::kObserverParent + details.parentName;
    if (!details.teacherName.empty()) {
        if (!text.empty()) text += texts::form::kObserverSeparator;
        text += texts::form::kObserverTeacher + details.teacherName;
    }
    return text;
}

std::string CommentsText(const PersonDetailTexts& details) {
    std::string text;
    for (const std::string& comment : details.comments) {
        if (comment.empty()) continue;
        if (!text.empty()) text += texts::form::kCommentSeparator;
        text += comment;
    }
    return text;
}

}  // namespace orva
