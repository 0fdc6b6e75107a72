#include "program/application_win.h"

#include <algorithm>
#include <string>

#include "base/colour.h"
#include "base/message_seam_win.h"
#include "base/program.h"
#include "base/window_thunk_win.h"
#include "clock/alarm_window_win.h"
#include "clock/clock_window_win.h"
#include "clock/control_menu_win.h"
#include "clock/exit_confirmation_win.h"
#include "clock/resource.h"
#include "clock/running_clock_win.h"
#include "digital/clock_label.h"
#include "program/single_instance_win.h"
#include "settings/encodings.h"
#include "windows/dialog_font.h"
#include "windows/settings_dialog_win.h"

namespace marvix {

namespace {

bool IsUserInput(UINT message) {
    const bool key = message >= WM_KEYFIRST && message <= WM_KEYLAST;
    const bool button = message > WM_MOUSEMOVE && message <= WM_MOUSELAST;
    return key || button;
}

// The tip as the first clock shows it: the clocks' lines as they last were, the timers' as they
// are now, composed in `tip`, whose room is kept.
void ShowTimersInTip(RunningClock& first, const ProgramTimers& timers, const std::string& clocks,
                     std::string& tip) {
    tip.assign(clocks);
    timers.Book().AddTipLines(timers.NowMs(), kTrayTipRoom, tip);
    const auto ring = timers.Book().SoonestRing(timers.NowMs());
    first.ShowInTray(tip, tip.size() > clocks.size(),
                     ring ? std::optional(std::pair{ring->steps, ring->colour}) : std::nullopt,
                     TimerBook::kRingSteps);
}

}  // namespace

Application::Application(HINSTANCE instance, TimeSource& clock,
                         SettingsWindowFactory settingsWindows)
    : instance_(instance),
      clocks_(*this, clock, settingsWindows),

      timers_(
          tick_, clock, *this, windows_, [this] { return windows_.OpenedFrom().Keys().number; },
          [this] {
              if (HasClock())
                  ShowTimersInTip(FirstClock().Clock(), timers_.Timers(), clocksTip_, tip_);
          }) {}

Application::~Application() {
    windows_.CloseAll();
    // Every clock's windows go before the classes they were made from; the clocks save as they
    // go, the first last.
    ending_ = stopping_ = true;
    clocks_.Clear();
    tick_.Detach();
    if (owner_) DestroyWindow(owner_);
}

LRESULT CALLBACK Application::OwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return ForwardToOwner(hwnd, message, wParam, lParam, &Application::owner_,
                          &Application::OwnerMessage);
}

// Not while the program ends: the clocks may go after the wake.
void Application::AlarmsChanged() {
    if (!stopping_ && !ending_) timers_.Wake().Plan();
}

// Going to sleep, every clock is told, so that an alarm falling due in the sleep rings when the
// computer wakes, however long it slept (the wake may not come: this computer may be unable to
// wake itself, or the wake timer was off). Woken, every clock and timer is served at once, an
// alarm or a timer that fell due rings once saying when it was due, a chime that fell due stays
// unplayed, and the spent wake timer is set again.
void Application::PowerChanged(WPARAM event) {
    const bool resumed = event == PBT_APMRESUMEAUTOMATIC || event == PBT_APMRESUMESUSPEND;
    if (event == PBT_APMSUSPEND || event == PBT_APMRESUMEAUTOMATIC) {
        for (ClockHost* clock : clocks_.Live()) clock->Model().Sleeping();
    }
    if (!resumed || stopping_) return;
    tick_.Wake();
    timers_.Wake().AfterWake();
}

// Posted to the owner window: messages to show, and clocks to drop, once a handler is done.
constexpr UINT kAfterHandlerMessage = WM_APP + 1;
// Posted to the owner window when the computer's clock or zone changed: the wake is planned once
// every clock has read the change.
constexpr UINT kPlanWakeMessage = WM_APP + 2;

