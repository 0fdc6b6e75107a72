#include "program/clocks_window_win.h"

#include <algorithm>
#include <tuple>

#include "base/message_seam_win.h"
#include "base/time_zone.h"
#include "base/zone_places.h"
#include "digital/clock_label.h"
#include "settings/encodings.h"
#include "windows/accessible_win.h"
#include "windows/choosers_win.h"

namespace marvix {

namespace {

// clang-format off
constexpr DialogLayout kLayout{
    .className = "MarvixClocks", .caption = "Clocks", .client = {300, 378}, .background = kWindowPurple,
    .position = {0, 0}, .centred = false, .fontKinds = kButtons | kEdits | kLabels | kLists,
    .clamp = Clamp::OnActivation, .createOnActivation = false, .besideClock = true,
};
// clang-format on

// The largest face pixel the label's place fields take (four digits): far beyond any face's edge.
constexpr int kLargestPlace = 9999;

}  // namespace

ClocksWindow::ClocksWindow(SettingsWindowHost& host, ClockBook& book)
    : SettingsDialog(host, kLayout), book_(book) {}

void ClocksWindow::CreateControls() {
    // Each field follows the words that name it, which a screen reader reads as its name.
    constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
    // Windows names a list by the words before it; Wine's lists say nothing, so each is named.
    const auto addList = [&](const char* name, Rect place, int id) {
        constexpr DWORD kList =
            LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP | LBS_NOINTEGRALHEIGHT;
        DescribeControl(Controls().Add(kLists, "LISTBOX", "", kList, place, id), {.name = name});
    };
    Controls().Add(kLabels, "STATIC", "Clocks:", 0, Rect::At({8, 8}, {200, 14}), -1);
    addList("Clocks", Rect::At({8, 24}, {284, 76}), kClockList);
    // The chosen clock's label: its words (with Remove beside them), whether the face shows
    // them, their letters, and their place, as a digital display is placed: centred, or at a
    // face pixel.
    Controls().Add(kLabels, "STATIC", "Its label:", 0, Rect::At({8, 109}, {56, 14}), -1);
    Controls().Add(kEdits, "EDIT", "", kEdit, Rect::At({66, 106}, {140, 21}), kClockLabel);
    Controls().Add(kButtons, "BUTTON", "Remove", BS_PUSHBUTTON | WS_TABSTOP,
                   Rect::At({212, 105}, {80, 22}), kRemove);
    Controls().Add(kButtons, "BUTTON", "On the clock", BS_AUTOCHECKBOX | WS_TABSTOP,
                   Rect::At({8, 134}, {110, 17}), kLabelShown);
    Controls().Add(kButtons, "BUTTON", "Letters\x85", BS_PUSHBUTTON | WS_TABSTOP,
                   Rect::At({126, 131}, {80, 22}), kLabelLetters);
    Controls().Add(kButtons, "BUTTON", "Centred", BS_AUTOCHECKBOX | WS_TABSTOP,
                   Rect::At({8, 160}, {72, 17}), kLabelCentred);
    for (const auto& [caption, x, field, arrows] :
         {std::tuple{"Left:", 86, kLabelLeft, kLabelLeftArrows},
          std::tuple{"Top:", 184, kLabelTop, kLabelTopArrows}}) {
        Controls().Add(kLabels, "STATIC", caption, 0, Rect::At({x, 161}, {28, 14}), -1);
        // Four digits beside the arrows, which take their place inside the field.
        const Rect place = Rect::At({x + 30, 158}, {58, 21});
        HWND edit = Controls().Add(kEdits, "EDIT", "", kEdit | ES_NUMBER, place, field);
        SendMessageA(edit, EM_LIMITTEXT, 4, 0);
        if (HWND made = Controls().AddArrows(edit, place, arrows))
            SendMessageA(made, UDM_SETRANGE32, 0, kLargestPlace);
    }
    // The line between the clocks and a new one.
    Controls().Add(kLabels, "STATIC", "", SS_ETCHEDHORZ, Rect::At({0, 188}, {300, 2}), -1);
    Controls().Add(kLabels, "STATIC", "Find a zone (type a place):", 0,
                   Rect::At({8, 202}, {284, 14}), -1);
    Controls().Add(kEdits, "EDIT", "", kEdit, Rect::At({8, 218}, {284, 21}), kFind);
    Controls().Add(kLabels, "STATIC", "Zones:", 0, Rect::At({8, 244}, {284, 14}), -1);
    addList("Zones", Rect::At({8, 260}, {284, 80}), kZoneList);
    Controls().Add(kLabels, "STATIC", "Label:", 0, Rect::At({8, 351}, {40, 14}), -1);
    Controls().Add(kEdits, "EDIT", "", kEdit, Rect::At({50, 348}, {150, 21}), kLabel);
    Controls().Add(kButtons, "BUTTON", "Add\x85", BS_PUSHBUTTON | WS_TABSTOP,
                   Rect::At({212, 348}, {80, 22}), kAdd);
}

void ClocksWindow::ShowSettings() {
    HWND list = Control(kClockList);
    // The clock chosen stays chosen, wherever it now stands in the list.
    const ClockHost* chosen = Chosen();
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    // The zones first: the list names each clock's zone by its display name.
    if (zones_.empty()) zones_ = SystemZones();
    listed_ = book_.LiveClocks();
    for (const ClockHost* clock : listed_)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(LineOf(*clock).c_str()));
    const auto at = std::ranges::find(listed_, chosen);
    SendMessageA(list, LB_SETCURSEL, at == listed_.end() ? 0 : WPARAM(at - listed_.begin()), 0);
    ShowChosenLabel();
    if (zonesShown_.empty()) ShowZonesFound();
}

