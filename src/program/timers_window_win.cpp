#include "program/timers_window_win.h"

#include <algorithm>

#include "settings/encodings.h"
#include "timers/timer_length.h"
#include "windows/accessible_win.h"

namespace marvix {

namespace {

// clang-format off
constexpr DialogLayout kLayout{
    .className = "MarvixTimers", .caption = "Timers", .client = {340, 528}, .background = kWindowPurple,
    .position = {0, 0}, .centred = false, .fontKinds = kButtons | kEdits | kLabels | kLists,
    .clamp = Clamp::OnActivation, .createOnActivation = false, .besideClock = true,
};
// clang-format on

// The times shown are brought up to date this often while the window shows.
constexpr UINT kShowTimer = 1;
constexpr UINT kShowEveryMs = 200;
constexpr int kMostRounds = 999;

const char* StateWords(TimerState state) {
    switch (state) {
        case TimerState::Ready: return "ready, ";
        case TimerState::Running: return "";
        case TimerState::Paused: return "paused, ";
        case TimerState::Ringing: return "rings";
    }
    return "";
}

}  // namespace

TimersWindow::TimersWindow(SettingsWindowHost& host, ProgramTimers& timers, TimerHotkeys& hotkeys,
                           std::function<int()> clockNumber)
    : SettingsDialog(host, kLayout),
      timers_(timers),
      hotkeys_(hotkeys),
      clockNumber_(std::move(clockNumber)) {}

void TimersWindow::CreateControls() {
    constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
    constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;
    const auto addList = [&](const char* name, Rect place, int id, DWORD more) {
        constexpr DWORD kListStyle =
            LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP | LBS_NOINTEGRALHEIGHT;
        DescribeControl(Controls().Add(kLists, "LISTBOX", "", kListStyle | more, place, id),
                        {.name = name});
    };
    // Each field follows the words that name it, which a screen reader reads as its name.
    Controls().Add(kLabels, "STATIC", "La&bel:", 0, Rect::At({8, 11}, {50, 14}), -1);
    Controls().Add(kEdits, "EDIT", "", kEdit, Rect::At({60, 8}, {150, 21}), kLabel);
    Controls().Add(kLabels, "STATIC", "Len&gth:", 0, Rect::At({8, 37}, {50, 14}), -1);
    Controls().Add(kEdits, "EDIT", "", kEdit, Rect::At({60, 34}, {150, 21}), kLength);
    Controls().Add(kButtons, "BUTTON", "&Start", BS_DEFPUSHBUTTON | WS_TABSTOP,
                   Rect::At({232, 33}, {100, 23}), kStart);
    Controls().Add(kLabels, "STATIC", "Ti&mes:", 0, Rect::At({8, 63}, {50, 14}), -1);
    HWND rounds = Controls().Add(kEdits, "EDIT", "1", kEdit | ES_NUMBER,
                                 Rect::At({60, 60}, {40, 21}), kRounds);
    SendMessageA(rounds, EM_LIMITTEXT, 3, 0);
    Controls().Add(kButtons, "BUTTON", "until stopped", BS_AUTOCHECKBOX | WS_TABSTOP,
                   Rect::At({108, 62}, {100, 17}), kForever);
    Controls().Add(kButtons, "BUTTON", "&Warn a minute before", BS_AUTOCHECKBOX | WS_TABSTOP,
                   Rect::At({8, 86}, {200, 17}), kWarn);
    // What the length field takes, when it holds something else.
    Controls().Add(kLabels, "STATIC", "", SS_LEFT | SS_NOPREFIX, Rect::At({8, 106}, {324, 42}),
                   kProblem);
    Controls().Add(kLabels, "STATIC", "Presets:", 0, Rect::At({8, 157}, {50, 14}), -1);
    for (size_t i = 0; i < std::size(kPresetMinutes); ++i) {
        const std::string caption = "&" + std::to_string(kPresetMinutes[i]);
        HWND preset = Controls().Add(kButtons, "BUTTON", caption.c_str(), kButton,
                                     Rect::At({60 + int(i) * 29, 153}, {26, 23}), kPreset + int(i));
        DescribeControl(preset, {.name = std::to_string(kPresetMinutes[i]) + " minutes"});
    }
    Controls().Add(kButtons, "BUTTON", "&Pomodoro", kButton, Rect::At({266, 153}, {66, 23}),
                   kPomodoro);
    Controls().Add(kLabels, "STATIC", "T&imers:", 0, Rect::At({8, 184}, {100, 14}), -1);
    addList("Timers", Rect::At({8, 200}, {324, 72}), kList, LBS_WANTKEYBOARDINPUT);
    int x = 8;
    for (const auto& [caption, id] :
         {std::pair{"Pa&use", kPause}, std::pair{"&Restart", kRestart},
          std::pair{"+1 mi&n", kAddMinute}, std::pair{"Remo&ve", kRemove}}) {
        Controls().Add(kButtons, "BUTTON", caption, kButton, Rect::At({x, 278}, {78, 23}), id);
        x += 82;
    }
    Controls().Add(kLabels, "STATIC", "", SS_ETCHEDHORZ, Rect::At({0, 309}, {340, 2}), -1);
    Controls().Add(kLabels, "STATIC", "Stopwatch:", 0, Rect::At({8, 320}, {70, 14}), -1);
    Controls().Add(kLabels, "STATIC", "0:00.0", SS_LEFT | SS_NOPREFIX,
                   Rect::At({80, 318}, {120, 18}), kWatchTime);
    Controls().Add(kButtons, "BUTTON", "On the cl&ock", BS_AUTOCHECKBOX | WS_TABSTOP,
                   Rect::At({212, 319}, {120, 17}), kWatchOnClock);
    x = 8;
    for (const auto& [caption, id] : {std::pair{"Star&t", kWatchStart}, std::pair{"L&ap", kLap},
                                      std::pair{"Res&et", kReset}, std::pair{"&Copy", kCopy}}) {
        Controls().Add(kButtons, "BUTTON", caption, kButton, Rect::At({x, 340}, {78, 23}), id);
        x += 82;
    }
    addList("Laps", Rect::At({8, 368}, {324, 46}), kLaps, 0);

    // Off until set; a key without Ctrl or Alt would be taken from every program, so the field
    // adds Ctrl+Alt to one typed alone.
    EnsureCommonControls();
    Controls().Add(kLabels, "STATIC", "", SS_ETCHEDHORZ, Rect::At({0, 422}, {340, 2}), -1);
    Controls().Add(kLabels, "STATIC", "Keys that work in every program:", 0,
                   Rect::At({8, 430}, {324, 14}), -1);
    constexpr const char* kKeyNames[] = {"&Last timer:", "Stopwatc&h:", "This win&dow:"};
    for (HotkeyUse use : kHotkeyUses) {
        const int y = 448 + int(use) * 24;
        Controls().Add(kLabels, "STATIC", kKeyNames[int(use)], 0, Rect::At({8, y + 3}, {84, 14}),
                       -1);
        HWND key = Controls().Add(kEdits, HOTKEY_CLASSA, "", WS_BORDER | WS_TABSTOP,
                                  Rect::At({94, y}, {120, 21}), kKey + int(use));
        SendMessageA(key, HKM_SETRULES, HKCOMB_NONE | HKCOMB_S,
                     MAKELPARAM(HOTKEYF_CONTROL | HOTKEYF_ALT, 0));
    }
    Controls().Add(kLabels, "STATIC", "", SS_LEFT | SS_NOPREFIX, Rect::At({220, 448}, {112, 70}),
                   kKeyProblem);
}

void TimersWindow::SetText(int id, const std::string& text) {
    if (WindowText(Control(id)) != text) SetWindowTextA(Control(id), text.c_str());
}

void TimersWindow::ShowSettings() {
    SendMessageA(Control(kWatchOnClock), BM_SETCHECK,
                 timers_.Book().Watch().onClock ? BST_CHECKED : BST_UNCHECKED, 0);
    for (HotkeyUse use : kHotkeyUses) {
        const std::optional<Hotkey> key = hotkeys_.Get(use);
        WORD shown = 0;
        if (key) {
            const BYTE flags = BYTE(((key->modifiers & MOD_ALT) ? HOTKEYF_ALT : 0) |
                                    ((key->modifiers & MOD_CONTROL) ? HOTKEYF_CONTROL : 0) |
                                    ((key->modifiers & MOD_SHIFT) ? HOTKEYF_SHIFT : 0));
            shown = MAKEWORD(key->key, flags);
        }
        SendMessageA(Control(kKey + int(use)), HKM_SETHOTKEY, shown, 0);
    }
    lines_.clear();
    listed_.clear();
    SendMessageA(Control(kList), LB_RESETCONTENT, 0, 0);
    SendMessageA(Control(kLaps), LB_RESETCONTENT, 0, 0);
    lapsShown_ = 0;
    ShowTimes();
}

std::string TimersWindow::LineOf(const Timer& timer, int64_t nowMs) const {
    const Countdown& countdown = timer.countdown;
    std::string line = countdown.Label().empty() ? "Timer" : countdown.Label();
    line += " \x97 ";
    line += StateWords(countdown.State());
    if (countdown.State() != TimerState::Ringing) line += TimeLeftText(countdown.LeftMs(nowMs));
    if (countdown.State() == TimerState::Running) line += " left";
    if (const std::string round = countdown.RoundText(); !round.empty()) line += ", " + round;
    return line;
}

void TimersWindow::ShowTimes() {
    if (!Window()) return;
    const int64_t now = timers_.NowMs();
    const std::vector<Timer>& timers = timers_.Book().All();
    HWND list = Control(kList);
    const std::optional<int> chosen = Chosen();
    std::vector<int> numbers;
    for (const Timer& timer : timers) numbers.push_back(timer.number);
    if (numbers != listed_) {
        SendMessageA(list, LB_RESETCONTENT, 0, 0);
        lines_.assign(timers.size(), {});
        listed_ = numbers;
        for (size_t i = 0; i < timers.size(); ++i) SendMessageA(list, LB_ADDSTRING, 0, LPARAM(""));
        const auto at = chosen ? std::ranges::find(listed_, *chosen) : listed_.end();
        SendMessageA(list, LB_SETCURSEL,
                     at == listed_.end() ? listed_.size() - 1 : at - listed_.begin(), 0);
    }
    const LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
    for (size_t i = 0; i < timers.size(); ++i) {
        const std::string line = LineOf(timers[i], now);
        if (line == lines_[i]) continue;
        lines_[i] = line;
        SendMessageA(list, LB_DELETESTRING, i, 0);
        SendMessageA(list, LB_INSERTSTRING, i, reinterpret_cast<LPARAM>(line.c_str()));
    }
    if (selected >= 0) SendMessageA(list, LB_SETCURSEL, WPARAM(selected), 0);
    const Timer* timer = nullptr;
    for (const Timer& each : timers)
        if (Chosen() == each.number) timer = &each;
    SetText(kPause, timer && timer->countdown.State() == TimerState::Paused ? "Res&ume" : "Pa&use");
    for (int id : {kPause, kRestart, kAddMinute, kRemove})
        EnableWindow(Control(id), timer != nullptr);

    const Stopwatch& watch = timers_.Book().Watch();
    SetText(kWatchTime, TenthsText(watch.ElapsedMs(now)));
    SetText(kWatchStart, watch.running ? "Pause s&topwatch" : "Star&t");
    HWND laps = Control(kLaps);
    if (watch.lapsMs.size() < lapsShown_) {
        SendMessageA(laps, LB_RESETCONTENT, 0, 0);
        lapsShown_ = 0;
    }
    for (; lapsShown_ < watch.lapsMs.size(); ++lapsShown_) {
        const int64_t total = watch.lapsMs[lapsShown_];
        const int64_t before = lapsShown_ ? watch.lapsMs[lapsShown_ - 1] : 0;
        const std::string line = "Lap " + std::to_string(lapsShown_ + 1) + "   " +
                                 TenthsText(total - before) + "   " + TenthsText(total);
        SendMessageA(laps, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    }
}

std::optional<int> TimersWindow::Chosen() const {
    if (!Window()) return std::nullopt;
    const LRESULT at = SendMessageA(GetDlgItem(Window(), kList), LB_GETCURSEL, 0, 0);
    if (at < 0 || size_t(at) >= listed_.size()) return std::nullopt;
    return listed_[size_t(at)];
}

void TimersWindow::StartTyped(std::optional<int64_t> seconds) {
    if (!seconds) seconds = ParseTimerLength(WindowText(Control(kLength)));
    if (!seconds) {
        SetText(kProblem, kLengthsAccepted);
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, Control(kProblem), OBJID_CLIENT, CHILDID_SELF);
        MessageBeep(MB_ICONEXCLAMATION);
        return;
    }
    SetText(kProblem, "");
    const bool forever = SendMessageA(Control(kForever), BM_GETCHECK, 0, 0) == BST_CHECKED;
    const std::optional<int32_t> rounds = ParseInteger(WindowText(Control(kRounds)));
    TimerPlan plan{
        .label = WindowText(Control(kLabel)),
        .steps = {{"", *seconds}},
        .rounds = forever ? 0 : std::clamp(rounds.value_or(1), 1, kMostRounds),
        .warnSeconds = SendMessageA(Control(kWarn), BM_GETCHECK, 0, 0) == BST_CHECKED ? 60 : 0};
    timers_.StartNew(std::move(plan), {.clock = clockNumber_()});
    ShowTimes();
    SendMessageA(Control(kList), LB_SETCURSEL, listed_.size() - 1, 0);
    ShowTimes();
}

void TimersWindow::StartPomodoro() {
    TimerPlan plan{.label = "Pomodoro",
                   .steps = {{"Work", 25 * 60}, {"Break", 5 * 60}},
                   .rounds = 4,
                   .closing = TimerStep{"Long break", 15 * 60}};
    timers_.StartNew(std::move(plan), {.clock = clockNumber_()});
    ShowTimes();
}

void TimersWindow::OnChosen(void (ProgramTimers::*change)(int)) {
    if (const std::optional<int> chosen = Chosen()) (timers_.*change)(*chosen);
    ShowTimes();
}

void TimersWindow::CopyLaps() {
    const std::string text = LapsText(timers_.Book().Watch());
    if (!OpenClipboard(Window())) return;
    EmptyClipboard();
    // The clipboard owns the memory once SetClipboardData takes it.
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
        if (void* bytes = GlobalLock(memory)) {
            std::copy(text.c_str(), text.c_str() + text.size() + 1, static_cast<char*>(bytes));
            GlobalUnlock(memory);
            if (!SetClipboardData(CF_TEXT, memory)) GlobalFree(memory);
        } else {
            GlobalFree(memory);
        }
    }
    CloseClipboard();
}

