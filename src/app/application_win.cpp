#include "app/application_win.h"

#include <string>

#include "app/alarm_window_win.h"
#include "app/clock_window_win.h"
#include "app/control_menu_win.h"
#include "app/exit_confirmation_win.h"
#include "app/help_window_win.h"
#include "app/resource.h"
#include "app/running_clock_win.h"
#include "app/single_instance_win.h"
#include "base/message_seam_win.h"
#include "base/program.h"
#include "base/window_thunk_win.h"
#include "windows/dialog_font.h"
#include "windows/screen_clamp_win.h"
#include "windows/settings_dialog_win.h"

namespace marvix {

namespace {

bool IsUserInput(UINT message) {
    const bool key = message >= WM_KEYFIRST && message <= WM_KEYLAST;
    const bool button = message > WM_MOUSEMOVE && message <= WM_MOUSELAST;
    return key || button;
}

}  // namespace

Application::Application(HINSTANCE instance, TimeSource& clock,
                         SettingsWindowFactory makeSettingsWindow)
    : instance_(instance),
      time_(clock),
      makeSettingsWindow_(makeSettingsWindow),
      help_(std::make_unique<HelpWindow>(*this)) {}

Application::~Application() {
    help_.reset();
    alarm_.reset();
    for (auto& dialog : dialogs_) dialog.reset();
    controlMenu_.reset();
    exitConfirmation_.reset();
    if (LiveClock()) DestroyWindow(clock_->Window());
    if (owner_) DestroyWindow(owner_);
}

LRESULT CALLBACK Application::OwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return ForwardToOwner(hwnd, message, wParam, lParam, &Application::owner_,
                          &Application::OwnerMessage);
}

LRESULT Application::OwnerMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // The taskbar button activates this window; the user means the clock.
    RunningClock* clock = LiveClock();
    if (message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE && clock &&
        IsWindowVisible(clock->Window())) {
        SetForegroundWindow(clock->Window());
        return 0;
    }
    if (message == WM_CLOSE) {
        Terminate();
        return 0;
    }
    // A later start's call comes here: the clock itself may be hidden in the tray.
    if (message == showClockMessage_ && showClockMessage_ != 0) {
        if (clock) clock->ComeForward();
        return 0;
    }
    if (message == stopClockMessage_ && stopClockMessage_ != 0) {
        Terminate();
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

    clock_ = std::make_unique<RunningClock>(*this, model_, time_);
    if (!clock_->Create()) return false;
    clock_->MarkSettingsUnchanged();

    if (!clock_->Settings().Tray) ShowWindow(clock_->Window(), SW_SHOWNORMAL);
    return true;
}

int Application::Run() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) Dispatch(message);
    return static_cast<int>(message.wParam);
}

void Application::Dispatch(MSG& message) {
    // F1 in a settings window: the help at that window's topic.
    if (message.message == WM_KEYDOWN && message.wParam == VK_F1 && activeDialog_) {
        ShowHelpFor(activeDialog_);
        return;
    }
    if (!activeDialog_ || !IsDialogMessageA(activeDialog_, &message)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    // An edit of the settings brings the tick forward itself; a key or a button may also change
    // what the clock looks like in ways no setting says (a window shown over it, a font chosen),
    // and the clock shows it at its next step even when its tick had planned to sleep longer.
    if (IsUserInput(message.message) && LiveClock()) clock_->TickSoon();
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

ControlMenuWindow& Application::ControlMenu() {
    if (!controlMenu_) {
        controlMenu_ = std::make_unique<ControlMenuWindow>(*this, *this);
        if (!controlMenu_->Create()) ReportFailureOnce("Cannot create the control menu.");
    }
    return *controlMenu_;
}

ExitConfirmationWindow& Application::ExitConfirmation() {
    if (!exitConfirmation_) {
        exitConfirmation_ = std::make_unique<ExitConfirmationWindow>(*this, *this);
        if (!exitConfirmation_->Create()) ReportFailureOnce("Cannot create the exit window.");
    }
    return *exitConfirmation_;
}

SettingsDialog& Application::Dialog(DialogId id) {
    std::unique_ptr<SettingsDialog>& dialog = dialogs_[static_cast<size_t>(id)];
    if (!dialog) {
        dialog = makeSettingsWindow_(*this, id);
        if (!dialog->Create()) ReportFailureOnce("Cannot create the settings window.");
    }
    return *dialog;
}

void Application::ShowTaskbarButton(bool show) { ShowWindow(owner_, show ? SW_SHOW : SW_HIDE); }

void Application::ShowMenuOrExitConfirmation() {
    if (LiveClock() && clock_->Settings().Still) {
        ControlMenu().Show();
    } else {
        ExitConfirmation().Show();
    }
}

void Application::RefreshOpenDialogs() {
    for (DialogId id : {DialogId::Hands, DialogId::Phases, DialogId::Face, DialogId::Digital,
                        DialogId::Alarms, DialogId::Spelling}) {
        const auto& dialog = dialogs_[static_cast<size_t>(id)];
        if (dialog && dialog->IsVisible()) dialog->ShowSettings();
    }
}

void Application::ShowLiveValues() {
    for (const auto& dialog : dialogs_) {
        if (dialog && dialog->IsVisible()) dialog->ShowLiveValues();
    }
}

void Application::ShowSettingsWindow(DialogId id) { Dialog(id).Show(); }

std::optional<Rect> Application::MenuFrame() const {
    if (!controlMenu_ || !controlMenu_->IsVisible()) return std::nullopt;
    return WindowFrame(controlMenu_->Window());
}

std::vector<Rect> Application::OpenSettingsFrames() const {
    std::vector<Rect> frames;
    for (const auto& dialog : dialogs_)
        if (dialog && dialog->IsVisible()) frames.push_back(WindowFrame(dialog->Window()));
    return frames;
}

// Beside the clock, clear of the control menu it was asked from.
void Application::ShowHelp() {
    const std::optional<Rect> menu = MenuFrame();
    help_->ShowTopic(HelpWindow::kContents, clock_->Frame(),
                     menu ? std::span<const Rect>(&*menu, 1) : std::span<const Rect>());
}

// Beside the window F1 was pressed in, clear of the clock.
void Application::ShowHelpFor(HWND window) {
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    const Rect clock = clock_->Frame();
    help_->ShowTopic(className, WindowFrame(window), {&clock, 1});
}

void Application::Terminate() {
    if (LiveClock()) DestroyWindow(clock_->Window());
}

void Application::ClockDestroyed() { PostQuitMessage(0); }

void Application::ShowAlarm(const AlarmNotice& notice, bool canSnooze) {
    if (!alarm_) alarm_ = std::make_unique<AlarmWindow>(*this);
    alarm_->Ring(notice, canSnooze);
}

void Application::HideAlarm() {
    if (alarm_ && alarm_->Window()) alarm_->Hide();
}

}  // namespace marvix
