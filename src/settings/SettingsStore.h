#pragma once

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace orva {

// Where the persisted settings live: named text values read and written whole. Values cross
// this interface as Windows-1252 bytes, the form the rest of the program keeps texts in.
// Failures are never reported to the user; a store that cannot be read simply yields nothing.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The values among `names` that exist and hold text; missing or unreadable ones are left out.
    virtual std::map<std::string, std::string> Read(const std::vector<std::string>& names) = 0;

    // Writes every value, creating the store when it does not exist yet. False when it could
    // be neither opened nor created, or the write failed.
    virtual bool Write(const std::vector<std::pair<std::string, std::string>>& values) = 0;

    // The store of the user running the program, which only that user can read (the settings
    // name record and report files, and so the persons in them): the registry key
    // HKEY_CURRENT_USER\SOFTWARE\Kelbrin\ORVA on Windows, an INI file elsewhere (see
    // QSettingsStore::IniFileLocation).
    static std::unique_ptr<SettingsStore> ForThisUser();
};

}  // namespace orva
