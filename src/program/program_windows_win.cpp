#include "program/program_windows_win.h"

#include "base/message_seam_win.h"
#include "program/calendar_window_win.h"
#include "program/clock_list_win.h"
#include "program/clocks_window_win.h"
#include "program/help_window_win.h"
#include "program/timers_room_win.h"
#include "windows/screen_clamp_win.h"

namespace marvix {

ProgramWindows::ProgramWindows(ProgramHost& program, ClockList& clocks, ClockBook& book,
                               TimersRoom& timers)
    : program_(program),
      clocks_(clocks),
      book_(book),
      timers_(timers),
      help_(std::make_unique<HelpWindow>(*this)) {}

ProgramWindows::~ProgramWindows() = default;

ClockHost& ProgramWindows::OpenedFrom() const {
    return openedFrom_ && openedFrom_->IsLive() ? *openedFrom_ : clocks_.First();
}

ClockParts& ProgramWindows::Parts() { return OpenedFrom().Parts(); }

std::optional<Rect> ProgramWindows::MenuFrame() const { return OpenedFrom().MenuFrame(); }

std::vector<Rect> ProgramWindows::OpenSettingsFrames() const {
    return OpenedFrom().OpenSettingsFrames();
}

void ProgramWindows::Show(ProgramHost::Window window, ClockHost& clock) {
    openedFrom_ = &clock;
    switch (window) {
        case ProgramHost::Window::Clocks: return ClocksList().ShowFor(clock);
        case ProgramHost::Window::Calendar:
            // Shown again for this clock: its zone's today, its alarms.
            Calendar().Show();
            return Calendar().ShowSettings();
        case ProgramHost::Window::Timers: return timers_.Window().Show();
    }
}

void ProgramWindows::ShowHelp(const Rect& clock, std::span<const Rect> clearOf) {
    help_->ShowTopic(HelpWindow::kContents, clock, clearOf);
}

void ProgramWindows::ShowHelpFor(HWND window) {
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    ClockHost* owner = &clocks_.First();
    for (const auto& clock : clocks_.All())
        if (clock->OwnsWindow(window) || clock->OwnsWindow(GetWindow(window, GW_OWNER)))
            owner = clock.get();
    const Rect clock = owner->Clock().Parts().place.Frame();
    help_->ShowTopic(className, WindowFrame(window), {&clock, 1});
}

void ProgramWindows::ClocksChanged() {
    if (clocksWindow_) clocksWindow_->ShowSettings();
}

std::optional<Rect> ProgramWindows::ClocksWindowFrame() const {
    if (!clocksWindow_ || !clocksWindow_->IsVisible()) return std::nullopt;
    return WindowFrame(clocksWindow_->Window());
}

void ProgramWindows::CloseAll() {
    help_.reset();
    clocksWindow_.reset();
    calendar_.reset();
}

CalendarWindow& ProgramWindows::Calendar() {
    if (!calendar_) {
        calendar_ = std::make_unique<CalendarWindow>(
            *this, timers_.Timers(), [this]() -> ClockHost& { return OpenedFrom(); });
        if (!calendar_->Create()) ReportFailureOnce("Cannot create the calendar.");
    }
    return *calendar_;
}

ClocksWindow& ProgramWindows::ClocksList() {
    if (!clocksWindow_) {
        clocksWindow_ = std::make_unique<ClocksWindow>(*this, book_);
        if (!clocksWindow_->Create()) ReportFailureOnce("Cannot create the clocks window.");
    }
    return *clocksWindow_;
}

}  // namespace marvix
