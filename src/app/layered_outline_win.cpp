#include "app/layered_outline_win.h"

#include <algorithm>
#include <cmath>

#include "base/lazy_library_win.h"
#include "base/message_seam_win.h"

namespace marvix {

LayeredOutline::~LayeredOutline() { ReleaseLayer(); }

void LayeredOutline::Attach(HWND window, const GdiSurface& display) {
    window_ = window;
    display_ = &display;
}

void LayeredOutline::ReleaseLayer() {
    if (dc_ && original_) SelectObject(dc_.Get(), original_);
    layer_.Reset();
    bits_ = nullptr;
}

bool LayeredOutline::MakeLayer(Size size) {
    if (!dc_) dc_.Reset(CreateCompatibleDC(nullptr));
    if (!dc_) return false;
    ReleaseLayer();
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.width;
    info.bmiHeader.biHeight = -size.height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    layer_.Reset(CreateDIBSection(dc_.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!layer_ || !bits) {
        layer_.Reset();
        return false;
    }
    original_ = SelectObject(dc_.Get(), layer_.Get());
    bits_ = static_cast<uint32_t*>(bits);
    return true;
}

void LayeredOutline::Use(std::vector<uint8_t> coverage, Size size, bool layered, Rect inside,
                         int rim) {
    edge_.clear();
    layered_ = layered;
    if (coverage.empty() || size.width <= 0 || size.height <= 0) {
        coverage_.clear();
        ReleaseLayer();
        return;
    }
    if (!layered) {
        ReleaseLayer();
    } else if (size != size_ || !bits_) {
        if (!MakeLayer(size)) {
            ReportFailureOnce("Cannot create a picture: Windows is out of memory for bitmaps.");
            coverage_.clear();
            return;
        }
    }
    size_ = size;
    coverage_ = std::move(coverage);
    for (int y = 0; y < size.height; ++y) {
        for (int x = 0; x < size.width; ++x) {
            const size_t at = size_t(y) * size_t(size.width) + size_t(x);
            if (coverage_[at] == 0 || coverage_[at] == 255) continue;
            // Towards the nearest point of the inside: the centre of its corner's ellipse, or
            // straight in from a side.
            const double dx =
                             std::clamp(x + 0.5, inside.left + 0.5, inside.right - 0.5) - (x + 0.5),
                         dy =
                             std::clamp(y + 0.5, inside.top + 0.5, inside.bottom - 0.5) - (y + 0.5);
            const double length = std::hypot(dx, dy);
            if (length < 1) continue;
            const int fx = std::clamp(x + int(std::lround(dx / length * rim)), 0, size.width - 1),
                      fy = std::clamp(y + int(std::lround(dy / length * rim)), 0, size.height - 1);
            edge_.push_back({at, size_t(fy) * size_t(size.width) + size_t(fx)});
        }
    }
    if (!layered) coverage_.clear();  // the edge is all a cut window needs
    Show({0, 0, size_.width, size_.height});
}

void LayeredOutline::MendEdge(HDC dc, Rect area) const {
    if (layered_ || !display_) return;
    const size_t width = size_t(size_.width);
    for (const EdgePixel& edge : edge_) {
        const int x = int(edge.at % width), y = int(edge.at / width);
        if (x < area.left || x >= area.right || y < area.top || y >= area.bottom) continue;
        BitBlt(dc, x, y, 1, 1, display_->Dc(), int(edge.from % width), int(edge.from / width),
               SRCCOPY);
    }
}

void LayeredOutline::SetOpacity(uint8_t alpha) {
    alpha_ = alpha;
    if (Active()) Show({0, 0, size_.width, size_.height});
}

void LayeredOutline::Show(Rect area) {
    if (!Active() || !display_ || !window_) return;
    const Size shown = display_->DeviceSize();
    area = {std::max(area.left, 0), std::max(area.top, 0),
            std::min({area.right, size_.width, shown.width}),
            std::min({area.bottom, size_.height, shown.height})};
    if (area.Empty()) return;
    const PixelView from = display_->Pixels();
    // Premultiplied, as a layered window's pixels are: each channel scaled by its alpha.
    const auto premultiplied = [](uint32_t p, uint32_t a) {
        if (a == 255) return p | 0xFF000000u;
        const auto channel = [&](int shift) { return ((p >> shift & 0xFF) * a + 127) / 255; };
        return a << 24 | channel(16) << 16 | channel(8) << 8 | channel(0);
    };
    const auto pixelAt = [&](size_t at) {
        return from.pixels[at / size_t(size_.width) * from.stride + at % size_t(size_.width)];
    };
    for (int y = area.top; y < area.bottom; ++y) {
        const uint32_t* in = from.pixels + size_t(y) * from.stride;
        uint32_t* out = bits_ + size_t(y) * size_t(size_.width);
        const uint8_t* cover = coverage_.data() + size_t(y) * size_t(size_.width);
        for (int x = area.left; x < area.right; ++x) out[x] = premultiplied(in[x], cover[x]);
    }
    for (const EdgePixel& edge : edge_) {
        const int x = int(edge.at % size_t(size_.width)), y = int(edge.at / size_t(size_.width));
        if (x >= area.left && x < area.right && y >= area.top && y < area.bottom)
            bits_[edge.at] = premultiplied(pixelAt(edge.from), coverage_[edge.at]);
    }
    BLENDFUNCTION blend{AC_SRC_OVER, 0, alpha_, AC_SRC_ALPHA};
    POINT source{0, 0};
    SIZE size{size_.width, size_.height};
    const RECT dirty{area.left, area.top, area.right, area.bottom};
    UPDATELAYEREDWINDOWINFO info{};
    info.cbSize = sizeof info;
    info.psize = &size;
    info.hdcSrc = dc_.Get();
    info.pptSrc = &source;
    info.pblend = &blend;
    info.dwFlags = ULW_ALPHA;
    info.prcDirty = &dirty;
    UpdateLayeredWindowIndirect(window_, &info);
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
