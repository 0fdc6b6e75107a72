#pragma once

// "Clocks": every clock of the program with its label and zone, and the chosen one's label: its
// words, whether the face shows them, their letters and their place. "Add…" makes a clock for the
// zone picked below (found by typing any of its words) under the label typed, or the zone's first
// place; "Remove" takes a clock away after asking. The first clock stays.

#include <string>
#include <vector>

#include "base/time_zone_win.h"
#include "base/zone_places.h"
#include "clock/clock_host_win.h"
#include "windows/settings_dialog_win.h"

namespace marvix {

// What the clocks window asks of the program.
class ClockBook {
public:
    // The clocks whose windows are there, the first first, into `live` (emptied first; what it
    // holds is kept, so that a chore listing them again takes nothing from the heap).
    virtual void ListLiveClocks(std::vector<ClockHost*>& live) const = 0;
    std::vector<ClockHost*> LiveClocks() const {
        std::vector<ClockHost*> live;
        ListLiveClocks(live);
        return live;
    }
    // A new clock for `zone`, copied from the clock the window was opened from; whether it was
    // made.
    virtual bool AddClockFor(const std::string& zone, const std::string& label) = 0;

protected:
    ~ClockBook() = default;
};

class ClocksWindow final : public SettingsDialog {
public:
    ClocksWindow(SettingsWindowHost& host, ClockBook& book);

    // clang-format off
    enum ControlId {
        kClockList = 301, kRemove, kFind, kZoneList, kLabel, kAdd,
        kClockLabel, kLabelShown, kLabelLetters, kLabelCentred, kLabelLeft, kLabelTop,
        kLabelLeftArrows, kLabelTopArrows,
    };
    // clang-format on
    void ShowSettings() override;
    // Shown with `clock` chosen: the clock it was opened from.
    void ShowFor(const ClockHost& clock);

protected:
    void CreateControls() override;
    bool OnCommand(int id, int notification) override;
    void EnterPressed(HWND focus) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void ShowZonesFound();
    void ZonePicked();
    // The new clock's label field set by the window, not typed.
    void SetLabelText(const std::string& text);
    void Add();
    void Remove();
    // The chosen clock's label, as its fields show and change it; Remove greyed while the first
    // clock, which cannot be removed, is chosen.
    void ShowChosenLabel();
    void LabelEdited(int id);
    // Where the chosen clock's label is: centred, or at the place its fields say.
    void ShowLabelPlace(RunningClock& clock);
    void LabelPlaceEdited(RunningClock& clock, int id);
    ClockHost* Chosen();
    // A clock as the list shows it: its name and its zone's display name.
    std::string LineOf(const ClockHost& clock) const;
    HWND Control(int id) const { return GetDlgItem(Window(), id); }

    ClockBook& book_;
    // The clocks the list shows, in its order: the live ones when it was last filled, which the
    // program has it fill again before it lets a clock go.
    std::vector<ClockHost*> listed_;
    std::vector<ZoneName> zones_;        // every zone Windows knows, read when first shown
    std::vector<ZoneFound> zonesShown_;  // those the typed words find, best first, as listed
    bool labelTyped_ = false;            // the user typed a label of their own
    bool settingLabel_ = false;          // a field is being set by the window, not typed
};

}  // namespace marvix
