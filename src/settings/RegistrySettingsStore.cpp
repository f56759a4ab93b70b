#include "settings/RegistrySettingsStore.h"

#include <vector>

#include "model/Cp1252.h"

namespace orva {

namespace {

constexpr const wchar_t* kSettingsKey = L"SOFTWARE\\Kelbrin\\ORVA";
// Longer values than any setting holds (999 characters) are not the program's own.
constexpr DWORD kMaxValueBytes = 4096 * sizeof(wchar_t);

std::wstring Widen(const std::string& cp1252) {
    const std::string utf8 = Cp1252::ToUtf8(cp1252);
    if (utf8.empty()) return {};
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
    return wide;
}

// False when the text holds a character that Windows-1252 cannot.
bool Narrow(const std::wstring& wide, std::string& cp1252) {
    std::string utf8;
    if (!wide.empty()) {
        const int length =
            WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
        utf8.assign(static_cast<std::size_t>(length), '\0');
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), length, nullptr,
                            nullptr);
    }
    int unmappable = 0;
    cp1252 = Cp1252::FromUtf8(utf8, '?', &unmappable);
    return unmappable == 0;
}

}  // namespace

RegistrySettingsStore::RegistrySettingsStore(HKEY root, std::wstring subKey) : root_(root), subKey_(std::move(subKey)) {}

std::unique_ptr<SettingsStore> RegistrySettingsStore::ForThisUser() {
    return std::make_unique<RegistrySettingsStore>(HKEY_CURRENT_USER, kSettingsKey);
}

std::map<std::string, std::string> RegistrySettingsStore::Read(const std::vector<std::string>& names) {
    std::map<std::string, std::string> values;
    HKEY key = nullptr;
    if (RegOpenKeyExW(root_, subKey_.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return values;
    for (const std::string& name : names) {
        DWORD type = 0;
        DWORD size = 0;
        const std::wstring valueName = Widen(name);
        if (RegQueryValueExW(key, valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) continue;
        if (type != REG_SZ || size > kMaxValueBytes) continue;
        std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
        if (RegQueryValueExW(key, valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) !=
            ERROR_SUCCESS) {
            continue;
        }
        // A stored string may or may not carry its terminating null.
        std::wstring text(buffer.data(), size / sizeof(wchar_t));
        while (!text.empty() && text.back() == L'\0') text.pop_back();
        std::string bytes;
        if (Narrow(text, bytes)) values.emplace(name, std::move(bytes));
    }
    RegCloseKey(key);
    return values;
}

bool RegistrySettingsStore::Write(const std::vector<std::pair<std::string, std::string>>& values) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(root_, subKey_.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return false;
    }
    bool written = true;
    for (const auto& [name, bytes] : values) {
        const std::wstring text = Widen(bytes);
        const DWORD size = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
        written = RegSetValueExW(key, Widen(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                 size) == ERROR_SUCCESS &&
                  written;
    }
    RegCloseKey(key);
    return written;
}

}  // namespace orva
