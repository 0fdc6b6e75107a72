#include "program/timers_window_win.h"

#include <algorithm>

#include "base/gdi_surface_win.h"
#include "base/message_seam_win.h"
#include "settings/encodings.h"
#include "timers/timer_length.h"
#include "timers/typed_plan.h"
#include "windows/accessible_win.h"
#include "windows/choosers_win.h"
#include "windows/painted_panel_win.h"

namespace marvix {

namespace {

// clang-format off
constexpr DialogLayout kLayout{
    .className = "MarvixTimers", .caption = "Timers", .client = {640, 432}, .background = kWindowPurple,
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
    constexpr DWORD kCheck = BS_AUTOCHECKBOX | WS_TABSTOP;
    const auto addList = [&](const char* name, Rect place, int id, DWORD more) {
        constexpr DWORD kListStyle =
            LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP | LBS_NOINTEGRALHEIGHT;
        DescribeControl(Controls().Add(kLists, "LISTBOX", "", kListStyle | more, place, id),
                        {.name = name});
    };
    // Words, then the field they name, which a screen reader reads as its name.
    const auto addField = [&](const char* words, int y, int width, int id, DWORD more = 0) {
        Controls().Add(kLabels, "STATIC", words, 0, Rect::At({8, y + 3}, {66, 14}), -1);
        return Controls().Add(kEdits, "EDIT", "", kEdit | more, Rect::At({76, y}, {width, 21}), id);
    };

    // The new timer, on the left.
    addField("La&bel:", 8, 154, kLabel);
    addField("Len&gth:", 34, 154, kLength);
    Controls().Add(kButtons, "BUTTON", "St&art", BS_DEFPUSHBUTTON | WS_TABSTOP,
                   Rect::At({236, 33}, {80, 23}), kStart);
    addField("&Until:", 60, 154, kUntil);
    SendMessageA(addField("Ti&mes:", 86, 40, kRounds, ES_NUMBER), EM_LIMITTEXT, 3, 0);
    SetWindowTextA(Control(kRounds), "1");
    Controls().Add(kButtons, "BUTTON", "until stopped", kCheck, Rect::At({124, 88}, {110, 17}),
                   kForever);
    Controls().Add(kButtons, "BUTTON", "&Warn", kCheck, Rect::At({8, 114}, {62, 17}), kWarn);
    HWND warn =
        Controls().Add(kEdits, "EDIT", "1:00", kEdit, Rect::At({76, 112}, {50, 21}), kWarnLength);
    DescribeControl(warn, {.name = "Warning before the end"});
    Controls().Add(kLabels, "STATIC", "before the end", 0, Rect::At({132, 115}, {120, 14}), -1);
    Controls().Add(kLabels, "STATIC", "Sector:", 0, Rect::At({8, 141}, {66, 14}), -1);
    // A panel in the sector's colour; Space, Enter or a click opens the colour chooser.
    Controls().Add(kButtons, "BUTTON", "Colour...", BS_OWNERDRAW | WS_TABSTOP,
                   Rect::At({76, 137}, {72, 23}), kColour);
    Controls().Add(kLabels, "STATIC", "Opacity:", 0, Rect::At({160, 141}, {50, 14}), -1);
    HWND opacity = Controls().Add(kEdits, "EDIT", "50", kEdit | ES_NUMBER,
                                  Rect::At({212, 138}, {36, 21}), kOpacity);
    SendMessageA(opacity, EM_LIMITTEXT, 3, 0);
    Controls().Add(kLabels, "STATIC", "%", 0, Rect::At({252, 141}, {20, 14}), -1);
    DescribeControl(addField("Soun&d:", 164, 154, kSound),
                    {.name = "Sound", .description = "Empty: the built-in alarm sound"});
    Controls().Add(kButtons, "BUTTON", "Browse...", kButton, Rect::At({236, 163}, {80, 23}),
                   kBrowse);
    Controls().Add(kButtons, "BUTTON", "Show on t&he clock", kCheck, Rect::At({8, 192}, {140, 17}),
                   kOnClock);
    SendMessageA(Control(kOnClock), BM_SETCHECK, BST_CHECKED, 0);
    // Its words hold no free access key.
    Controls().Add(kButtons, "BUTTON", "Wake the computer", kCheck, Rect::At({156, 192}, {160, 17}),
                   kWake);
    SendMessageA(Control(kWake), BM_SETCHECK, BST_CHECKED, 0);
    // What a field takes, when it holds something else.
    Controls().Add(kLabels, "STATIC", "", SS_LEFT | SS_NOPREFIX, Rect::At({8, 212}, {308, 42}),
                   kProblem);
    Controls().Add(kLabels, "STATIC", "Presets:", 0, Rect::At({8, 264}, {50, 14}), -1);
    for (size_t i = 0; i < std::size(kPresetMinutes); ++i) {
        const std::string caption = "&" + std::to_string(kPresetMinutes[i]);
        HWND preset = Controls().Add(kButtons, "BUTTON", caption.c_str(), kButton,
                                     Rect::At({60 + int(i) * 29, 260}, {26, 23}), kPreset + int(i));
        DescribeControl(preset, {.name = std::to_string(kPresetMinutes[i]) + " minutes"});
    }
    Controls().Add(kLabels, "STATIC", "M&y presets:", 0, Rect::At({8, 291}, {66, 14}), -1);
    addList("My presets", Rect::At({76, 288}, {154, 62}), kPresets, LBS_WANTKEYBOARDINPUT);
    Controls().Add(kButtons, "BUTTON", "P&omodoro", kButton, Rect::At({236, 287}, {80, 23}),
                   kPomodoro);
    Controls().Add(kButtons, "BUTTON", "Keep as preset", kButton, Rect::At({236, 314}, {80, 23}),
                   kKeepPreset);

    // The timers, the stopwatch and the keys, on the right.
    constexpr int kRight = 336;
    // An etched line is drawn two pixels longer than it is placed.
    Controls().Add(kLabels, "STATIC", "", SS_ETCHEDVERT, Rect::At({kRight - 10, 0}, {2, 430}), -1);
    Controls().Add(kLabels, "STATIC", "T&imers:", 0, Rect::At({kRight, 11}, {100, 14}), -1);
    addList("Timers", Rect::At({kRight, 27}, {296, 112}), kList, LBS_WANTKEYBOARDINPUT);
    int x = kRight;
    for (const auto& [caption, id] :
         {std::pair{"Pau&se", kPause}, std::pair{"R&estart", kRestart},
          std::pair{"+1 mi&n", kAddMinute}, std::pair{"Remo&ve", kRemove}}) {
        Controls().Add(kButtons, "BUTTON", caption, kButton, Rect::At({x, 145}, {71, 23}), id);
        x += 75;
    }
    Controls().Add(kLabels, "STATIC", "", SS_ETCHEDHORZ, Rect::At({kRight - 8, 176}, {310, 2}), -1);
    Controls().Add(kLabels, "STATIC", "Stopwatch:", 0, Rect::At({kRight, 187}, {70, 14}), -1);
    Controls().Add(kLabels, "STATIC", "0:00.0", SS_LEFT | SS_NOPREFIX,
                   Rect::At({kRight + 72, 185}, {100, 18}), kWatchTime);
    Controls().Add(kButtons, "BUTTON", "On the cloc&k", kCheck,
                   Rect::At({kRight + 180, 186}, {116, 17}), kWatchOnClock);
    x = kRight;
    for (const auto& [caption, id] : {std::pair{"S&tart", kWatchStart}, std::pair{"La&p", kLap},
                                      std::pair{"&Reset", kReset}, std::pair{"&Copy", kCopy}}) {
        Controls().Add(kButtons, "BUTTON", caption, kButton, Rect::At({x, 207}, {71, 23}), id);
        x += 75;
    }
    addList("Laps", Rect::At({kRight, 235}, {296, 66}), kLaps, 0);

    // Off until set; a key without Ctrl or Alt would be taken from every program, so the field
    // adds Ctrl+Alt to one typed alone.
    EnsureCommonControls();
    Controls().Add(kLabels, "STATIC", "", SS_ETCHEDHORZ, Rect::At({kRight - 8, 309}, {310, 2}), -1);
    Controls().Add(kLabels, "STATIC", "Keys that work in every program:", 0,
                   Rect::At({kRight, 317}, {296, 14}), -1);
    constexpr const char* kKeyNames[] = {"&Last timer:", "Stopwatch:", "This window:"};
    for (HotkeyUse use : kHotkeyUses) {
        const int y = 335 + int(use) * 24;
        Controls().Add(kLabels, "STATIC", kKeyNames[int(use)], 0,
                       Rect::At({kRight, y + 3}, {84, 14}), -1);
        HWND key = Controls().Add(kEdits, HOTKEY_CLASSA, "", WS_BORDER | WS_TABSTOP,
                                  Rect::At({kRight + 86, y}, {120, 21}), kKey + int(use));
        SendMessageA(key, HKM_SETRULES, HKCOMB_NONE | HKCOMB_S,
                     MAKELPARAM(HOTKEYF_CONTROL | HOTKEYF_ALT, 0));
    }
    Controls().Add(kLabels, "STATIC", "", SS_LEFT | SS_NOPREFIX,
                   Rect::At({kRight + 212, 335}, {84, 92}), kKeyProblem);
    presets_.Load();
    ShowPresets();
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
    if (const std::optional<int> chosenNow = Chosen()) {
        const auto found = std::ranges::find(timers, *chosenNow, &Timer::number);
        if (found != timers.end()) timer = &*found;
    }
    SetText(kPause, timer && timer->countdown.State() == TimerState::Paused ? "Re&sume" : "Pau&se");
    for (int id : {kPause, kRestart, kAddMinute, kRemove})
        EnableWindow(Control(id), timer != nullptr);

    const Stopwatch& watch = timers_.Book().Watch();
    SetText(kWatchTime, TenthsText(watch.ElapsedMs(now)));
    SetText(kWatchStart, watch.running ? "Pause s&topwatch" : "S&tart");
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

bool TimersWindow::Checked(int id) const {
    return SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TimersWindow::Refuse(const char* accepted) {
    SetText(kProblem, accepted);
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, Control(kProblem), OBJID_CLIENT, CHILDID_SELF);
    MessageBeep(MB_ICONEXCLAMATION);
}

std::optional<TimerPlan> TimersWindow::TypedPlan(std::optional<int64_t> seconds, bool momentToo) {
    TimerPlan plan{.label = WindowText(Control(kLabel))};
    const std::string until = WindowText(Control(kUntil));
    const std::string length = WindowText(Control(kLength));
    if (seconds) {
        plan.steps = {{"", *seconds}};
    } else if (momentToo && until.find_first_not_of(' ') != std::string::npos) {
        const std::optional<int64_t> moment = timers_.MomentOn(clockNumber_(), until);
        if (!moment) {
            Refuse(kMomentsAccepted);
            return std::nullopt;
        }
        plan.steps = {{"", 0}};
        plan.untilMs = *moment;
    } else if (const std::optional<TypedSteps> steps = ParseSteps(length)) {
        plan.steps = steps->steps;
        plan.closing = steps->closing;
    } else {
        Refuse(length.find(',') != std::string::npos ? kStepsAccepted : kLengthsAccepted);
        return std::nullopt;
    }
    if (Checked(kWarn)) {
        const std::optional<int64_t> warn = ParseTimerLength(WindowText(Control(kWarnLength)));
        if (!warn) {
            Refuse(kLengthsAccepted);
            return std::nullopt;
        }
        plan.warnSeconds = *warn;
    }
    const std::optional<int32_t> rounds = ParseInteger(WindowText(Control(kRounds)));
    plan.rounds = Checked(kForever) ? 0 : std::clamp(rounds.value_or(1), 1, kMostRounds);
    SetText(kProblem, "");
    return plan;
}

TimerLook TimersWindow::TypedLook() const {
    const std::optional<int32_t> opacity = ParseInteger(WindowText(Control(kOpacity)));
    return {.colour = colour_,
            .opacity = std::clamp(opacity.value_or(TimerLook{}.opacity), 10, 100),
            .clock = clockNumber_(),
            .onClock = Checked(kOnClock),
            .wake = Checked(kWake),
            .sound = WindowText(Control(kSound))};
}

void TimersWindow::StartTyped(std::optional<int64_t> seconds) {
    if (std::optional<TimerPlan> plan = TypedPlan(seconds, true))
        Start(std::move(*plan), TypedLook());
}

void TimersWindow::Start(TimerPlan plan, TimerLook look) {
    timers_.StartNew(std::move(plan), std::move(look));
    ShowTimes();
    SendMessageA(Control(kList), LB_SETCURSEL, listed_.size() - 1, 0);
    ShowTimes();
}

// Work and break, four times, then a long break; the breaks in green.
void TimersWindow::StartPomodoro() {
    constexpr Colour kBreak = Colour::Rgb(60, 170, 90);
    TimerPlan plan{.label = "Pomodoro",
                   .steps = {{"Work", 25 * 60}, {"Break", 5 * 60, kBreak}},
                   .rounds = 4,
                   .closing = TimerStep{"Long break", 15 * 60, kBreak}};
    Start(std::move(plan), TypedLook());
}

void TimersWindow::KeepPreset() {
    std::optional<TimerPlan> plan = TypedPlan(std::nullopt, false);
    if (!plan) return;
    const std::string error = presets_.Keep(*plan, TypedLook());
    if (!error.empty()) ShowMessage(error, MessageStyle::Error);
    ShowPresets();
}

void TimersWindow::ShowPresets() {
    HWND list = Control(kPresets);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const TimerPreset& preset : presets_.All())
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(PresetText(preset).c_str()));
}

void TimersWindow::StartPreset() {
    const LRESULT at = SendMessageA(Control(kPresets), LB_GETCURSEL, 0, 0);
    if (at < 0 || size_t(at) >= presets_.All().size()) return;
    const TimerPreset& preset = presets_.All()[size_t(at)];
    TimerLook look = preset.look;
    look.clock = clockNumber_();
    Start(preset.plan, std::move(look));
}

void TimersWindow::ForgetPreset() {
    const LRESULT at = SendMessageA(Control(kPresets), LB_GETCURSEL, 0, 0);
    if (at < 0) return;
    presets_.Forget(size_t(at));
    ShowPresets();
    SendMessageA(Control(kPresets), LB_SETCURSEL,
                 WPARAM(std::min<size_t>(size_t(at), presets_.All().size() - 1)), 0);
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
    if (id == kPresets && notification == LBN_DBLCLK) {
        StartPreset();
        return true;
    }
    if (notification != BN_CLICKED) return false;
    if (id >= kPreset && id < kPreset + int(std::size(kPresetMinutes))) {
        StartTyped(int64_t{kPresetMinutes[id - kPreset]} * 60);
        return true;
    }
    switch (id) {
        // Enter comes as the default button's click: in the presets' list it starts the preset.
        case kStart:
            if (GetFocus() == Control(kPresets)) {
                StartPreset();
            } else {
                StartTyped();
            }
            return true;
        case kPomodoro: StartPomodoro(); return true;
        case kKeepPreset: KeepPreset(); return true;
        case kColour:
            if (const std::optional<Colour> picked = PickColour(Window(), colour_)) {
                colour_ = *picked;
                InvalidateRect(Control(kColour), nullptr, FALSE);
            }
            return true;
        case kBrowse:
            if (const std::optional<std::string> file =
                    PickFile(Window(), {.filter = "WAV files|*.wav|All Files|*.*",
                                        .initial = WindowText(Control(kSound)),
                                        .folder = {}})) {
                SetText(kSound, *file);
            }
            return true;
        case kPause: OnChosen(&ProgramTimers::StartOrPause); return true;
        case kRestart: OnChosen(&ProgramTimers::Restart); return true;
        case kAddMinute: OnChosen(&ProgramTimers::AddMinute); return true;
        case kRemove: OnChosen(&ProgramTimers::Remove); return true;
        case kWatchStart: timers_.StopwatchStartOrPause(); break;
        case kLap: timers_.StopwatchLap(); break;
        case kReset: timers_.StopwatchReset(); break;
        case kCopy: CopyLaps(); return true;
        case kWatchOnClock:
            timers_.StopwatchOnClock(Checked(kWatchOnClock), clockNumber_());
            return true;
        default: return false;
    }
    ShowTimes();
    return true;
}

// Enter in a field starts the timer it describes.
void TimersWindow::EnterPressed(HWND focus) {
    for (int id : {kLabel, kLength, kUntil, kRounds, kWarnLength, kOpacity, kSound})
        if (focus == Control(id)) StartTyped();
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
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item.CtlID != kColour) break;
            PaintPanel(item, "Colour...",
                       {GdiSurface::ToColorRef(colour_),
                        GdiSurface::ToColorRef(ReadableOn(colour_)), 2, nullptr});
            return TRUE;
        }
        case WM_TIMER:
            if (wParam != kShowTimer) break;
            ShowTimes();
            return 0;
        // Space starts or pauses the chosen timer, Delete removes it; Delete forgets a preset.
        case WM_VKEYTOITEM:
            if (reinterpret_cast<HWND>(lParam) == Control(kPresets)) {
                if (LOWORD(wParam) != VK_DELETE) return -1;
                ForgetPreset();
                return -2;
            }
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
