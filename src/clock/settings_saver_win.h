#pragma once

// Where the clock's settings go while it runs: the registry, written soon after a change has
// settled (see SettledSave) on a worker thread, one save at a time, and once more, last, at exit.
// A worker never touches a window: what it could not write is reported by the window thread when
// the save is collected.

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "frame/clock_model.h"
#include "settings/clock_keys_win.h"
#include "settings/clock_settings.h"
#include "settings/registry_store_win.h"
#include "settings/settled_save.h"

namespace marvix {

class SettingsSaver {
public:
    explicit SettingsSaver(const ClockKeys& keys = FirstClockKeys())
        : registry_(keys.clock), programRegistry_(keys.program) {}
    ~SettingsSaver() { Collect(); }
    SettingsSaver(const SettingsSaver&) = delete;
    SettingsSaver& operator=(const SettingsSaver&) = delete;

    // The registry, unless a test counts the reads and writes: the clock's key, and the program's
    // subkey for its own settings.
    RegistryValues& Store() { return *store_; }
    RegistryValues& ProgramStore() { return *programStore_; }
    void UseStore(RegistryValues& store) { store_ = &store; }

    bool IsSaving() const { return saving_; }
    // Waits for a save under way and reports what it could not write.
    void Collect();
    // The settings were, or are about to be, changed (see SettledSave).
    void NoteChange() { ++changes_; }
    // The record as it stands is the one the settled saves compare with: only later changes are
    // written.
    void MarkUnchanged(const ClockSettings& settings);
    // A check (every half second): starts a save of the clock's record, as the registry is
    // written it, once a change has settled and differs from what is stored. Call when no save is
    // under way. Returns whether the changes had settled.
    bool SaveIfSettled(const ClockModel& clock);
    // The exit save of the record as the registry is written it, once: written on this thread
    // after any save under way, every failure shown.
    void SaveAtExit(ClockSettings settings);
    // The clock was removed: nothing more is written for it.
    void Forget() {
        Collect();
        savedAtExit_ = true;
    }

private:
    Win32Registry registry_;
    Win32Registry programRegistry_;
    RegistryValues* store_ = &registry_;
    RegistryValues* programStore_ = &programRegistry_;
    SettledSave settled_;
    std::vector<std::string> programStored_;  // what the subkey holds, as settled_ for the key
    uint64_t changes_ = 0;
    std::thread worker_;
    std::atomic<bool> saving_ = false;
    std::vector<std::string> errors_;  // the worker's, read once it has ended
    bool savedAtExit_ = false;
};

// Every setting of a clock written to its keys at once, each failure shown; whether all were.
bool WriteClockSettings(ClockSettings settings, const ClockKeys& keys);

}  // namespace marvix