LRESULT Application::OwnerMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // The taskbar button activates this window; the user means the clock.
    if (message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE && HasClock() &&
        IsWindowVisible(FirstClock().Clock().Window())) {
        SetForegroundWindow(FirstClock().Clock().Window());
        return 0;
    }
    if (message == WM_TIMER && wParam == ProgramTick::kTimer) {
        tick_.Wake();
        return 0;
    }
    if (message == WM_CLOSE) {
        StopProgram();
        return 0;
    }
    if (message == WM_TIMECHANGE) {
        PostMessageA(owner_, kPlanWakeMessage, 0, 0);
        return 0;
    }
    if (message == kPlanWakeMessage) {
        AlarmsChanged();
        return 0;
    }
    if (message == WM_POWERBROADCAST) {
        PowerChanged(wParam);
        return TRUE;
    }
    if (message == kAfterHandlerMessage) {
        if (!stopping_) {
            // The clocks window lists the live clocks before the others are let go.
            windows_.ClocksChanged();
            clocks_.DropGone([&](ClockHost& gone) { windows_.Forget(gone); });
        }
        for (std::string text : std::exchange(toTell_, {})) ShowMessage(text);
        return 0;
    }
    // A later start's call comes here: every clock, some hidden in the tray, comes forward.
    if (message == showClockMessage_ && showClockMessage_ != 0) {
        RunCommand(*this, {});
        return 0;
    }
    if (message == WM_HOTKEY) {
        if (const std::optional<HotkeyUse> use = TimerHotkeys::UseOf(wParam))
            RunHotkey(*this, *use);
        return 0;
    }
    // A later start's command line, which it has read and found good.
    if (message == WM_COPYDATA) {
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (!data || data->dwData != kCommandLineData || !data->lpData) return FALSE;
        const std::string_view text(static_cast<const char*>(data->lpData), data->cbData);
        const std::optional<TimerCommand> command = ParseTimerCommand(text);
        if (command) RunCommand(*this, *command);
        return command.has_value();
    }
    if (message == stopClockMessage_ && stopClockMessage_ != 0) {
        StopProgram();
        return 0;
    }
    return DefWindowProcA(owner_, message, wParam, lParam);
}

bool Application::Create() {
    WNDCLASSEXA ownerClass = WindowClassOf(instance_, kOwnerWindowClass, OwnerProc);
    ownerClass.hIcon = LoadIconA(instance_, MAKEINTRESOURCEA(IDI_MARVIX));
    ownerClass_ = ScopedWindowClass(ownerClass);
    showClockMessage_ = ShowClockMessage();
    stopClockMessage_ = StopClockMessage();
    clockClass_ = ClockWindow::RegisterWindowClass(instance_);
    if (!ownerClass_ || !clockClass_) return false;
    // A window of no size that only carries the taskbar button, as the clock is a popup.
    owner_ = CreateWindowExA(0, kOwnerWindowClass, kProgramTitle,
                             WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                             GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2,
                             0, 0, nullptr, nullptr, instance_, this);
    if (!owner_) return false;
    // Shown before the clock exists: the clock's first activation may take the button away.
    ShowWindow(owner_, SW_SHOWNOACTIVATE);
    tick_.Attach(owner_);

    if (!clocks_.CreateStored()) return false;
    for (const auto& clock : clocks_.All()) clock->ShowAtStart();
    timers_.Timers().Start();
    timers_.Wake().Start();
    for (std::string& taken : timers_.Hotkeys().RegisterStored(owner_)) TellLater(std::move(taken));
    return true;
}

void RunHotkey(Application& app, HotkeyUse use) {
    ProgramTimers& timers = app.Timers().Timers();
    switch (use) {
        case HotkeyUse::LastTimer:
            if (const std::optional<int> last = timers.Last()) timers.StartOrPause(*last);
            break;
        case HotkeyUse::Stopwatch: timers.StopwatchStartOrPause(); break;
        case HotkeyUse::TimersWindow:
            app.ShowProgramWindow(ProgramHost::Window::Timers, app.FirstClock());
            break;
    }
}

