// SPDX-License-Identifier: Apache-2.0
#include "cli/PersonJson.h"

#include <nlohmann/json.hpp>

#include "cli/CliOutput.h"
#include "reports/PersonDetailTexts.h"

namespace orva::cli {

namespace {
constexpr std::size_t kPrintedPhoneLines = 2;  // the reports show two phone lines
}  // namespace

nlohmann::ordered_json PersonJson(const ReportSet& reports) {
    const PersonDetailTexts details = PreparePersonDetailTexts(reports);
    const auto lines = [](const std::array<std::string, kDetailLines>& texts, std::size_t count) {
        nlohmann::ordered_json array = nlohmann::ordered_json::array();
        for (std::size_t i = 0; i < count; ++i) array.push_back(Utf8(texts[i]));
        return array;
    };
    return {
        {"name", Utf8(details.name)},
        {"address", lines(details.addressLines, kDetailLines)},
        {"phone", lines(details.phoneLines, kPrintedPhoneLines)},
        {"gender", Utf8(details.gender)},
        {"date_of_birth", Utf8(details.birthDate)},
        {"age_at_completion", Utf8(details.ageAtCompletion)},
        {"completion_date", Utf8(details.completionDate)},
        {"parent", Utf8(details.parentName)},
        {"teacher", Utf8(details.teacherName)},
        {"school_year", Utf8(details.schoolYear)},
        {"school", Utf8(details.school)},
    };
}

}  // namespace orva::cli
