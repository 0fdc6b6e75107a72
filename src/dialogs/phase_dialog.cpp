#include "dialogs/phase_dialog.h"

#include <array>

namespace marvix {

namespace {

constexpr uint32_t kSilver = 0x00C0C0C0;
constexpr int kNoLimit = 99999;
using T = ControlType;

struct Named {
    std::string_view name = {}, text = {}, setting = {};
};

// One dial's column, as the phase dialog lays it out: its left edge, its controls and their
// settings, and its colour panels (one or two to a row).
struct DialColumn {
    int left;
    Named heading, show, halved;
    std::array<Named, 3>
        fields;     // "Display Size", "Left", "Top": the label, the field, the setting
    Named colours;  // the "Display Colors" heading
    int panelsPerRow;
    std::array<Named, 6> panels;  // unused ones have no name
};

// clang-format off
constexpr DialColumn kColumns[] = {
    {8, {"Label1", "Moon Phase"}, {"CheckBox1", "Show Moon Phase", "ShowMoon"}, {"CheckBox3", "Display Halved", "MoonHalf"},
     {{{"Label2", "SpinEdit1", "PhaseSize"}, {"Label3", "SpinEdit2", "MoonPhaseLeft"}, {"Label4", "SpinEdit3", "MoonPhaseTop"}}},
     {"Label5", "Display Colors"}, 1,
     {{{"Panel2", "Base Clr", "PhaseBaseColorStr"}, {"Panel3", "Back Clr", "PhaseBackColorStr"},
       {"Panel4", "Moon Clr", "MoonColorStr"}, {"Panel5", "MOut Clr", "MoonOutColorStr"}}}},
    {192, {"Label6", "Day/Night Phase"}, {"CheckBox2", "Show Day/Night Phase", "ShowDay"}, {"CheckBox4", "Display Halved", "DayHalf"},
     {{{"Label7", "SpinEdit4", "DayPhaseSize"}, {"Label8", "SpinEdit5", "DayPhaseLeft"}, {"Label9", "SpinEdit6", "DayPhaseTop"}}},
     {"Label10", "Display Colors"}, 2,
     {{{"Panel6", "Base Clr", "DayBaseColorStr"}, {"Panel7", "Day Back Clr", "DayBackColorStr"},
       {"Panel8", "Night Back Clr", "NightBackColorStr"}, {"Panel9", "Day Clr", "DayColorStr"},
       {"Panel10", "DOut Clr", "DayOutColorStr"}, {"Panel11", "Night Clr", "NightColorStr"}}}},
};
// clang-format on

constexpr size_t CountRows() {
    size_t n = 1;  // the divider
    for (const DialColumn& c : kColumns) {
        n += 10;
        for (const Named& panel : c.panels) n += panel.name.empty() ? 0 : 1;
    }
    return n;
}

// The divider between the columns, then column by column, top to bottom: the heading, Show, "Display Halved", the three fields (the
// size held to the screen, the place to the face), then the colour panels.
constexpr std::array<ControlRow, CountRows()> BuildRows() {
    constexpr std::string_view kFieldCaptions[] = {"Display Size", "Left", "Top"};
    constexpr int kMaxima[] = {kNoLimit, 9999, 9999};
    constexpr Cap kCaps[] = {Cap::LargerScreenSide, Cap::FaceWidth, Cap::FaceHeight};
    std::array<ControlRow, CountRows()> rows{};
    size_t n = 0;
    rows[n++] = {T::Separator, "Panel1", "", {183, 4, 186, 318}};
    for (const DialColumn& c : kColumns) {
        const int x = c.left, right = x + 168;
        rows[n++] = {T::Label, c.heading.name, c.heading.text, {x, 8, right, 22}, {}, 0,
                     0,        kSilver};
        rows[n++] = {T::CheckBox,    c.show.name, c.show.text, {x, 28, right, 45},
                     c.show.setting, 0,           0,           kSilver};
        // What the two dials share is named by its dial's heading: "Moon Phase Left".
        rows[n++] = Spoken({T::CheckBox,
                            c.halved.name,
                            c.halved.text,
                            {x, 50, right, 67},
                            c.halved.setting,
                            0,
                            0,
                            kSilver},
                           c.heading.text);
        for (int f = 0; f < 3; ++f) {
            const Named& field = c.fields[f];
            const int top = 76 + 28 * f;
            rows[n++] = {
                T::Label, field.name, kFieldCaptions[f], {x, top + 4, x + 84, top + 18}, {}, 0,
                0,        kSilver};
            rows[n++] = Spoken({T::SpinEdit,
                                field.text,
                                "",
                                {x + 88, top, x + 148, top + 21},
                                field.setting,
                                0,
                                kMaxima[f],
                                0,
                                kCaps[f]},
                               c.heading.text);
        }
        rows[n++] = {T::Label, c.colours.name, c.colours.text, {x, 166, right, 180}, {}, 0,
                     0,        kSilver};
        for (int k = 0; k < 6 && !c.panels[k].name.empty(); ++k) {
            // Wide enough for "Night Back Clr" in the dialog font of every screen.
            const int column = k % c.panelsPerRow, top = 186 + 26 * (k / c.panelsPerRow);
            const int left = x + 94 * column, width = 90;
            rows[n++] = Spoken({T::ColourPanel,
                                c.panels[k].name,
                                c.panels[k].text,
                                {left, top, left + width, top + 21},
                                c.panels[k].setting},
                               c.heading.text);
        }
    }
    return rows;
}

constexpr std::array kRows = BuildRows();

}  // namespace

const std::span<const ControlRow> kPhaseDialogRows = kRows;

}  // namespace marvix
