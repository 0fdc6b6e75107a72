#pragma once

// The clock's registry key, "Software\Tolvane\Marvo" under HKEY_CURRENT_USER, or the program's
// subkey "Marvix" under it. Every value is REG_SZ. Each call opens (creating if need be), does one
// thing and closes the key, so no key stays open between calls.

#include <string>
#include <utility>

#include "settings/registry_store.h"

namespace marvix {

inline constexpr char kRegistryKeyPath[] = "Software\\Tolvane\\Marvo";
inline constexpr char kProgramKeyPath[] = "Software\\Tolvane\\Marvo\\Marvix";

class Win32Registry final : public RegistryValues {
public:
    explicit Win32Registry(std::string keyPath = kRegistryKeyPath) : keyPath_(std::move(keyPath)) {}
    StoredText ReadValue(std::string_view name) override;
    std::string WriteValue(std::string_view name, std::string_view text) override;

private:
    std::string keyPath_;
};

}  // namespace marvix
