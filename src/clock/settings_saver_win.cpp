#include "clock/settings_saver_win.h"

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
    programStored_ = ProgramValues(settings);
}

// 321 values, each opened, written and closed: tens of milliseconds under Wine, so a worker
// writes them from its own copy while the window goes on.
bool SettingsSaver::SaveIfSettled(const ClockModel& clock) {
    if (!settled_.Settled(changes_)) return false;
    std::vector<std::string> values = ExitValues(clock.Written(WrittenTo::Registry));
    std::vector<std::string> program = ProgramValues(clock.Settings());
    const bool differs = settled_.Differs(values);
    settled_.Stored(values, changes_);
    if (!differs) values.clear();
    // Each key is written only when its own values differ: a label typed rewrites the subkey alone.
    if (program == programStored_) {
        program.clear();
    } else {
        programStored_ = program;
    }
    if (values.empty() && program.empty()) return true;
    saving_ = true;
    worker_ = std::thread([this, values = std::move(values), program = std::move(program)] {
        std::vector<std::string> errors;
        if (!values.empty()) WriteValues(*store_, ExitSettings(), values, errors);
        if (!program.empty()) WriteValues(*programStore_, ProgramSequence(), program, errors);
        errors_ = std::move(errors);
        saving_ = false;
    });
    return true;
}

namespace {

// The clock's own values, then (if they went) the program's, every failure shown; whether all
// were written.
bool WriteBoth(ClockSettings& settings, RegistryValues& clock, RegistryValues& program) {
    std::vector<std::string> errors;
    const bool written = WriteSettings(settings, clock, ExitSettings(), errors) &&
                         WriteSettings(settings, program, ProgramSequence(), errors);
    for (const std::string& error : errors) ShowMessage(error, MessageStyle::Error);
    return written && errors.empty();
}

}  // namespace

void SettingsSaver::SaveAtExit(ClockSettings settings) {
    // A save under way finishes first: the exit save is the last word.
    Collect();
    if (std::exchange(savedAtExit_, true)) return;
    WriteBoth(settings, *store_, *programStore_);
}

bool WriteClockSettings(ClockSettings settings, const ClockKeys& keys) {
    Win32Registry clock(keys.clock), program(keys.program);
    return WriteBoth(settings, clock, program);
}

}  // namespace marvix