void ClocksWindow::ShowFor(const ClockHost& clock) {
    Show();
    const auto at = std::ranges::find(listed_, &clock);
    if (at == listed_.end()) return;
    SendMessageA(Control(kClockList), LB_SETCURSEL, WPARAM(at - listed_.begin()), 0);
    ShowChosenLabel();
}

std::string ClocksWindow::LineOf(const ClockHost& clock) const {
    const std::string& key = clock.Model().Settings().Zone;
    std::string zone = key == kLocalZone ? "the computer's own time" : key;
    for (const ZoneName& known : zones_)
        if (known.key == key) zone = known.display;
    return clock.ListedName() + ", " + zone;
}

void ClocksWindow::ShowZonesFound() {
    const std::string typed = WindowText(Control(kFind));
    HWND list = Control(kZoneList);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    zonesShown_ = FindZones(zones_, typed);
    for (const ZoneFound& found : zonesShown_) {
        const std::string& display = zones_[found.zone].display;
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(display.c_str()));
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    // A zone is offered only for what was typed: where nothing matches, no old choice and no old
    // label stay behind to be added by mistake.
    EnableWindow(Control(kAdd), !zonesShown_.empty());
    if (zonesShown_.empty() && !labelTyped_) SetLabelText("");
    // What was typed finds one zone first: picked, so that Enter adds it.
    if (!typed.empty() && !zonesShown_.empty()) {
        SendMessageA(list, LB_SETCURSEL, 0, 0);
        ZonePicked();
    }
}

void ClocksWindow::ZonePicked() {
    const LRESULT at = SendMessageA(Control(kZoneList), LB_GETCURSEL, 0, 0);
    if (at < 0 || size_t(at) >= zonesShown_.size() || labelTyped_) return;
    SetLabelText(zonesShown_[size_t(at)].label);
}

void ClocksWindow::SetLabelText(const std::string& text) {
    settingLabel_ = true;
    SetWindowTextA(Control(kLabel), text.c_str());
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
                labelTyped_ = !WindowText(Control(kLabel)).empty();
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
        case kLabelCentred:
            if (notification == BN_CLICKED) LabelEdited(id);
            return true;
        case kLabelLeft:
        case kLabelTop:
            if (notification == EN_CHANGE && !settingLabel_) LabelEdited(id);
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
    const ZoneFound& found = zonesShown_[size_t(at)];
    std::string label = WindowText(Control(kLabel));
    if (label.empty()) label = found.label;
    if (!book_.AddClockFor(zones_[found.zone].key, label)) return;
    labelTyped_ = false;
    SetLabelText("");
    SetWindowTextA(Control(kFind), "");
    ShowSettings();
}

ClockHost* ClocksWindow::Chosen() {
    const LRESULT at = SendMessageA(Control(kClockList), LB_GETCURSEL, 0, 0);
    return at >= 0 && size_t(at) < listed_.size() ? listed_[size_t(at)] : nullptr;
}

