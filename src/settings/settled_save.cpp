#include "settings/settled_save.h"

namespace marvix {

void SettledSave::Stored(std::vector<std::string> values, uint64_t changes) {
    stored_ = std::move(values);
    storedChanges_ = lastSeen_ = changes;
    steadyChecks_ = 0;
}

bool SettledSave::Settled(uint64_t changes) {
    if (changes == storedChanges_) return false;
    if (changes != lastSeen_) {
        // Still changing: wait for it to settle.
        lastSeen_ = changes;
        steadyChecks_ = 1;
        return false;
    }
    return ++steadyChecks_ >= kSettledChecks;
}

}  // namespace marvix