void TimersWindow::KeyChanged(HotkeyUse use) {
    const WORD typed = WORD(SendMessageA(Control(kKey + int(use)), HKM_GETHOTKEY, 0, 0));
    const BYTE flags = HIBYTE(typed);
    std::optional<Hotkey> key;
    if (LOBYTE(typed)) {
        key = Hotkey{unsigned(((flags & HOTKEYF_ALT) ? MOD_ALT : 0) |
                              ((flags & HOTKEYF_CONTROL) ? MOD_CONTROL : 0) |
                              ((flags & HOTKEYF_SHIFT) ? MOD_SHIFT : 0)),
                     LOBYTE(typed)};
        // Only the keys the registry can keep: letters, digits and F1 to F24.
        key = ParseHotkey(HotkeyText(*key));
        if (!key) return;
    }
    const std::string taken = hotkeys_.Set(use, key);
    SetText(kKeyProblem, taken);
    if (!taken.empty()) {
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, Control(kKeyProblem), OBJID_CLIENT, CHILDID_SELF);
        MessageBeep(MB_ICONEXCLAMATION);
    }
}

bool TimersWindow::OnCommand(int id, int notification) {
    if (id >= kKey && id < kKey + int(std::size(kHotkeyUses)) && notification == EN_CHANGE) {
        KeyChanged(HotkeyUse(id - kKey));
        return true;
    }
    if (id == kList && notification == LBN_SELCHANGE) {
        ShowTimes();
        return true;
    }
    if (notification != BN_CLICKED) return false;
    if (id >= kPreset && id < kPreset + int(std::size(kPresetMinutes))) {
        StartTyped(int64_t{kPresetMinutes[id - kPreset]} * 60);
        return true;
    }
    switch (id) {
        case kStart: StartTyped(); return true;
        case kPomodoro: StartPomodoro(); return true;
        case kPause: OnChosen(&ProgramTimers::StartOrPause); return true;
        case kRestart: OnChosen(&ProgramTimers::Restart); return true;
        case kAddMinute: OnChosen(&ProgramTimers::AddMinute); return true;
        case kRemove: OnChosen(&ProgramTimers::Remove); return true;
        case kWatchStart: timers_.StopwatchStartOrPause(); break;
        case kLap: timers_.StopwatchLap(); break;
        case kReset: timers_.StopwatchReset(); break;
        case kCopy: CopyLaps(); return true;
        case kWatchOnClock:
            timers_.StopwatchOnClock(
                SendMessageA(Control(kWatchOnClock), BM_GETCHECK, 0, 0) == BST_CHECKED,
                clockNumber_());
            return true;
        default: return false;
    }
    ShowTimes();
    return true;
}

// Enter in a field starts the timer it describes.
void TimersWindow::EnterPressed(HWND focus) {
    if (focus == Control(kLabel) || focus == Control(kLength) || focus == Control(kRounds))
        StartTyped();
}

LRESULT TimersWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SHOWWINDOW:
            if (wParam) {
                SetTimer(Window(), kShowTimer, kShowEveryMs, nullptr);
            } else {
                KillTimer(Window(), kShowTimer);
            }
            break;
        case WM_TIMER:
            if (wParam != kShowTimer) break;
            ShowTimes();
            return 0;
        // Space starts or pauses the chosen timer, Delete removes it.
        case WM_VKEYTOITEM:
            if (reinterpret_cast<HWND>(lParam) != Control(kList)) break;
            if (LOWORD(wParam) == VK_SPACE) {
                OnChosen(&ProgramTimers::StartOrPause);
                return -2;
            }
            if (LOWORD(wParam) == VK_DELETE) {
                OnChosen(&ProgramTimers::Remove);
                return -2;
            }
            return -1;
    }
    return SettingsDialog::HandleMessage(message, wParam, lParam);
}

}  // namespace marvix
