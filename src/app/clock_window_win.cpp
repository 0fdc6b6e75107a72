#include "app/clock_window_win.h"

#include <oleacc.h>
#include <windowsx.h>

#include <string>
#include <utility>
#include <vector>

#include "app/resource.h"
#include "base/message_seam_win.h"
#include "base/program.h"
#include "base/system_time_win.h"
#include "base/window_thunk_win.h"
#include "digital/display_fonts.h"
#include "frame/clock_reading.h"
#include "settings/registry_store.h"
#include "windows/accessible_win.h"
#include "windows/screen_clamp_win.h"

namespace marvix {

namespace {

void ReportAll(const std::vector<std::string>& errors) {
    for (const std::string& error : errors) ShowMessage(error, MessageStyle::Error);
}

// The keys that open the control menu on the focused clock, as the right button does: Enter,
// the context-menu key and Shift+F10.
bool KeyOpensMenu(WPARAM key) {
    return key == VK_RETURN || key == VK_APPS ||
           (key == VK_F10 && (GetKeyState(VK_SHIFT) & 0x8000));
}

}  // namespace

ScopedWindowClass ClockWindow::RegisterWindowClass(HINSTANCE instance) {
    WNDCLASSEXA windowClass = WindowClassOf(instance, kClassName, WindowProc);
    windowClass.style = CS_DBLCLKS;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_MARVIX));
    return ScopedWindowClass(windowClass);
}

ClockWindow::ClockWindow(ClockOwner& app, TimeSource& clock)
    : app_(app), clock_(clock), pictures_(std::make_unique<ClockPictures>()) {}

bool ClockWindow::Create() {
    // Owned by the application's window, which carries the taskbar button (see HideMe).
    return CreateWindowExA(0, kClassName, kProgramTitle, WS_POPUP | WS_CLIPCHILDREN, 243, 109, 198,
                           189, app_.Owner(), nullptr, app_.Instance(), this) != nullptr;
}

LRESULT CALLBACK ClockWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return ForwardToOwner(hwnd, message, wParam, lParam, &ClockWindow::hwnd_,
                          &ClockWindow::HandleMessage);
}

LRESULT ClockWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: Created(); return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE) Activated();
            return 0;
        case WM_TIMER:
            if (wParam == ClockTimers::kTick) Tick();
            if (wParam == ClockTimers::kTickTock) PaceTickTock();
            if (wParam == ClockTimers::kBlink) BlinkColons();
            if (wParam == ClockTimers::kSave) {
                SaveTimer();
                ReadTheClock();
                if (std::exchange(watchMonitorsNext_, !watchMonitorsNext_)) WatchMonitors();
            }
            return 0;
        case WM_WINDOWPOSCHANGED: GetWindowRect(hwnd_, &frame_); break;
        case WM_ERASEBKGND: return 1;  // the frame covers every pixel
        case WM_PAINT: Paint(); return 0;
        case WM_LBUTTONDOWN: ButtonDown(MK_LBUTTON); return 0;
        case WM_RBUTTONDOWN: ButtonDown(MK_RBUTTON); return 0;
        case WM_MOUSEMOVE: MouseMoved(); return 0;
        case WM_LBUTTONUP: ButtonUp(MK_LBUTTON); return 0;
        case WM_CAPTURECHANGED: drag_.Lost(); return 0;
        case WM_LBUTTONDBLCLK: HideToTray(); return 0;
        case TrayIcon::kCallbackMessage: TrayIconClicked(lParam); return 0;
        case WM_TIMECHANGE:
            timers_.TickSoon();
            ReadTheClock();
            return 0;
        case WM_GETOBJECT: {
            const LRESULT answer = AnswerGetObject(hwnd_, wParam, lParam,
                                                   {.role = ROLE_SYSTEM_CLOCK, .name = reading_});
            if (answer) return answer;
            break;
        }
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (KeyOpensMenu(wParam)) {
                app_.ShowMenuOrExitConfirmation();
                return 0;
            }
            break;
        // From the keyboard only (lParam -1): the right button already opened the menu when it
        // went down, and its release would open it again.
        case WM_CONTEXTMENU:
            if (lParam == -1) app_.ShowMenuOrExitConfirmation();
            return 0;
        case WM_DISPLAYCHANGE: DisplaysChanged(); return 0;
        case WM_DPICHANGED: FollowDpiChange(hwnd_, lParam); return 0;
        case WM_SETTINGCHANGE: RefreshScreens(); return 0;
        case WM_ENDSESSION:
            if (wParam) SaveSettings();
            return 0;
        case WM_DESTROY: Shutdown(); return 0;
    }
    if (tray_.ShellRestarted(message)) return 0;
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

