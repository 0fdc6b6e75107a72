#include "dialogs/digital_dialog.h"

namespace marvix {

namespace {

constexpr uint32_t kRed = 0x000000FF, kWhite = 0x00FFFFFF, kYellow = 0x0000FFFF;
using T = ControlType;

struct Named {
    std::string_view name, text;
};
struct Bound {
    std::string_view name, setting;
};
struct Extra {
    std::string_view name, caption, setting;
};
struct Field {
    std::string_view label, name, setting;
};
struct Panel {
    std::string_view name, caption, setting;
};

// One display's column, as the digital displays dialog lays it out: its band (HOUR to AM/PM
// above the line, DAY to INTER2 below), its place in the band, its display, then its controls and
// the settings they are bound to.
struct Column {
    int band, column;
    size_t display;
    Named heading;
    Bound show, autoPlace, transparent;
    Extra extra;
    std::array<std::string_view, 3> caseButtons;  // "L", "M", "U"
    Field left, top;
    Panel panel;
    std::string_view font;
};

// clang-format off
constexpr Column kColumnSpecs[] = {
    {0, 0, 4, {"Label1", "HOUR"}, {"CheckBox17", "SHour"}, {"CheckBox16", "PHour"}, {"CheckBox18", "TranHour"}, {"CheckBox31", "Military", "DHMilitary"}, {}, {"Label13", "SpinEdit7", "PHrX"}, {"Label14", "SpinEdit8", "PHrY"}, {"Panel9", "Hour Clr", "ColorHourStr"}, "Button5"},
    {0, 1, 5, {"Label2", "MINUTE"}, {"CheckBox20", "SMin"}, {"CheckBox19", "PMin"}, {"CheckBox21", "TranMin"}, {}, {}, {"Label15", "SpinEdit9", "PMinX"}, {"Label16", "SpinEdit12", "PMinY"}, {"Panel11", "Min Clr", "ColorMinStr"}, "Button6"},
    {0, 2, 6, {"Label3", "SECOND"}, {"CheckBox23", "SSec"}, {"CheckBox22", "PSec"}, {"CheckBox24", "TranSec"}, {}, {}, {"Label17", "SpinEdit13", "PSecX"}, {"Label18", "SpinEdit14", "PSecY"}, {"Panel13", "Sec Clr", "ColorSecStr"}, "Button7"},
    {0, 3, 7, {"Label4", "COLON1"}, {"CheckBox26", "SColon1"}, {"CheckBox25", "PColon1"}, {"CheckBox27", "TranColon1"}, {"CheckBox32", "Blink", "C1Blink"}, {}, {"Label19", "SpinEdit15", "PColon1X"}, {"Label20", "SpinEdit16", "PColon1Y"}, {"Panel15", "C1 Color", "ColorColon1Str"}, "Button8"},
    {0, 4, 8, {"Label5", "COLON2"}, {"CheckBox29", "SColon2"}, {"CheckBox28", "PColon2"}, {"CheckBox30", "TranColon2"}, {"CheckBox33", "Blink", "C2Blink"}, {}, {"Label21", "SpinEdit17", "PColon2X"}, {"Label22", "SpinEdit18", "PColon2Y"}, {"Panel17", "C2 Color", "ColorColon2Str"}, "Button9"},
    {0, 5, 9, {"Label6", "AM/PM"}, {"CheckBox35", "SAMPM"}, {"CheckBox34", "PAMPM"}, {"CheckBox36", "TranAMPM"}, {}, {}, {"Label23", "SpinEdit19", "PAMPMX"}, {"Label24", "SpinEdit20", "PAMPMY"}, {"Panel19", "AP Color", "ColorAMPMStr"}, "Button10"},
    {1, 0, 0, {"Label7", "DAY"}, {"CheckBox4", "SDay"}, {"CheckBox3", "PDay"}, {"CheckBox6", "TranDay"}, {"CheckBox13", "LongN", "LongDayName"}, {"BitBtn1", "BitBtn2", "BitBtn3"}, {"Label25", "SpinEdit1", "PDX"}, {"Label26", "SpinEdit2", "PDY"}, {"Panel2", "Day Clr", "ColorDayStr"}, "Button2"},
    {1, 1, 1, {"Label8", "DATE"}, {"CheckBox1", "SDate"}, {"CheckBox2", "PDate"}, {"CheckBox5", "TranDate"}, {}, {}, {"Label27", "SpinEdit10", "PX"}, {"Label28", "SpinEdit11", "PY"}, {"Panel1", "Date Clr", "ColorDateStr"}, "Button1"},
    {1, 2, 2, {"Label9", "MONTH"}, {"CheckBox8", "SMonth"}, {"CheckBox7", "PMonth"}, {"CheckBox9", "TranMonth"}, {"CheckBox14", "LongN", "LongMonthName"}, {"BitBtn4", "BitBtn5", "BitBtn6"}, {"Label29", "SpinEdit3", "PMnX"}, {"Label30", "SpinEdit4", "PMnY"}, {"Panel4", "Mon Clr", "ColorMonthStr"}, "Button3"},
    {1, 3, 3, {"Label10", "YEAR"}, {"CheckBox11", "SYear"}, {"CheckBox10", "PYear"}, {"CheckBox12", "TranYear"}, {"CheckBox15", "4 digit", "LongYearName"}, {}, {"Label31", "SpinEdit5", "PYrX"}, {"Label32", "SpinEdit6", "PYrY"}, {"Panel6", "Year Clr", "ColorYearStr"}, "Button4"},
    {1, 4, 10, {"Label11", "INTER1"}, {"CheckBox38", "SIntern1"}, {"CheckBox37", "PIntern1"}, {"CheckBox39", "TranIntern1"}, {}, {}, {"Label33", "SpinEdit21", "PIntern1X"}, {"Label34", "SpinEdit22", "PIntern1Y"}, {"Panel21", "I1 Color", "ColorIntern1Str"}, "Button11"},
    {1, 5, 11, {"Label12", "INTER2"}, {"CheckBox41", "SIntern2"}, {"CheckBox40", "PIntern2"}, {"CheckBox42", "TranIntern2"}, {}, {}, {"Label35", "SpinEdit23", "PIntern2X"}, {"Label36", "SpinEdit24", "PIntern2Y"}, {"Panel23", "I2 Color", "ColorIntern2Str"}, "Button12"},
};
// clang-format on

// Wide enough for "Military" beside its box and six digits beside a field's arrows, in the
// dialog font of every screen.
constexpr int kMargin = 3, kColumnWidth = 76, kColumnPitch = 79, kLowerBandTop = 226;

constexpr size_t CountRows() {
    size_t n = 1;  // the line between the bands
    for (const Column& c : kColumnSpecs)
        n += 10 + (c.extra.name.empty() ? 0 : 1) + (c.caseButtons[0].empty() ? 0 : 3);
    return n;
}

// The line between the bands, then column by column, top to bottom, which is the Tab order: the name in red, Show, Auto P, TranP,
// the column's extras, Left and Top, the colour panel (the display's background, its caption in
// the display's text colour, which the dialog gives it) and Font.
constexpr std::array<ControlRow, CountRows()> BuildRows() {
    std::array<ControlRow, CountRows()> rows{};
    size_t n = 0;
    rows[n++] = {T::Separator,
                 "Panel25",
                 "",
                 {0, kLowerBandTop - 5, kDigitalClientWidth, kLowerBandTop - 3}};
    for (const Column& c : kColumnSpecs) {
        const int x = kMargin + kColumnPitch * c.column, top = c.band == 0 ? 4 : kLowerBandTop;
        auto at = [&](int y, int height, int dx = 0, int width = kColumnWidth) {
            return Rect{x + dx, top + y, x + dx + width, top + y + height};
        };
        const size_t heading = n;
        rows[n++] = {T::Label, c.heading.name, c.heading.text, at(0, 14), {}, 0, 0, kRed};
        rows[n++] = {T::CheckBox, c.show.name, "Show", at(15, 16), c.show.setting, 0, 0, kWhite};
        rows[n++] = With({T::CheckBox, c.autoPlace.name, "Auto P", at(31, 16), c.autoPlace.setting,
                          0, 0, kWhite},
                         Effect::PlaceByHand);
        rows[n++] = {
            T::CheckBox, c.transparent.name, "TranP", at(47, 16), c.transparent.setting, 0, 0,
            kWhite};
        if (!c.extra.name.empty()) {
            rows[n++] = {T::CheckBox, c.extra.name, c.extra.caption, at(63, 16), c.extra.setting, 0,
                         0,           kYellow};
        }
        if (!c.caseButtons[0].empty()) {
            constexpr std::string_view kLetters[] = {"L", "M", "U"};
            constexpr std::string_view kCases[] = {"lower case", "as spelled", "upper case"};
            for (int k = 0; k < 3; ++k) {
                rows[n++] = Spoken(
                    With({T::PushButton, c.caseButtons[k], kLetters[k], at(80, 18, 18 * k, 17)},
                         Effect::LetterCase),
                    {}, kCases[k]);
            }
        }
        rows[n++] = {T::Label, c.left.label, "Left", at(99, 14), {}, 0, 0, kWhite};
        rows[n++] = {T::SpinEdit, c.left.name, "", at(113, 20), c.left.setting, 0, 999999};
        rows[n++] = {T::Label, c.top.label, "Top", at(134, 14), {}, 0, 0, kWhite};
        rows[n++] = {T::SpinEdit, c.top.name, "", at(148, 20), c.top.setting, 0, 999999};
        rows[n++] = {T::ColourPanel, c.panel.name, c.panel.caption, at(172, 19), c.panel.setting};
        rows[n++] = With({T::FontButton, c.font, "Font", at(194, 19), kFontFaceSettings[c.display]},
                         Effect::DisplayFont);
        // A screen reader names each control by its display first: "HOUR Show", "DAY Left".
        for (size_t i = heading + 1; i < n; ++i) rows[i].context = c.heading.text;
    }
    return rows;
}

constexpr std::array kRows = BuildRows();

constexpr std::array<DigitalColumn, 12> BuildColumns() {
    std::array<DigitalColumn, 12> columns{};
    for (size_t i = 0; i < columns.size(); ++i) {
        const Column& c = kColumnSpecs[i];
        columns[i] = {c.display, c.autoPlace.name, c.left.name, c.top.name, c.panel.name, c.font};
    }
    return columns;
}

}  // namespace

const std::span<const ControlRow> kDigitalDialogRows = kRows;
const std::array<DigitalColumn, 12> kDigitalColumns = BuildColumns();

}  // namespace marvix
