#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "settings/registry_store.h"

namespace marvix {

// A registry key in memory that can be told to fail on chosen values.
class MemoryRegistry final : public RegistryValues {
public:
    std::map<std::string, std::string, std::less<>> values;
    std::set<std::string, std::less<>> unreadable;
    std::set<std::string, std::less<>> refused;
    std::vector<std::string> written;

    StoredText ReadValue(std::string_view name) override {
        if (unreadable.count(name)) return {std::nullopt, "cannot read " + std::string(name)};
        auto found = values.find(name);
        if (found == values.end()) return {};
        return {found->second, {}};
    }
    std::string WriteValue(std::string_view name, std::string_view text) override {
        if (refused.count(name)) return "refused " + std::string(name);
        written.emplace_back(name);
        values[std::string(name)] = std::string(text);
        return {};
    }
};

}  // namespace marvix