void RunCommand(Application& app, const TimerCommand& command) {
    using Kind = TimerCommand::Kind;
    ProgramTimers& timers = app.Timers().Timers();
    switch (command.kind) {
        case Kind::ShowClock:
            for (ClockHost* clock : app.LiveClocks()) clock->Clock().ComeForward();
            break;
        // On the first clock: a timer started from outside belongs to no other.
        case Kind::Timer:
            timers.StartNew({.label = command.label, .steps = {{"", command.seconds}}}, {});
            break;
        case Kind::Stopwatch: timers.StopwatchStartOrPause(); break;
        case Kind::TimersWindow:
            app.ShowProgramWindow(ProgramHost::Window::Timers, app.FirstClock());
            break;
    }
}

// The loop waits for a message or for the next due of the program's one tick, whichever comes
// first: a wake without a timer to set again, half the calls to the server of a timer's wake.
int Application::Run() {
    MSG message;
    for (;;) {
        if (MsgWaitForMultipleObjectsEx(0, nullptr, tick_.LoopWait(), QS_ALLINPUT,
                                        MWMO_INPUTAVAILABLE) == WAIT_TIMEOUT)
            tick_.WakeFromLoop();
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) return static_cast<int>(message.wParam);
            Dispatch(message);
        }
    }
}

