#include "settings/registry_store_win.h"

#include <windows.h>

#include <algorithm>

#include "base/scoped_handles_win.h"

namespace marvix {

namespace {

ScopedRegKey OpenOrCreateKey(const char* path) {
    HKEY key = nullptr;
    LONG status = RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                  KEY_ALL_ACCESS, nullptr, &key, nullptr);
    return ScopedRegKey(status == ERROR_SUCCESS ? key : nullptr);
}

std::string NamedMessage(std::string_view before, std::string_view name) {
    std::string message(before);
    message.append(name);
    message.push_back('\'');
    return message;
}

}  // namespace

StoredText Win32Registry::ReadValue(std::string_view name) {
    // A key that can be neither opened nor created reads as empty, so the clock still starts on
    // its defaults; the exit save then reports the failure once.
    ScopedRegKey key = OpenOrCreateKey(keyPath_.c_str());
    if (!key) return {};

    const std::string valueName(name);
    DWORD type = 0;
    DWORD size = 0;
    LONG status = RegQueryValueExA(key.Get(), valueName.c_str(), nullptr, &type, nullptr, &size);
    if (status == ERROR_FILE_NOT_FOUND) return {};
    if (status != ERROR_SUCCESS)
        return {std::nullopt, NamedMessage("Failed to get data for '", name)};
    if (size == 0) return {std::string(), {}};

    // Another program may make the value longer between the two queries; ERROR_MORE_DATA then
    // gives the new size. A few rounds are plenty for anything but a hostile writer.
    std::string data;
    for (int attempt = 0; attempt < 4; ++attempt) {
        data.resize(size);
        DWORD got = size;
        status = RegQueryValueExA(key.Get(), valueName.c_str(), nullptr, &type,
                                  reinterpret_cast<BYTE*>(data.data()), &got);
        if (status == ERROR_MORE_DATA) {
            size = got;
            continue;
        }
        data.resize(std::min<DWORD>(got, size));
        break;
    }
    if (status != ERROR_SUCCESS)
        return {std::nullopt, NamedMessage("Failed to get data for '", name)};
    const bool text = type == REG_SZ || type == REG_EXPAND_SZ;
    return DecodeRegistryData(name, text ? RegistryType::String : RegistryType::Other, data);
}

std::string Win32Registry::WriteValue(std::string_view name, std::string_view text) {
    ScopedRegKey key = OpenOrCreateKey(keyPath_.c_str());
    if (!key) return std::string("Failed to create key ") + keyPath_;

    const std::string valueName(name);
    const std::string data(text);
    LONG status = RegSetValueExA(key.Get(), valueName.c_str(), 0, REG_SZ,
                                 reinterpret_cast<const BYTE*>(data.c_str()),
                                 static_cast<DWORD>(data.size() + 1));
    if (status != ERROR_SUCCESS) return NamedMessage("Failed to set data for '", name);
    return {};
}

}  // namespace marvix
