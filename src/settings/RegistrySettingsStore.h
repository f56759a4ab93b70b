#pragma once

#include <windows.h>

#include <string>

#include "settings/SettingsStore.h"

namespace orva {

// The settings as string values of one registry key, as the program keeps them on Windows.
// Texts are stored as Unicode strings and cross this interface as Windows-1252 bytes; a value
// that is not a string, or holds a character Windows-1252 cannot, is left out when read.
class RegistrySettingsStore final : public SettingsStore {
public:
    // `root` is a predefined key such as HKEY_CURRENT_USER; `subKey` the path below it.
    RegistrySettingsStore(HKEY root, std::wstring subKey);

    // HKEY_CURRENT_USER\SOFTWARE\Kelbrin\ORVA: the user's own, which other users cannot read
    // (and which, unlike the machine-wide key, an ordinary user may write).
    static std::unique_ptr<SettingsStore> ForThisUser();

    std::map<std::string, std::string> Read(const std::vector<std::string>& names) override;
    bool Write(const std::vector<std::pair<std::string, std::string>>& values) override;

private:
    HKEY root_;
    std::wstring subKey_;
};

}  // namespace orva
