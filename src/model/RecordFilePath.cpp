// SPDX-License-Identifier: Apache-2.0
#include "model/RecordFilePath.h"

namespace orva {

RecordFilePath::RecordFilePath(std::string_view name) : onDisk_(name) {
    if (!HasExtension(name)) onDisk_ += kExtension;
}

std::string RecordFilePath::WithoutExtension() const {
    return onDisk_.substr(0, onDisk_.size() - kExtension.size());
}

bool RecordFilePath::HasExtension(std::string_view name) {
    return name.size() >= kExtension.size() && name.substr(name.size() - kExtension.size()) == kExtension;
}

}  // namespace orva
