#include "dialogs/hands_dialog_win.h"

#include "dialogs/hands_dialog.h"
#include "hands/hand_family.h"
#include "windows/accessible_win.h"

namespace marvix {

HandsWindow::HandsWindow(SettingsWindowHost& host, const DialogLayout& layout)
    : TableDialog(host, layout, kHandsDialogRows) {}

void HandsWindow::CreateControls() {
    TableDialog::CreateControls();
    // The list's own procedure is kept and called: a subclass of the classic kind, which needs
    // nothing from the common controls (they are loaded only when a window first shows).
    HWND list = Control(IdOf(HandsControl::Order));
    DescribeControl(list, {.name = "Order", .description = kOrderKeys});
    SetWindowLongPtrA(list, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    listBoxProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ListProc)));
}

void WriteBackHands(ClockParts& clock) {
    const FaceLayout& layout = clock.look.Layout();
    ClockSettings& s = clock.model.Edit();
    WriteBackHandGeometry(s, layout, MeasuresOf(clock));
    if (s.THand) PivotsTogether(s, layout);
}

void HandsWindow::BeforeFill() { WriteBackHands(host_.Parts()); }

void HandsWindow::AfterFill() { FillOrderList(); }

void HandsWindow::FillOrderList() {
    HWND list = Control(IdOf(HandsControl::Order));
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& token : StackingOrder(Settings())) {
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(token.c_str()));
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

void HandsWindow::ShowOwnPivots() {
    for (size_t i = 0; i < kHandCount; ++i) {
        ShowControl(IdOf(HandsControl::Left, i));
        ShowControl(IdOf(HandsControl::Top, i));
    }
}

void HandsWindow::Changed(const ControlRow& row) {
    const FaceLayout& layout = host_.Parts().look.Layout();
    ClockSettings& s = ChangeSettings();
    switch (row.effect) {
        case Effect::Retime: host_.Parts().look.Retime(); break;
        case Effect::ShowCommonPivot:
            WriteBackHandGeometry(s, layout, Measures());
            ShowControl(IdOf(HandsControl::CentreLeft));
            ShowControl(IdOf(HandsControl::CentreTop));
            break;
        case Effect::ShowLengths:
            WriteBackHandGeometry(s, layout, Measures());
            for (size_t i = 0; i < kHandCount; ++i) ShowControl(IdOf(HandsControl::Length, i));
            break;
        case Effect::PivotsTogether:
            if (s.THand) PivotsTogether(s, layout);
            ShowOwnPivots();
            break;
        default: break;
    }
}

void HandsWindow::Pressed(const ControlRow& row) {
    if (row.effect == Effect::ResetOrder) ResetOrder();
}

void HandsWindow::ResetOrder() {
    ResetStackingOrder(ChangeSettings());
    FillOrderList();
}

void HandsWindow::OrderDragStarted() {
    // LB_ERR (-1) when no item is selected: the button-up then swaps nothing.
    dragSource_ =
        static_cast<int>(SendMessageA(Control(IdOf(HandsControl::Order)), LB_GETCURSEL, 0, 0));
}

// The item under the button-up trades places with the one under the button-down. A button-up
// without a button-down in the list (one pressed elsewhere) changes nothing.
void HandsWindow::OrderDragEnded() {
    SwapInOrder(std::exchange(dragSource_, -1),
                SendMessageA(Control(IdOf(HandsControl::Order)), LB_GETCURSEL, 0, 0));
}

// The keyboard's way to the same swaps: the selected hand trades places with its neighbour. The
// arrows alone only move the selection, so nothing is swapped by a key pressed by accident.
void HandsWindow::MoveSelectedHand(int step) {
    const LRESULT selected = SendMessageA(Control(IdOf(HandsControl::Order)), LB_GETCURSEL, 0, 0);
    SwapInOrder(selected, selected + step);
}

// Two hands trade places in the drawing order; the selection goes with the one moved.
void HandsWindow::SwapInOrder(LRESULT source, LRESULT target) {
    const auto inList = [](LRESULT item) { return item >= 0 && item < LRESULT(kHandCount); };
    if (!inList(source) || !inList(target) || source == target) return;
    SwapStackingSlots(ChangeSettings(), static_cast<size_t>(source), static_cast<size_t>(target));
    FillOrderList();
    SendMessageA(Control(IdOf(HandsControl::Order)), LB_SETCURSEL, WPARAM(target), 0);
}

LRESULT CALLBACK HandsWindow::ListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN && (wParam == VK_UP || wParam == VK_DOWN) &&
        (GetKeyState(VK_CONTROL) & 0x8000)) {
        auto* dialog = reinterpret_cast<HandsWindow*>(GetWindowLongPtrA(list, GWLP_USERDATA));
        dialog->MoveSelectedHand(wParam == VK_UP ? -1 : 1);
        return 0;
    }
    // The list moves its selection with the mouse; the handlers read it once the list has.
    const LRESULT result = CallWindowProcA(listBoxProc_, list, message, wParam, lParam);
    if (message == WM_LBUTTONDOWN || message == WM_LBUTTONUP) {
        auto* dialog = reinterpret_cast<HandsWindow*>(GetWindowLongPtrA(list, GWLP_USERDATA));
        if (message == WM_LBUTTONDOWN) dialog->OrderDragStarted();
        if (message == WM_LBUTTONUP) dialog->OrderDragEnded();
    }
    return result;
}

}  // namespace marvix
