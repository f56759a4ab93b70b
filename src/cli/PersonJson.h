// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <nlohmann/json_fwd.hpp>

#include "screening/ReportSet.h"

namespace orva::cli {

// The person-details texts of the report as a JSON object, unescaped and in UTF-8: name, the
// three address lines, the phone lines, gender, date of birth, age at completion, completion
// date, parent, teacher, school year and school.
nlohmann::ordered_json PersonJson(const ReportSet& reports);

}  // namespace orva::cli
