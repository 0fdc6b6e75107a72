#include "windows/painted_panel_win.h"

namespace marvix {

namespace {

// Light along the top and left, dark along the bottom and right; the other way round pressed.
void DrawBevel(HDC dc, const RECT& r, int width, bool pressed) {
    const HGDIOBJ previous = SelectObject(dc, GetStockObject(DC_PEN));
    for (int i = 0; i < width; ++i) {
        const RECT edge = {r.left + i, r.top + i, r.right - i, r.bottom - i};
        SetDCPenColor(dc, pressed ? 0x00404040 : 0x00FFFFFF);
        MoveToEx(dc, edge.left, edge.bottom - 1, nullptr);
        LineTo(dc, edge.left, edge.top);
        LineTo(dc, edge.right - 1, edge.top);
        SetDCPenColor(dc, pressed ? 0x00FFFFFF : 0x00404040);
        LineTo(dc, edge.right - 1, edge.bottom - 1);
        LineTo(dc, edge.left, edge.bottom - 1);
    }
    SelectObject(dc, previous);
}

}  // namespace

void PaintPanel(const DRAWITEMSTRUCT& item, const char* caption, const PanelPaint& paint) {
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    // The DC's own brush: nothing to create or free per paint.
    const HBRUSH dcBrush = static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
    SetDCBrushColor(dc, paint.face);
    FillRect(dc, &r, dcBrush);
    DrawBevel(dc, r, paint.bevel, (item.itemState & ODS_SELECTED) != 0);

    HFONT font = paint.font
                     ? paint.font
                     : reinterpret_cast<HFONT>(SendMessageA(item.hwndItem, WM_GETFONT, 0, 0));
    const HGDIOBJ previous = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, paint.text);
    DrawTextA(dc, caption, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, previous);

    if (item.itemState & ODS_FOCUS) {
        // Inside the bevel, a pixel clear of it.
        InflateRect(&r, -(paint.bevel + 1), -(paint.bevel + 1));
        SetDCBrushColor(dc, paint.text);
        FrameRect(dc, &r, dcBrush);
    }
}

}  // namespace marvix
