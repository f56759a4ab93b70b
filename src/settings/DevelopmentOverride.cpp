#include "settings/DevelopmentOverride.h"

#include <cstdlib>

namespace orva {

bool SettingsFolderOverridable() {
    return ORVA_DEV_SETTINGS_OVERRIDE != 0;
}

std::string OverriddenSettingsFolder() {
    const char* folder = SettingsFolderOverridable() ? std::getenv("ORVA_SETTINGS_DIR") : nullptr;
    return folder != nullptr ? std::string(folder) : std::string();
}

}  // namespace orva
