#include "clock/clock_host_win.h"

#include "base/message_seam_win.h"
#include "clock/alarm_window_win.h"
#include "clock/control_menu_win.h"
#include "clock/exit_confirmation_win.h"
#include "windows/screen_clamp_win.h"
#include "windows/settings_dialog_win.h"

namespace marvix {

ClockHost::ClockHost(ProgramHost& program, TimeSource& computer,
                     SettingsWindowFactory settingsWindows, ClockKeys keys)
    : program_(program),
      settingsWindows_(settingsWindows),
      keys_(std::move(keys)),
      time_(computer, model_.Settings().Zone),
      running_(std::make_unique<RunningClock>(*this, model_, time_, program.Beat(), keys_)) {}

ClockHost::~ClockHost() {
    alarm_.reset();
    for (auto& dialog : dialogs_) dialog.reset();
    controlMenu_.reset();
    exitConfirmation_.reset();
    if (IsLive()) DestroyWindow(running_->Window());
}

bool ClockHost::Create() {
    if (!running_->Create()) return false;
    // Before the first save: the settings windows' write-backs are part of what a start stores,
    // opened or not (they are made only when first wanted).
    settingsWindows_.writeBack(running_->Parts());
    running_->MarkSettingsUnchanged();
    return true;
}

void ClockHost::ShowAtStart() {
    if (!running_->Settings().Tray) ShowWindow(running_->Window(), SW_SHOWNORMAL);
}

std::string ClockHost::Name() const {
    const ClockSettings& s = model_.Settings();
    if (!s.Label.empty()) return s.Label;
    return s.Zone == kLocalZone ? std::string() : s.Zone;
}

std::string ClockHost::ListedName() const {
    std::string name = Name();
    return name.empty() ? "This computer" : name;
}

bool ClockHost::RemoveAfterAsking() {
    if (IsFirst() ||
        !AskYesNo("Remove the clock \"" + Name() + "\"? Its settings go with it.", false)) {
        return false;
    }
    removed_ = true;
    running_->Saver().Forget();
    RemoveClockKeys(keys_.number);
    if (IsLive()) DestroyWindow(running_->Window());
    return true;
}

ControlMenuWindow& ClockHost::ControlMenu() {
    if (!controlMenu_) {
        controlMenu_ = std::make_unique<ControlMenuWindow>(*this, *this);
        if (!controlMenu_->Create()) ReportFailureOnce("Cannot create the control menu.");
    }
    return *controlMenu_;
}

ExitConfirmationWindow& ClockHost::ExitConfirmation() {
    if (!exitConfirmation_) {
        exitConfirmation_ = std::make_unique<ExitConfirmationWindow>(*this, *this);
        if (!exitConfirmation_->Create()) ReportFailureOnce("Cannot create the exit window.");
    }
    return *exitConfirmation_;
}

SettingsDialog& ClockHost::Dialog(DialogId id) {
    std::unique_ptr<SettingsDialog>& dialog = dialogs_[static_cast<size_t>(id)];
    if (!dialog) {
        dialog = settingsWindows_.make(*this, id);
        if (!dialog->Create()) ReportFailureOnce("Cannot create the settings window.");
    }
    return *dialog;
}

bool ClockHost::OwnsWindow(HWND window) const {
    if (IsLive() && window == running_->Window()) return true;
    for (const auto& dialog : dialogs_)
        if (dialog && dialog->Window() == window) return true;
    return (controlMenu_ && controlMenu_->Window() == window) ||
           (exitConfirmation_ && exitConfirmation_->Window() == window);
}

std::optional<Rect> ClockHost::MenuFrame() const {
    if (!controlMenu_ || !controlMenu_->IsVisible()) return std::nullopt;
    return WindowFrame(controlMenu_->Window());
}

// The other clocks count as open windows: a window opened from this clock keeps clear of them
// where there is room.
std::vector<Rect> ClockHost::OpenSettingsFrames() const {
    std::vector<Rect> frames = program_.OtherClockFrames(*this);
    for (const auto& dialog : dialogs_)
        if (dialog && dialog->IsVisible()) frames.push_back(WindowFrame(dialog->Window()));
    return frames;
}

void ClockHost::ShowMenuOrExitConfirmation() {
    if (IsLive() && running_->Settings().Still) {
        ControlMenu().Show();
    } else {
        ExitConfirmation().Show();
    }
}

void ClockHost::ConfigurationLoaded() {
    for (DialogId id : {DialogId::Hands, DialogId::Phases, DialogId::Face, DialogId::Digital,
                        DialogId::Alarms, DialogId::Spelling}) {
        const auto& dialog = dialogs_[static_cast<size_t>(id)];
        if (dialog && dialog->IsVisible()) dialog->ShowSettings();
    }
    // The clock keeps the place the file gives it; a window it came to rest on (four of the
    // menu's buttons had been hidden under a gallery clock) moves beside it again.
    if (IsLive()) KeepWindowsClearOf(running_->Parts().place.Frame());
}

void ClockHost::KeepWindowsClearOf(const Rect& clock) {
    const auto keepClear = [&](SettingsDialog* window) {
        if (!window || !window->IsVisible()) return;
        if (!Intersection(WindowFrame(window->Window()), clock).Empty()) window->MoveBesideClock();
    };
    keepClear(controlMenu_.get());
    for (const auto& dialog : dialogs_) keepClear(dialog.get());
}

void ClockHost::ShowLiveValues() {
    for (const auto& dialog : dialogs_) {
        if (dialog && dialog->IsVisible()) dialog->ShowLiveValues();
    }
}

void ClockHost::ShowAlarm(const AlarmNotice& notice, bool canSnooze) {
    if (!alarm_) alarm_ = std::make_unique<AlarmWindow>(*this);
    alarm_->Ring(notice, canSnooze);
    program_.AlarmsChanged();  // the display kept on while it rings; a snooze's end wakes
}

void ClockHost::HideAlarm() {
    if (alarm_ && alarm_->Window()) alarm_->Hide();
    program_.AlarmsChanged();
}

void ClockHost::ReadingChanged() {
    if (time_.Lost() && !std::exchange(toldZoneLost_, true)) {
        program_.TellLater("Windows does not know the time zone \"" + model_.Settings().Zone +
                           "\" for this year: the clock \"" + Name() +
                           "\" shows the computer's own time.");
    }
    program_.ReadingsChanged();
}

void ClockHost::ShowSettingsWindow(DialogId id) { Dialog(id).Show(); }

// Beside the clock, clear of the control menu it was asked from.
void ClockHost::ShowHelp() {
    const std::optional<Rect> menu = MenuFrame();
    program_.ShowHelp(running_->Parts().place.Frame(),
                      menu ? std::span<const Rect>(&*menu, 1) : std::span<const Rect>());
}

void ClockHost::ShowProgramWindow(ProgramHost::Window window) {
    program_.ShowProgramWindow(window, *this);
}

void ClockHost::Terminate() {
    if (IsFirst()) return program_.StopProgram();
    RemoveAfterAsking();
}

}  // namespace marvix
