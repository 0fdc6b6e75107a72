#include "windows/choosers_win.h"

#include <commdlg.h>

#include <algorithm>
#include <array>

#include "base/gdi_surface_win.h"
#include "base/lazy_library_win.h"
#include "base/scoped_handles_win.h"
#include "windows/screen_clamp_win.h"

namespace marvix {

namespace {

// Loaded when a chooser first opens.
constexpr char kCommonDialogs[] = "comdlg32.dll";

ChooserScript* g_script = nullptr;

}  // namespace

ChooserScript::ChooserScript() : previous_(g_script) { g_script = this; }

ChooserScript::~ChooserScript() { g_script = previous_; }

template <class T>
std::optional<T> ChooserScript::Next(std::deque<std::optional<T>>& answers) {
    ++opened_;
    if (answers.empty()) return std::nullopt;
    std::optional<T> answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

std::optional<Colour> PickColour(HWND owner, Colour initial) {
    if (g_script) {
        g_script->lastInitialColour_ = initial;
        return g_script->Next(g_script->colours_);
    }
    // The custom colours a user mixes stay for the rest of the run, as the chooser's own do.
    static std::array<COLORREF, 16> custom = [] {
        std::array<COLORREF, 16> white;
        white.fill(RGB(255, 255, 255));
        return white;
    }();
    CHOOSECOLORA chooser{};
    chooser.lStructSize = sizeof chooser;
    chooser.hwndOwner = owner;
    chooser.rgbResult = GdiSurface::ToColorRef(initial);
    chooser.lpCustColors = custom.data();
    chooser.Flags = CC_RGBINIT | CC_ANYCOLOR;
    static const auto choose =
        LazyFunction<decltype(&ChooseColorA)>(kCommonDialogs, "ChooseColorA");
    if (!choose || !choose(&chooser)) return std::nullopt;
    return Colour{chooser.rgbResult & 0x00FFFFFFu};
}

std::optional<FontChoice> PickFont(HWND owner, const FontChoice& initial) {
    if (g_script) {
        g_script->lastInitialFont_ = initial;
        return g_script->Next(g_script->fonts_);
    }
    const int dpi = DpiOf(nullptr);
    LOGFONTA font{};
    font.lfHeight = -MulDiv(initial.pointSize, dpi, 72);
    font.lfWeight = initial.style.Has(FontStyle::kBold) ? FW_BOLD : FW_NORMAL;
    font.lfItalic = initial.style.Has(FontStyle::kItalic);
    font.lfUnderline = initial.style.Has(FontStyle::kUnderline);
    font.lfStrikeOut = initial.style.Has(FontStyle::kStrikeOut);
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(font.lfFaceName, initial.face.c_str(), LF_FACESIZE);
    CHOOSEFONTA chooser{};
    chooser.lStructSize = sizeof chooser;
    chooser.hwndOwner = owner;
    chooser.lpLogFont = &font;
    chooser.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
    chooser.rgbColors = GdiSurface::ToColorRef(initial.colour);
    static const auto choose = LazyFunction<decltype(&ChooseFontA)>(kCommonDialogs, "ChooseFontA");
    if (!choose || !choose(&chooser)) return std::nullopt;
    FontChoice chosen;
    chosen.face = font.lfFaceName;
    chosen.pointSize = std::max(1, chooser.iPointSize / 10);
    chosen.style.flags = uint8_t((font.lfWeight >= FW_BOLD ? FontStyle::kBold : 0) |
                                 (font.lfItalic ? FontStyle::kItalic : 0) |
                                 (font.lfUnderline ? FontStyle::kUnderline : 0) |
                                 (font.lfStrikeOut ? FontStyle::kStrikeOut : 0));
    chosen.colour = Colour{chooser.rgbColors & 0x00FFFFFFu};
    return chosen;
}

std::optional<std::string> PickFile(HWND owner, const FileRequest& request) {
    if (g_script) return g_script->Next(g_script->files_);
    // The filter's pairs are separated by NULs and the whole ends with two.
    std::string filter = request.filter;
    std::replace(filter.begin(), filter.end(), '|', '\0');
    filter.append(2, '\0');
    std::array<char, MAX_PATH> path{};
    lstrcpynA(path.data(), request.initial.c_str(), MAX_PATH);
    OPENFILENAMEA chooser{};
    chooser.lStructSize = sizeof chooser;
    chooser.hwndOwner = owner;
    chooser.lpstrFilter = filter.c_str();
    chooser.lpstrFile = path.data();
    chooser.nMaxFile = MAX_PATH;
    if (!request.folder.empty()) chooser.lpstrInitialDir = request.folder.c_str();
    // The configurations window saves relative to the current folder: browsing must not move it.
    chooser.Flags = OFN_NOCHANGEDIR | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    static const auto choose =
        LazyFunction<decltype(&GetOpenFileNameA)>(kCommonDialogs, "GetOpenFileNameA");
    if (!choose || !choose(&chooser)) return std::nullopt;
    return std::string(path.data());
}

}  // namespace marvix
