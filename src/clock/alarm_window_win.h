#pragma once

// AlarmWindow, "Marvix alarm": what comes up when an alarm that rings until answered rings. It
// stands beside the clock on the clock's monitor, above other windows, and does not take the
// focus from what the user is typing in. It says the alarm's time in the clock's words and its
// label, or when it was due if it rang late, or that it was not answered; Snooze (for the
// minutes chosen beside it, which the clock remembers) and Dismiss answer it. Escape and Enter
// dismiss it, as does its close box. A screen reader hears it as an alert.

#include "frame/clock_reading.h"
#include "windows/settings_dialog_win.h"

namespace marvix {

class AlarmWindow final : public SettingsDialog {
public:
    explicit AlarmWindow(SettingsWindowHost& host);

    // clang-format off
    enum ControlId { kTime = 901, kLabel, kNote, kSnooze, kSnoozeMinutes, kDismiss };
    // clang-format on
    // The snooze lengths offered, in minutes.
    static constexpr int kSnoozeChoices[] = {5, 10, 15, 30};

    // Shows the notice beside the clock without taking the focus; an alarm not answered can no
    // longer be snoozed.
    void Ring(const AlarmNotice& notice, bool canSnooze);

protected:
    void CreateControls() override;
    void ShowSettings() override;
    bool OnCommand(int id, int notification) override;
    bool EscapePressed(HWND focus) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Answer(bool snooze);
    // The snooze length the list shows (10 minutes when it shows none).
    int ChosenSnooze() const;

    std::string words_;      // what it says, as a screen reader hears it
    HWND before_ = nullptr;  // the window that was active before this one was
};

}  // namespace marvix
