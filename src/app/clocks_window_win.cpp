#include "app/clocks_window_win.h"

#include "base/message_seam_win.h"
#include "base/time_zone.h"
#include "settings/encodings.h"
#include "windows/choosers_win.h"

namespace marvix {

namespace {

// clang-format off
constexpr DialogLayout kLayout{
    .className = "MarvixClocks", .caption = "Clocks", .client = {300, 362}, .background = kWindowPurple,
    .position = {0, 0}, .centred = false, .fontKinds = kButtons | kEdits | kLabels | kLists,
    .clamp = Clamp::OnActivation, .createOnActivation = false, .besideClock = true,
};
// clang-format on

std::string TextOf(HWND control) {
    char text[256] = {};
    GetWindowTextA(control, text, sizeof text);
    return text;
}

}  // namespace

ClocksWindow::ClocksWindow(SettingsWindowHost& host, ClockBook& book)
    : SettingsDialog(host, kLayout), book_(book) {}

void ClocksWindow::CreateControls() {
    // Each field follows the words that name it, which a screen reader reads as its name.
    constexpr DWORD kList = LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP | LBS_NOINTEGRALHEIGHT;
    constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
    AddControl(kLabels, "STATIC", "Clocks:", 0, Rect::At({8, 8}, {200, 14}), -1);
    AddControl(kLists, "LISTBOX", "", kList, Rect::At({8, 24}, {284, 76}), kClockList);
    AddControl(kButtons, "BUTTON", "Remove", BS_PUSHBUTTON | WS_TABSTOP,
               Rect::At({212, 104}, {80, 22}), kRemove);
    // The line between the clocks and a new one.
    AddControl(kLabels, "STATIC", "", SS_ETCHEDHORZ, Rect::At({0, 172}, {300, 2}), -1);
    // The chosen clock's label: its words, whether the face shows them, and their letters.
    AddControl(kLabels, "STATIC", "Its label:", 0, Rect::At({8, 108}, {56, 14}), -1);
    AddControl(kEdits, "EDIT", "", kEdit, Rect::At({66, 105}, {140, 21}), kClockLabel);
    AddControl(kButtons, "BUTTON", "On the clock", BS_AUTOCHECKBOX | WS_TABSTOP,
               Rect::At({8, 132}, {110, 17}), kLabelShown);
    AddControl(kButtons, "BUTTON", "Letters\x85", BS_PUSHBUTTON | WS_TABSTOP,
               Rect::At({126, 130}, {80, 22}), kLabelLetters);
    AddControl(kLabels, "STATIC", "Find a zone (type a place):", 0, Rect::At({8, 186}, {284, 14}),
               -1);
    AddControl(kEdits, "EDIT", "", kEdit, Rect::At({8, 202}, {284, 21}), kFind);
    AddControl(kLabels, "STATIC", "Zones:", 0, Rect::At({8, 228}, {284, 14}), -1);
    AddControl(kLists, "LISTBOX", "", kList, Rect::At({8, 244}, {284, 80}), kZoneList);
    AddControl(kLabels, "STATIC", "Label:", 0, Rect::At({8, 335}, {40, 14}), -1);
    AddControl(kEdits, "EDIT", "", kEdit, Rect::At({50, 332}, {150, 21}), kLabel);
    AddControl(kButtons, "BUTTON", "Add\x85", BS_PUSHBUTTON | WS_TABSTOP,
               Rect::At({212, 332}, {80, 22}), kAdd);
}

void ClocksWindow::ShowSettings() {
    HWND list = Control(kClockList);
    const LRESULT chosen = SendMessageA(list, LB_GETCURSEL, 0, 0);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    // The zones first: the list names each clock's zone by its display name.
    if (zones_.empty()) zones_ = SystemZones();
    for (const ClockHost* clock : book_.LiveClocks())
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(LineOf(*clock).c_str()));
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    SendMessageA(list, LB_SETCURSEL, chosen >= 0 && chosen < count ? chosen : 0, 0);
    ShowChosenLabel();
    if (zonesShown_.empty()) ShowZonesFound();
}

std::string ClocksWindow::LineOf(const ClockHost& clock) const {
    const std::string& key = clock.Model().Settings().Zone;
    std::string zone = key == kLocalZone ? "the computer's own time" : key;
    for (const ZoneName& known : zones_)
        if (known.key == key) zone = known.display;
    return clock.ListedName() + ", " + zone;
}

void ClocksWindow::ShowZonesFound() {
    const std::string typed = TextOf(Control(kFind));
    HWND list = Control(kZoneList);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    zonesShown_.clear();
    for (size_t i = 0; i < zones_.size(); ++i) {
        if (!ZoneMatches(zones_[i].display, typed)) continue;
        zonesShown_.push_back(i);
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(zones_[i].display.c_str()));
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    // What was typed finds one zone first: picked, so that Enter adds it.
    if (!typed.empty() && !zonesShown_.empty()) {
        SendMessageA(list, LB_SETCURSEL, 0, 0);
        ZonePicked();
    }
}