void Application::Dispatch(MSG& message) {
    // F1 in a settings window: the help at that window's topic.
    if (message.message == WM_KEYDOWN && message.wParam == VK_F1 && activeDialog_) {
        windows_.ShowHelpFor(activeDialog_);
        return;
    }
    if (!activeDialog_ || !IsDialogMessageA(activeDialog_, &message)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    // An edit of the settings brings the tick forward itself; a key or a button may also change
    // what the clock looks like in ways no setting says (a window shown over it, a font chosen),
    // and the clock shows it at its next step even when its tick had planned to sleep longer.
    if (IsUserInput(message.message))
        for (ClockHost* clock : LiveClocks()) clock->Clock().Ticker().TickSoon();
}

HFONT Application::DialogFont(int dpi, bool bold) {
    for (const DialogFontAt& made : dialogFonts_) {
        if (made.dpi == dpi && made.bold == bold) return made.font.Get();
    }
    const DialogFontChoice choice = DialogFontFor(dpi);
    ScopedFont font(CreateFontA(-choice.pixels, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                                FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                DEFAULT_QUALITY, DEFAULT_PITCH, std::string(choice.face).c_str()));
    // Controls given no font draw with the system's; nothing else is lost.
    if (!font) ReportFailureOnce("Cannot create the dialog font.");
    dialogFonts_.push_back({dpi, bold, std::move(font)});
    return dialogFonts_.back().font.Get();
}

void Application::ShowTaskbarButton(bool show) { ShowWindow(owner_, show ? SW_SHOW : SW_HIDE); }

void Application::ShowHelp(const Rect& clock, std::span<const Rect> clearOf) {
    windows_.ShowHelp(clock, clearOf);
}

void Application::ShowProgramWindow(Window window, ClockHost& clock) {
    windows_.Show(window, clock);
}

void Application::StopProgram() {
    stopping_ = true;
    clocks_.StopAll(nullptr);
}

void Application::ClockGone(ClockHost& clock) {
    if (ending_) return;
    // Closed by the system (a log-off, or a close sent to the window as taskkill sends it): every
    // clock is saved and kept. Only the user's Remove takes a clock away.
    if (!clock.WasRemoved() && !stopping_) {
        stopping_ = true;
        clocks_.StopAll(&clock);
    }
    // The clock's window is still being destroyed: it counts as gone.
    const std::vector<ClockHost*> live = LiveClocks();
    if (stopping_ && std::ranges::all_of(live, [&](ClockHost* other) { return other == &clock; }))
        PostQuitMessage(0);
    PostMessageA(owner_, kAfterHandlerMessage, 0, 0);
    if (!stopping_) {
        ReadingsChanged();
        timers_.Timers().ShowOnClocks();
    }
}

void Application::ShowClocksFromTray() {
    for (ClockHost* clock : LiveClocks())
        if (clock->Model().Settings().Tray) clock->Clock().ComeForward();
}

void Application::ChooseClockFromTray(HWND icon) {
    const std::vector<ClockHost*> live = LiveClocks();
    if (live.size() == 1) return live.front()->ShowMenuOrExitConfirmation();
    // A menu of the clocks, then "Clocks…": command i + 1 is clock i.
    ScopedMenu menu(CreatePopupMenu());
    if (!menu) return;
    for (size_t i = 0; i < live.size(); ++i)
        AppendMenuA(menu.Get(), MF_STRING, i + 1, live[i]->ListedName().c_str());
    AppendMenuA(menu.Get(), MF_SEPARATOR, 0, nullptr);
    const UINT clocksWindow = UINT(live.size() + 1);
    AppendMenuA(menu.Get(), MF_STRING, clocksWindow, "Clocks\x85");
    const UINT timersWindow = clocksWindow + 1;
    AppendMenuA(menu.Get(), MF_STRING, timersWindow, "Timers\x85");
    const UINT calendar = timersWindow + 1;
    AppendMenuA(menu.Get(), MF_STRING, calendar, "Calendar\x85");
    POINT at;
    GetCursorPos(&at);
    // A tray menu goes away when the user clicks elsewhere only if its window is in front, and
    // the posted message lets it close at once when the menu is opened again.
    SetForegroundWindow(icon);
    const UINT chosen = UINT(TrackPopupMenu(
        menu.Get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, at.x, at.y, 0, icon, nullptr));
    PostMessageA(icon, WM_NULL, 0, 0);
    if (chosen == clocksWindow) return ShowProgramWindow(Window::Clocks, FirstClock());
    if (chosen == timersWindow) return ShowProgramWindow(Window::Timers, FirstClock());
    if (chosen == calendar) return ShowProgramWindow(Window::Calendar, FirstClock());
    // Its clocks may have gone while the menu was open.
    const std::vector<ClockHost*> now = LiveClocks();
    if (chosen == 0 || chosen > live.size() ||
        std::ranges::find(now, live[chosen - 1]) == now.end())
        return;
    // In front of the clock that holds the icon, which the menu brought forward, and out of
    // the tray if it hid there.
    ClockHost& clock = *live[chosen - 1];
    clock.Clock().ComeForward();
    clock.ShowMenuOrExitConfirmation();
}

void Application::TellLater(std::string text) {
    toTell_.push_back(std::move(text));
    PostMessageA(owner_, kAfterHandlerMessage, 0, 0);
}

void Application::ReadingsChanged() {
    if (!HasClock()) return;
    std::vector<PlaceReading> places;
    for (ClockHost* clock : LiveClocks())
        if (!clock->IsFirst())
            places.push_back(
                {clock->Name(), clock->Clock().ClockTime().Now(), clock->Model().Settings()});
    // The timers and the stopwatch come last, in up to half the room, and the clocks have the
    // rest: a few characters more than the timers' lines take now, which grow as "9:59" turns
    // "10:00".
    ProgramTimers& timers = timers_.Timers();
    std::string running;
    timers.Book().AddTipLines(timers.NowMs(), kTrayTipRoom / 2, running);
    const size_t room =
        kTrayTipRoom - (running.empty() ? 0 : std::min(running.size() + 4, kTrayTipRoom / 2));
    clocksTip_ = TrayTip(FirstClock().Clock().Words().Text(), places, room);
    ShowTimersInTip(FirstClock().Clock(), timers, clocksTip_, tip_);
}

bool Application::AddClockFor(const std::string& zone, const std::string& label) {
    ClockHost& from = windows_.OpenedFrom();
    // Clear of the windows it was asked from too, where there is room.
    std::vector<Rect> windows = from.OpenSettingsFrames();
    if (const std::optional<Rect> clocksWindow = windows_.ClocksWindowFrame())
        windows.push_back(*clocksWindow);
    if (!clocks_.Add(from, zone, label, std::move(windows))) return false;
    ReadingsChanged();
    timers_.Timers().ShowOnClocks();
    return true;
}

}  // namespace marvix
