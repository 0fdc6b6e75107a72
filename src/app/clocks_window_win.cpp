#include "app/clocks_window_win.h"

#include "base/message_seam_win.h"
#include "base/time_zone.h"

namespace marvix {

namespace {

// clang-format off
constexpr DialogLayout kLayout{
    .className = "MarvixClocks", .caption = "Clocks", .client = {300, 310}, .background = kWindowPurple,
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
    AddControl(kLabels, "STATIC", "Find a zone (type a place):", 0, Rect::At({8, 134}, {284, 14}),
               -1);
    AddControl(kEdits, "EDIT", "", kEdit, Rect::At({8, 150}, {284, 21}), kFind);
    AddControl(kLabels, "STATIC", "Zones:", 0, Rect::At({8, 176}, {284, 14}), -1);
    AddControl(kLists, "LISTBOX", "", kList, Rect::At({8, 192}, {284, 80}), kZoneList);
    AddControl(kLabels, "STATIC", "Label:", 0, Rect::At({8, 283}, {40, 14}), -1);
    AddControl(kEdits, "EDIT", "", kEdit, Rect::At({50, 280}, {150, 21}), kLabel);
    AddControl(kButtons, "BUTTON", "Add\x85", BS_PUSHBUTTON | WS_TABSTOP,
               Rect::At({212, 280}, {80, 22}), kAdd);
}

void ClocksWindow::ShowSettings() {
    HWND list = Control(kClockList);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const ClockBook::Entry& clock : book_.ClockEntries()) {
        const std::string zone = clock.zone == kLocalZone
                                     ? "the computer's own time"
                                     : ZoneDisplayName(clock.zone).value_or(clock.zone);
        const std::string name = clock.name.empty() ? "This computer" : clock.name;
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>((name + ", " + zone).c_str()));
    }
    if (zones_.empty()) {
        zones_ = SystemZones();
        ShowZonesFound();
    }
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
    }
    return false;
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
    SetWindowTextA(Control(kFind), "");
    ShowSettings();
}

void ClocksWindow::Remove() {
    const LRESULT at = SendMessageA(Control(kClockList), LB_GETCURSEL, 0, 0);
    if (at < 0) return;
    if (at == 0) {
        ShowMessage("The first clock cannot be removed: it is the one the program starts with.");
        return;
    }
    const std::vector<ClockBook::Entry> clocks = book_.ClockEntries();
    if (size_t(at) >= clocks.size()) return;
    if (!AskYesNo("Remove the clock \"" + clocks[size_t(at)].name + "\"? Its settings go with it.",
                  false)) {
        return;
    }
    book_.RemoveClockAt(size_t(at));
    ShowSettings();
}

}  // namespace marvix