void ClockWindow::Created() {
    GetWindowRect(hwnd_, &frame_);

    tray_.Add(hwnd_, static_cast<HICON>(LoadImageA(app_.Instance(), MAKEINTRESOURCEA(IDI_TRAY),
                                                   IMAGE_ICON, 16, 16, LR_SHARED)));

    std::vector<std::string> errors;
    ReadSettings(settings_, saver_.Store(), TraySetting(), errors);
    if (settings_.Tray) ShowWindow(hwnd_, SW_HIDE);
    ReadSettings(settings_, saver_.Store(), StartupSettings(), errors);
    Retime();
    ReportAll(errors);

    ReadTheClock();
    // The face is tested against the maximized-window area.
    RefreshScreens();
    PrepareFace(settings_, *pictures_, live_.screen);
    FitWindowToFace();
    Restack();
    if (settings_.UseWall) TakeSnapshot();
    FrameSurfaces frame = pictures_->Frame();
    CopyFace(settings_, frame);
    if (settings_.Tray && IsWindowVisible(hwnd_)) ShowWindow(hwnd_, SW_HIDE);

    timers_.Begin(hwnd_);
    timers_.Start();
}

void ClockWindow::Activated() {
    if (std::exchange(activated_, true)) return;
    ReadDisplayFonts();
    app_.ShowTaskbarButton(!settings_.HideMe);
    if (settings_.Tray && IsWindowVisible(hwnd_)) ShowWindow(hwnd_, SW_HIDE);
}

const DisplayFonts& ClockWindow::ReadDisplayFonts() {
    if (!displayFontsRead_) LoadDisplayFonts();
    return live_.displays.fonts;
}

void ClockWindow::ApplyDisplayFont(size_t slot) {
    marvix::ApplyDisplayFont(settings_, live_.displays.fonts, slot);
}

void ClockWindow::LoadDisplayFonts() {
    displayFontsRead_ = true;
    std::vector<std::string> errors;
    ReadSettings(ChangeSettings(), saver_.Store(), DisplayFontSettings(), errors);
    ApplyDisplayFonts(settings_, live_.displays.fonts);
    ReportAll(errors);
}

void ClockWindow::ReadTheClock() {
    const LocalTime t = SampleInstant(clock_).time;
    const LocalTime minute{t.year, t.month, t.day, t.dayOfWeek, t.hour, t.minute, 0, 0};
    if (minute == readMinute_) return;
    readMinute_ = minute;
    reading_ = ClockReading(settings_, t);
    tray_.SetReading(reading_);
    AnnounceNameChange(hwnd_);
}

void ClockWindow::SaveTimer() {
    // One save at a time: a change made meanwhile is seen again at the next check.
    if (saver_.IsSaving()) return;
    saver_.Collect();
    // What a save writes includes the fonts, read from the registry if never read yet.
    ReadDisplayFonts();
    saver_.SaveIfSettled(settings_);
}

void ClockWindow::MarkSettingsUnchanged() {
    ReadDisplayFonts();
    saver_.MarkUnchanged(settings_);
}

void ClockWindow::SaveSettings() {
    saver_.Collect();
    // A clock that was never activated (it started in the tray and stopped from there) may not
    // have read its fonts yet; read them now so that the save writes them back as they were.
    ReadDisplayFonts();
    saver_.SaveAtExit(settings_);
}

void ClockWindow::Shutdown() {
    timers_.End();
    tray_.Remove();
    SaveSettings();
    app_.ClockDestroyed();
}

void ClockWindow::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd_, &paint);
    const Size size = pictures_->display.GetSize();
    BitBlt(dc, 0, 0, size.width, size.height, pictures_->display.Dc(), 0, 0, SRCCOPY);
    EndPaint(hwnd_, &paint);
}

void ClockWindow::ButtonDown(UINT button) {
    if (button == MK_LBUTTON) {
        drag_.Begin(hwnd_);
        return;
    }
    // The right button: the control menu, or with Still off the exit confirmation.
    app_.ShowMenuOrExitConfirmation();
    drag_.Resume();
}

void ClockWindow::MouseMoved() {
    const std::optional<POINT> to = drag_.Moved(hwnd_, settings_.MoveIt);
    if (!to) return;
    SetWindowPos(hwnd_, nullptr, to->x, to->y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ClockSettings& s = ChangeSettings();
    s.FL = to->x;
    s.FT = to->y;
    // The face dialog's Left and Top follow the clock.
    app_.ShowLiveValues();
}

void ClockWindow::ButtonUp(UINT button) {
    if (button == MK_LBUTTON) drag_.End(hwnd_);
}

void ClockWindow::HideToTray() {
    ShowWindow(hwnd_, SW_HIDE);
    timers_.Stop();
    ChangeSettings().Tray = true;
}

void ClockWindow::TrayIconClicked(LPARAM mouseMessage) {
    if (mouseMessage == WM_LBUTTONDOWN) {
        ShowFromTray();
    } else if (mouseMessage == WM_RBUTTONDOWN) {
        app_.ShowMenuOrExitConfirmation();
    }
}

void ClockWindow::ShowFromTray() {
    if (IsWindowVisible(hwnd_)) return;
    // Out of the tray before the window shows: showing it may activate it, and a first activation
    // hides a clock that is still in the tray.
    ChangeSettings().Tray = false;
    timers_.Start();
    ShowWindow(hwnd_, SW_SHOW);
    drag_.Lost();
}

void ClockWindow::ComeForward() {
    ShowFromTray();
    SetForegroundWindow(hwnd_);
}

}  // namespace marvix
