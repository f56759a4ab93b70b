// SPDX-License-Identifier: Apache-2.0
#include "support/TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <random>
#include <stdexcept>

namespace orva::testsupport {

TempFolder::TempFolder() {
#ifdef _WIN32
    // No mkdtemp on Windows: a random name is tried until one could be made new.
    std::random_device random;
    for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
        const auto candidate = std::filesystem::temp_directory_path() / ("orva-test-" + std::to_string(random()));
        std::error_code failed;
        if (std::filesystem::create_directory(candidate, failed)) path_ = candidate.string();
    }
    if (path_.empty()) throw std::runtime_error("no temporary folder");
#else
    std::string pattern = (std::filesystem::temp_directory_path() / "orva-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary folder");
    path_ = pattern;
#endif
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace orva::testsupport