void ClocksWindow::ShowChosenLabel() {
    ClockHost* host = Chosen();
    if (!host) return;
    const ClockSettings& s = host->Model().Settings();
    settingLabel_ = true;
    SetWindowTextA(Control(kClockLabel), s.Label.c_str());
    settingLabel_ = false;
    SendMessageA(Control(kLabelShown), BM_SETCHECK, s.LabelShow ? BST_CHECKED : BST_UNCHECKED, 0);
    ShowLabelPlace(host->Clock());
    EnableWindow(Control(kRemove), !host->IsFirst());
}

// The fields show where the label is, centred or not, as face pixels on an unmirrored face; they
// take a place only when it is not centred.
void ClocksWindow::ShowLabelPlace(RunningClock& clock) {
    const ClockSettings& s = clock.Settings();
    const bool centred = s.LabelX < 0 && s.LabelY < 0;
    GdiSurface& display = clock.Face().Pictures().display;
    const Point at =
        LabelPlaceAsSet(s, display.GetSize(), display.TextExtent(s.Label, LabelFont(s)));
    settingLabel_ = true;
    SendMessageA(Control(kLabelCentred), BM_SETCHECK, centred ? BST_CHECKED : BST_UNCHECKED, 0);
    for (const auto& [field, value] : {std::pair{kLabelLeft, at.x}, std::pair{kLabelTop, at.y}}) {
        SetDlgItemInt(Window(), field, UINT(std::max(value, 0)), FALSE);
        EnableWindow(Control(field), !centred);
    }
    settingLabel_ = false;
}

void ClocksWindow::LabelPlaceEdited(RunningClock& clock, int id) {
    ClockSettings& s = clock.Parts().model.Edit();
    if (id == kLabelCentred &&
        SendMessageA(Control(kLabelCentred), BM_GETCHECK, 0, 0) == BST_CHECKED) {
        s.LabelX = s.LabelY = -1;
    } else {
        // Unchecked, the label stays where it was until its fields move it.
        for (const auto& [field, value] :
             {std::pair{kLabelLeft, &s.LabelX}, std::pair{kLabelTop, &s.LabelY}}) {
            BOOL read = FALSE;
            const UINT typed = GetDlgItemInt(Window(), field, &read, FALSE);
            if (read) *value = int32_t(std::min<UINT>(typed, kLargestPlace));
        }
    }
    // A field being typed in keeps its caret: only the check box changes what the fields show.
    if (id == kLabelCentred) ShowLabelPlace(clock);
}

void ClocksWindow::LabelEdited(int id) {
    ClockHost* host = Chosen();
    if (!host) return;
    RunningClock* clock = &host->Clock();
    if (id == kLabelLetters) {
        const ClockSettings& s = clock->Settings();
        const auto picked =
            PickFont(Window(), {s.LabelFont, s.LabelSize, s.LabelStyle, s.LabelColour.value});
        if (!picked) return;
        ClockSettings& changed = clock->Parts().model.Edit();
        changed.LabelFont = picked->face;
        changed.LabelSize = picked->pointSize;
        changed.LabelStyle = picked->style;
        changed.LabelColour = {ColourText(picked->colour), picked->colour};
    } else if (id == kLabelCentred || id == kLabelLeft || id == kLabelTop) {
        LabelPlaceEdited(*clock, id);
    } else if (id == kLabelShown) {
        clock->Parts().model.Edit().LabelShow =
            SendMessageA(Control(kLabelShown), BM_GETCHECK, 0, 0) == BST_CHECKED;
    } else {
        clock->Parts().model.Edit().Label = WindowText(Control(kClockLabel));
        // Its line in the list shows the new name.
        HWND list = Control(kClockList);
        const LRESULT at = SendMessageA(list, LB_GETCURSEL, 0, 0);
        const std::string line = LineOf(*host);
        SendMessageA(list, LB_DELETESTRING, WPARAM(at), 0);
        SendMessageA(list, LB_INSERTSTRING, WPARAM(at), reinterpret_cast<LPARAM>(line.c_str()));
        SendMessageA(list, LB_SETCURSEL, WPARAM(at), 0);
    }
    clock->Parts().look.Redraw();
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
