#pragma once

#include <string>

namespace orva {

// Whether ORVA_SETTINGS_DIR may name the folder of the settings and of the export passwords:
// only in builds made for development (ORVA_DEV_SETTINGS_OVERRIDE, which the developers' build
// folder and the tests switch on), never in the default configuration an installation is made
// from, so that no user can point an installed program at export passwords of their own.
bool SettingsFolderOverridable();

// The folder ORVA_SETTINGS_DIR names when it may, else an empty text.
std::string OverriddenSettingsFolder();

}  // namespace orva