void ClocksWindow::ZonePicked() {
    const LRESULT at = SendMessageA(Control(kZoneList), LB_GETCURSEL, 0, 0);
    if (at < 0 || size_t(at) >= zonesShown_.size() || labelTyped_) return;
    settingLabel_ = true;
    SetWindowTextA(Control(kLabel), FirstPlaceOf(zones_[zonesShown_[size_t(at)]].display).c_str());
    settingLabel_ = false;
}

bool ClocksWindow::OnCommand(int id, int notification) {
    switch (id) {
        case kFind:
            if (notification == EN_CHANGE) ShowZonesFound();
            return true;
        case kZoneList:
            if (notification == LBN_SELCHANGE) ZonePicked();
            return true;
        case kLabel:
            if (notification == EN_CHANGE && !settingLabel_)
                labelTyped_ = !TextOf(Control(kLabel)).empty();
            return true;
        case kAdd:
            if (notification == BN_CLICKED) Add();
            return true;
        case kRemove:
            if (notification == BN_CLICKED) Remove();
            return true;
        case kClockList:
            if (notification == LBN_SELCHANGE) ShowChosenLabel();
            return true;
        case kClockLabel:
            if (notification == EN_CHANGE && !settingLabel_) LabelEdited(id);
            return true;
        case kLabelShown:
        case kLabelLetters:
            if (notification == BN_CLICKED) LabelEdited(id);
            return true;
    }
    return false;
}

LRESULT ClocksWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // Wine asks a check box's colours as a button's: its caption reads on the window as a label's.
    if (message == WM_CTLCOLORBTN) message = WM_CTLCOLORSTATIC;
    return SettingsDialog::HandleMessage(message, wParam, lParam);
}

void ClocksWindow::EnterPressed(HWND focus) {
    if (focus == Control(kFind) || focus == Control(kZoneList) || focus == Control(kLabel)) Add();
}

void ClocksWindow::Add() {
    const LRESULT at = SendMessageA(Control(kZoneList), LB_GETCURSEL, 0, 0);
    if (at < 0 || size_t(at) >= zonesShown_.size()) {
        ShowMessage("Pick the new clock's zone in the list of zones first.");
        SetFocus(Control(kFind));
        return;
    }
    const ZoneName& zone = zones_[zonesShown_[size_t(at)]];
    std::string label = TextOf(Control(kLabel));
    if (label.empty()) label = FirstPlaceOf(zone.display);
    if (!book_.AddClockFor(zone.key, label)) return;
    labelTyped_ = false;
    settingLabel_ = true;
    SetWindowTextA(Control(kLabel), "");
    settingLabel_ = false;
    SetWindowTextA(Control(kFind), "");
    ShowSettings();
}

ClockHost* ClocksWindow::Chosen() {
    const LRESULT at = SendMessageA(Control(kClockList), LB_GETCURSEL, 0, 0);
    const std::vector<ClockHost*> clocks = book_.LiveClocks();
    return at >= 0 && size_t(at) < clocks.size() ? clocks[size_t(at)] : nullptr;
}

void ClocksWindow::ShowChosenLabel() {
    ClockHost* host = Chosen();
    if (!host) return;
    const ClockSettings& s = host->Model().Settings();
    settingLabel_ = true;
    SetWindowTextA(Control(kClockLabel), s.Label.c_str());
    settingLabel_ = false;
    SendMessageA(Control(kLabelShown), BM_SETCHECK, s.LabelShow ? BST_CHECKED : BST_UNCHECKED, 0);
}

void ClocksWindow::LabelEdited(int id) {
    ClockHost* host = Chosen();
    if (!host) return;
    RunningClock* clock = &host->Clock();
    if (id == kLabelLetters) {
        const ClockSettings& s = clock->Settings();
        const auto picked = PickFont(Window(), {s.LabelFont, s.LabelSize, s.LabelStyle,
                                                s.LabelColour.value});
        if (!picked) return;
        ClockSettings& changed = clock->ChangeSettings();
        changed.LabelFont = picked->face;
        changed.LabelSize = picked->pointSize;
        changed.LabelStyle = picked->style;
        changed.LabelColour = {ColourText(picked->colour), picked->colour};
    } else if (id == kLabelShown) {
        clock->ChangeSettings().LabelShow =
            SendMessageA(Control(kLabelShown), BM_GETCHECK, 0, 0) == BST_CHECKED;
    } else {
        clock->ChangeSettings().Label = TextOf(Control(kClockLabel));
        // Its line in the list shows the new name.
        HWND list = Control(kClockList);
        const LRESULT at = SendMessageA(list, LB_GETCURSEL, 0, 0);
        const std::string line = LineOf(*host);
        SendMessageA(list, LB_DELETESTRING, WPARAM(at), 0);
        SendMessageA(list, LB_INSERTSTRING, WPARAM(at), reinterpret_cast<LPARAM>(line.c_str()));
        SendMessageA(list, LB_SETCURSEL, WPARAM(at), 0);
    }
    clock->Redraw();
}

void ClocksWindow::Remove() {
    ClockHost* clock = Chosen();
    if (!clock) return;
    if (clock->IsFirst()) {
        ShowMessage("The first clock cannot be removed: it is the one the program starts with.");
        return;
    }
    if (clock->RemoveAfterAsking()) ShowSettings();
}

}  // namespace marvix
