#pragma once

// HandsWindow, "Marvix Hands": the eight hands' rows, the options with the common pivot, and the
// Order list whose items swap by dragging one onto another, or with Ctrl and an arrow key.

#include <windows.h>

#include "dialogs/table_dialog_win.h"

namespace marvix {

// What the window writes whenever it is filled: the effective lengths and common pivot become the
// requested ones, and "Together" holds every own pivot at the common one.
void WriteBackHands(ClockParts& clock);

class HandsWindow final : public TableDialog {
public:
    // What the Order list's keys do, as a screen reader tells it and help says.
    static constexpr char kOrderKeys[] =
        "Ctrl+Up and Ctrl+Down move the selected hand up or down the order";

    HandsWindow(SettingsWindowHost& host, const DialogLayout& layout);

protected:
    void CreateControls() override;
    void BeforeFill() override;
    void AfterFill() override;
    void Changed(const ControlRow& row) override;
    void Pressed(const ControlRow& row) override;

private:
    static LRESULT CALLBACK ListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam);
    void OrderDragStarted();
    void OrderDragEnded();
    void MoveSelectedHand(int step);
    void SwapInOrder(LRESULT source, LRESULT target);
    void ResetOrder();
    void FillOrderList();
    void ShowOwnPivots();

    // Every list box has the same procedure; a static, so the list's last messages (sent while
    // the dialog is being destroyed) still reach it.
    static inline WNDPROC listBoxProc_ = nullptr;
    int dragSource_ = -1;  // the Order item under the button-down, until the button goes up
};

}  // namespace marvix
