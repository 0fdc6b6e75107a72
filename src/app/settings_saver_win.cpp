#include "app/settings_saver_win.h"

#include <utility>

#include "base/message_seam_win.h"
#include "settings/registry_store.h"

namespace marvix {

void SettingsSaver::Collect() {
    if (!worker_.joinable()) return;
    worker_.join();
    for (const std::string& error : errors_) ReportFailureOnce(error);
    errors_.clear();
}

void SettingsSaver::MarkUnchanged(const ClockSettings& settings) {
    settled_.Stored(ExitValues(settings), changes_);
}

// 321 values, each opened, written and closed: tens of milliseconds under Wine, so a worker
// writes them from its own copy while the window goes on.
bool SettingsSaver::SaveIfSettled(const ClockModel& clock) {
    if (!settled_.Settled(changes_)) return false;
    std::vector<std::string> values = ExitValues(clock.Written(WrittenTo::Registry));
    const bool differs = settled_.Differs(values);
    settled_.Stored(values, changes_);
    if (!differs) return true;
    saving_ = true;
    worker_ = std::thread([this, values = std::move(values)] {
        std::vector<std::string> errors;
        WriteValues(*store_, ExitSettings(), values, errors);
        errors_ = std::move(errors);
        saving_ = false;
    });
    return true;
}

void SettingsSaver::SaveAtExit(ClockSettings settings) {
    // A save under way finishes first: the exit save is the last word.
    Collect();
    if (std::exchange(savedAtExit_, true)) return;
    std::vector<std::string> errors;
    WriteSettings(settings, *store_, ExitSettings(), errors);
    for (const std::string& error : errors) ShowMessage(error, MessageStyle::Error);
}

}  // namespace marvix
