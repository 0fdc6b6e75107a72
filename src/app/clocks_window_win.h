#pragma once

// "Clocks": every clock of the program with its label and zone; "Add…" makes a clock for the zone
// picked below (found by typing any of its words) under the label typed, or the zone's first
// place; "Remove" takes a clock away after asking. The first clock stays.

#include <string>
#include <vector>

#include "base/time_zone_win.h"
#include "windows/clock_controls.h"
#include "windows/settings_dialog_win.h"

namespace marvix {

// What the clocks window asks of the program.
class ClockBook {
public:
    struct Entry {
        std::string name;  // the label, or "" for the first clock on local time
        std::string zone;  // the zone's key name, or "local"
    };
    virtual std::vector<Entry> ClockEntries() const = 0;
    // A new clock for `zone`, copied from the clock the window was opened from; whether it was
    // made.
    virtual bool AddClockFor(const std::string& zone, const std::string& label) = 0;
    // The clock at `index` in ClockEntries removed (never the first).
    virtual void RemoveClockAt(size_t index) = 0;
    // The clock at `index`, whose label the window edits.
    virtual ClockControls& ClockAt(size_t index) = 0;

protected:
    ~ClockBook() = default;
};

class ClocksWindow final : public SettingsDialog {
public:
    ClocksWindow(SettingsWindowHost& host, ClockBook& book);

    enum ControlId {
        kClockList = 301, kRemove, kFind, kZoneList, kLabel, kAdd,
        kClockLabel, kLabelShown, kLabelLetters,
    };
    void ShowSettings() override;

protected:
    void CreateControls() override;
    bool OnCommand(int id, int notification) override;
    void EnterPressed(HWND focus) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void ShowZonesFound();
    void ZonePicked();
    void Add();
    void Remove();
    // The chosen clock's label, as its fields show and change it.
    void ShowChosenLabel();
    void LabelEdited(int id);
    ClockControls* Chosen();
    HWND Control(int id) const { return GetDlgItem(Window(), id); }

    ClockBook& book_;
    std::vector<ZoneName> zones_;     // every zone Windows knows, read when first shown
    std::vector<size_t> zonesShown_;  // those the typed words find, in the list's order
    bool labelTyped_ = false;         // the user typed a label of their own
    bool settingLabel_ = false;       // a field is being set by the window, not typed
};

}  // namespace marvix
