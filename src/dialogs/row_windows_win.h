#pragma once

// A table dialog's rows and the windows made for them: which row a control or a command
// identifier belongs to. Row i owns the identifiers kFirstId + 16 i onward: its control, then a
// radio group's items or a spin edit's arrows.

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <span>
#include <vector>

#include "dialogs/dialog_table.h"

namespace marvix {

class RowWindows {
public:
    static constexpr int kFirstId = 1000, kIdsPerRow = 16, kArrowsItem = 1;

    explicit RowWindows(std::span<const ControlRow> rows)
        : rows_(rows), windows_(rows.size(), nullptr) {}

    std::span<const ControlRow> Rows() const { return rows_; }
    size_t IndexOf(const ControlRow& row) const { return size_t(&row - rows_.data()); }
    int FirstId(const ControlRow& row) const { return kFirstId + kIdsPerRow * int(IndexOf(row)); }
    // The row's window (a radio group's first item), once made.
    HWND& WindowOf(const ControlRow& row) { return windows_[IndexOf(row)]; }
    HWND WindowOf(const ControlRow& row) const { return windows_[IndexOf(row)]; }
    // The row a control identifier belongs to (a radio item's, an arrow's), or nullptr.
    const ControlRow* RowOfId(int id) const {
        const size_t index = id >= kFirstId ? size_t((id - kFirstId) / kIdsPerRow) : rows_.size();
        return index < rows_.size() ? &rows_[index] : nullptr;
    }
    // The row whose window `control` is, or nullptr.
    const ControlRow* RowOf(HWND control) const {
        const auto window = std::find(windows_.begin(), windows_.end(), control);
        return window == windows_.end() ? nullptr : &rows_[size_t(window - windows_.begin())];
    }
    // Which of its row's identifiers `id` is: 0 the control, then a radio item or the arrows.
    static int ItemOf(int id) { return (id - kFirstId) % kIdsPerRow; }

private:
    std::span<const ControlRow> rows_;
    std::vector<HWND> windows_;
};

// The tooltips' tool for `field` of `window`, with its text.
inline TOOLINFOA ToolOf(HWND window, HWND field, char* text) {
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;  // what every version of the tooltips knows
    tool.hwnd = window;
    tool.uId = reinterpret_cast<UINT_PTR>(field);
    tool.lpszText = text;
    return tool;
}

}  // namespace marvix
