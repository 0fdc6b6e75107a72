#include "settings/settled_save.h"

namespace marvix {

void SettledSave::Stored(std::vector<std::string> values) {
    stored_ = std::move(values);
    pending_.clear();
    steadyChecks_ = 0;
}

bool SettledSave::Settled(const std::vector<std::string>& now) {
    if (now == stored_) {
        steadyChecks_ = 0;
        pending_.clear();
        return false;
    }
    if (now != pending_) {
        // Still changing: wait for it to settle.
        pending_ = now;
        steadyChecks_ = 1;
        return false;
    }
    return ++steadyChecks_ >= kSettledChecks;
}

}  // namespace marvix
