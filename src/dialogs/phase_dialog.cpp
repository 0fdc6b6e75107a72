#include "dialogs/phase_dialog.h"

#include <array>

namespace marvix {

namespace {

constexpr uint32_t kSilver = 0x00C0C0C0;
constexpr int kNoLimit = 99999;
using T = ControlType;
using C = PhaseControl;

struct Panel {
    std::string_view caption = {};
    std::optional<Setting> setting = {};
    std::string_view tip = {};  // for a caption that does not say what it paints
};

// One dial's column, as the phase dialog lays it out: its left edge, its heading, its settings,
// and its colour panels (one or two to a row).
struct DialColumn {
    int left;
    std::string_view heading, show;
    Setting shown, halved;
    std::array<Setting, 3> fields;  // "Display Size", "Left", "Top"
    C colours;
    int panelsPerRow;
    std::array<Panel, 6> panels;  // unused ones have no caption
};

// clang-format off
constexpr DialColumn kColumns[] = {
    {.left = 8, .heading = "Moon Phase", .show = "Show Moon Phase", .shown = Setting::ShowMoon, .halved = Setting::MoonHalf,
     .fields = {Setting::PhaseSize, Setting::MoonPhaseLeft, Setting::MoonPhaseTop},
     .colours = C::MoonColour, .panelsPerRow = 1,
     .panels = {{{.caption = "Base Clr", .setting = Setting::PhaseBaseColorStr, .tip = "Colour of the ground below the dial's horizon and of its hub"},
                 {.caption = "Back Clr", .setting = Setting::PhaseBackColorStr, .tip = "Colour of the sky the moon crosses"},
                 {.caption = "Moon Clr", .setting = Setting::MoonColorStr},
                 {.caption = "MOut Clr", .setting = Setting::MoonOutColorStr, .tip = "Colour of the moon's outline"}}}},
    {.left = 192, .heading = "Day/Night Phase", .show = "Show Day/Night Phase", .shown = Setting::ShowDay, .halved = Setting::DayHalf,
     .fields = {Setting::DayPhaseSize, Setting::DayPhaseLeft, Setting::DayPhaseTop},
     .colours = C::DayColour, .panelsPerRow = 2,
     .panels = {{{.caption = "Base Clr", .setting = Setting::DayBaseColorStr, .tip = "Colour of the ground below the dial's horizon"},
                 {.caption = "Day Back Clr", .setting = Setting::DayBackColorStr},
                 {.caption = "Night Back Clr", .setting = Setting::NightBackColorStr}, {.caption = "Day Clr", .setting = Setting::DayColorStr},
                 {.caption = "DOut Clr", .setting = Setting::DayOutColorStr, .tip = "Colour of the sun's outline"},
                 {.caption = "Night Clr", .setting = Setting::NightColorStr}}}},
};
// clang-format on

constexpr size_t CountRows() {
    size_t n = 1;  // the divider
    for (const DialColumn& c : kColumns) {
        n += 10;
        for (const Panel& panel : c.panels) n += panel.setting ? 1 : 0;
    }
    return n;
}

// The divider between the columns, then column by column, top to bottom: the heading, Show,
// "Display Halved", the three fields (the size held to the screen, the place to the face), then
// the colour panels. What the two dials share is named by its dial's heading: "Moon Phase Left".
constexpr std::array<ControlRow, CountRows()> BuildRows() {
    constexpr std::string_view kFieldCaptions[] = {"Display Size", "Left", "Top"};
    constexpr C kFields[] = {C::Size, C::Left, C::Top};
    constexpr int kMaxima[] = {kNoLimit, 9999, 9999};
    constexpr Cap kCaps[] = {Cap::LargerScreenSide, Cap::FaceWidth, Cap::FaceHeight};
    std::array<ControlRow, CountRows()> rows{};
    size_t n = 0;
    rows[n++] = {.type = T::Separator, .place = {183, 4, 186, 318}};
    for (size_t dial = 0; dial < std::size(kColumns); ++dial) {
        const DialColumn& c = kColumns[dial];
        const int x = c.left, right = x + 168;
        rows[n++] = {.caption = c.heading, .place = {x, 8, right, 22}, .colour = kSilver};
        rows[n++] = {.type = T::CheckBox,
                     .id = IdOf(C::Show, dial),
                     .caption = c.show,
                     .place = {x, 28, right, 45},
                     .setting = c.shown,
                     .colour = kSilver};
        rows[n++] = {.type = T::CheckBox,
                     .id = IdOf(C::Halved, dial),
                     .caption = "Display Halved",
                     .place = {x, 50, right, 67},
                     .setting = c.halved,
                     .colour = kSilver,
                     .context = c.heading};
        for (int f = 0; f < 3; ++f) {
            const int top = 76 + 28 * f;
            rows[n++] = {.caption = kFieldCaptions[f],
                         .place = {x, top + 4, x + 84, top + 18},
                         .colour = kSilver};
            rows[n++] = {.type = T::SpinEdit,
                         .id = IdOf(kFields[f], dial),
                         .place = {x + 88, top, x + 148, top + 21},
                         .setting = c.fields[f],
                         .maximum = kMaxima[f],
                         .cap = kCaps[f],
                         .context = c.heading};
        }
        rows[n++] = {.caption = "Display Colors", .place = {x, 166, right, 180}, .colour = kSilver};
        for (size_t k = 0; k < c.panels.size() && c.panels[k].setting; ++k) {
            // Wide enough for "Night Back Clr" in the dialog font of every screen.
            const int column = int(k) % c.panelsPerRow, top = 186 + 26 * (int(k) / c.panelsPerRow);
            const int left = x + 94 * column, width = 90;
            rows[n++] = {.type = T::ColourPanel,
                         .id = IdOf(c.colours, k),
                         .caption = c.panels[k].caption,
                         .place = {left, top, left + width, top + 21},
                         .setting = c.panels[k].setting,
                         .context = c.heading,
                         .tip = c.panels[k].tip};
        }
    }
    return rows;
}

constexpr std::array kRows = BuildRows();

}  // namespace

const std::span<const ControlRow> kPhaseDialogRows = kRows;

}  // namespace marvix
