#include "clock/layered_outline_win.h"

#include <algorithm>
#include <cmath>

#include "base/lazy_library_win.h"
#include "base/message_seam_win.h"

namespace marvix {

namespace {

constexpr char kEdgeClass[] = "MarvixOutline";

// Premultiplied, as a layered window's pixels are: each channel scaled by its alpha.
uint32_t Premultiplied(uint32_t pixel, uint32_t alpha) {
    const auto channel = [&](int shift) { return ((pixel >> shift & 0xFF) * alpha + 127) / 255; };
    return alpha << 24 | channel(16) << 16 | channel(8) << 8 | channel(0);
}

}  // namespace

LayeredOutline::~LayeredOutline() {
    if (dc_ && original_) SelectObject(dc_.Get(), original_);
    if (edgeWindow_ && IsWindow(edgeWindow_)) DestroyWindow(edgeWindow_);
}

void LayeredOutline::Attach(HWND window, const GdiSurface& display) {
    window_ = window;
    display_ = &display;
}

void LayeredOutline::Use(const std::vector<uint8_t>& coverage, Size size, OutlineKind kind,
                         Rect inside, int rim) {
    kind_ = coverage.empty() ? OutlineKind::Cut : kind;
    size_ = size;
    layerCleared_ = false;  // the old edge's pixels may lie outside the new one
    edge_.clear();
    inner_.clear();
    if (kind_ == OutlineKind::Cut) {
        if (edgeWindow_) ShowWindow(edgeWindow_, SW_HIDE);
        return;
    }
    for (int y = 0; y < size.height; ++y) {
        int first = -1, last = -1;
        for (int x = 0; x < size.width; ++x) {
            const uint8_t cover = coverage[size_t(y) * size_t(size.width) + size_t(x)];
            if (cover == 255) {
                if (first < 0) first = x;
                last = x;
            }
            if (cover == 0 || cover == 255) continue;
            // Towards the nearest point of the inside: the centre of its corner's ellipse, or
            // straight in from a side.
            const double dx =
                             std::clamp(x + 0.5, inside.left + 0.5, inside.right - 0.5) - (x + 0.5),
                         dy =
                             std::clamp(y + 0.5, inside.top + 0.5, inside.bottom - 0.5) - (y + 0.5);
            const double length = std::max(std::hypot(dx, dy), 1e-9);
            edge_.push_back(
                {x, y, std::clamp(x + int(std::lround(dx / length * rim)), 0, size.width - 1),
                 std::clamp(y + int(std::lround(dy / length * rim)), 0, size.height - 1), cover});
        }
        if (first >= 0) inner_.push_back({first, y, last + 1, y + 1});
    }
    if (kind_ == OutlineKind::Layered) ShowEdge();
}

HRGN LayeredOutline::InnerRegion() const {
    if (kind_ != OutlineKind::Layered || inner_.empty()) return nullptr;
    std::vector<uint8_t> data(sizeof(RGNDATAHEADER) + inner_.size() * sizeof(RECT));
    auto* region = reinterpret_cast<RGNDATA*>(data.data());
    region->rdh = {sizeof(RGNDATAHEADER),
                   RDH_RECTANGLES,
                   DWORD(inner_.size()),
                   DWORD(inner_.size() * sizeof(RECT)),
                   {0, 0, size_.width, size_.height}};
    auto* rects = reinterpret_cast<RECT*>(region->Buffer);
    for (size_t i = 0; i < inner_.size(); ++i)
        rects[i] = {inner_[i].left, inner_[i].top, inner_[i].right, inner_[i].bottom};
    return ExtCreateRegion(nullptr, DWORD(data.size()), region);
}

void LayeredOutline::SetOpacity(uint8_t alpha) {
    if (alpha == alpha_) return;
    alpha_ = alpha;
    if (kind_ == OutlineKind::Layered) ShowEdge();
}

void LayeredOutline::AfterDraw(HDC dc, Rect area) {
    if (kind_ == OutlineKind::Cut || !display_) return;
    bool touched = false;
    // The edge is listed row by row: only the rows of the area are looked at, every frame.
    const auto first = std::ranges::lower_bound(edge_, area.top, {}, &EdgePixel::y);
    for (auto e = first; e != edge_.end() && e->y < area.bottom; ++e) {
        if (e->x < area.left || e->x >= area.right) continue;
        touched = true;
        if (kind_ == OutlineKind::Mended)
            BitBlt(dc, e->x, e->y, 1, 1, display_->Dc(), e->fromX, e->fromY, SRCCOPY);
    }
    if (touched && kind_ == OutlineKind::Layered) ShowEdge();
}

void LayeredOutline::ShowEdge() {
    if (!window_ || !display_ || size_.width <= 0 || size_.height <= 0) return;
    if (!edgeWindow_ || !IsWindow(edgeWindow_)) {
        const HINSTANCE instance = GetModuleHandleA(nullptr);
        if (!edgeClass_)
            edgeClass_ = ScopedWindowClass(WindowClassOf(instance, kEdgeClass, DefWindowProcA));
        // Owned by the clock, so always just above it; layered and transparent, so every click
        // goes through it; a tool window that never takes the focus.
        edgeWindow_ = CreateWindowExA(
            WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kEdgeClass, "",
            WS_POPUP, 0, 0, size_.width, size_.height, window_, nullptr, instance, nullptr);
        if (!edgeWindow_) return ReportFailureOnce("Cannot create the clock's smooth outline.");
    }
    if (!dc_) dc_.Reset(CreateCompatibleDC(nullptr));
    if (!layer_ || layerSize_ != size_) {
        uint32_t* bits = nullptr;
        ScopedBitmap layer = TopDownDib(dc_.Get(), size_, bits);
        if (!layer)
            return ReportFailureOnce(
                "Cannot create a picture: Windows is out of memory for bitmaps.");
        HGDIOBJ previous = SelectObject(dc_.Get(), layer.Get());
        if (!layer_) original_ = previous;
        layer_ = std::move(layer);  // the old layer, now deselected, goes here
        bits_ = bits;
        layerSize_ = size_;
        layerCleared_ = false;
    }
    // Only the edge's own pixels ever change: the rest stays clear until the edge does.
    if (!layerCleared_) std::fill_n(bits_, size_t(size_.width) * size_t(size_.height), 0u);
    layerCleared_ = true;
    const PixelView from = display_->Pixels();
    for (const EdgePixel& e : edge_)
        bits_[size_t(e.y) * size_t(size_.width) + size_t(e.x)] =
            Premultiplied(from.pixels[size_t(e.fromY) * from.stride + size_t(e.fromX)], e.cover);
    RECT frame;
    GetWindowRect(window_, &frame);
    POINT at{frame.left, frame.top}, source{0, 0};
    SIZE size{size_.width, size_.height};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, alpha_, AC_SRC_ALPHA};
    UpdateLayeredWindow(edgeWindow_, nullptr, &at, &size, dc_.Get(), &source, 0, &blend, ULW_ALPHA);
    Follow();
}

void LayeredOutline::Follow() {
    if (!edgeWindow_ || kind_ != OutlineKind::Layered) return;
    RECT frame;
    GetWindowRect(window_, &frame);
    const bool shown = IsWindowVisible(window_) != FALSE;
    SetWindowPos(
        edgeWindow_, nullptr, frame.left, frame.top, 0, 0,
        SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | (shown ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

bool SystemComposesWindows() {
    // Asked only when the outline is cut again, so the DLL goes with the answer.
    const ScopedLibrary dwm(LoadLibraryA("dwmapi.dll"));
    using IsEnabled = HRESULT(WINAPI*)(BOOL*);
    const auto enabled = FunctionIn<IsEnabled>(dwm.Get(), "DwmIsCompositionEnabled");
    BOOL composes = FALSE;
    return enabled && SUCCEEDED(enabled(&composes)) && composes;
}

}  // namespace marvix
