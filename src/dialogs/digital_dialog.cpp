#include "dialogs/digital_dialog.h"

#include "digital/digital_displays.h"

namespace marvix {

namespace {

constexpr uint32_t kRed = 0x000000FF, kWhite = 0x00FFFFFF, kYellow = 0x0000FFFF;
using T = ControlType;
using C = DigitalControl;

// What the dialog adds to a display's own table: where its column stands (HOUR to AM/PM above the
// line, DAY to INTER2 below it), the option only it has, the case setting its "L", "M" and "U"
// buttons set, and its colour panel's caption.
struct Column {
    Display display;
    int band = 0, column = 0;
    std::string_view extraCaption = {};
    std::optional<Setting> extra = {};
    std::string_view extraTip = {};
    std::optional<Setting> letterCase = {};
    std::string_view colourCaption = {};
};

// In the Tab order: the upper band, then the lower.
// clang-format off
constexpr Column kColumns[] = {
    {.display = Display::Hour, .band = 0, .column = 0, .extraCaption = "Military", .extra = Setting::DHMilitary, .extraTip = "The hour from 0 to 23", .colourCaption = "Hour Clr"},
    {.display = Display::Minute, .band = 0, .column = 1, .colourCaption = "Min Clr"},
    {.display = Display::Second, .band = 0, .column = 2, .colourCaption = "Sec Clr"},
    {.display = Display::Colon1, .band = 0, .column = 3, .extraCaption = "Blink", .extra = Setting::C1Blink, .extraTip = "The colon blinks every half second", .colourCaption = "C1 Color"},
    {.display = Display::Colon2, .band = 0, .column = 4, .extraCaption = "Blink", .extra = Setting::C2Blink, .extraTip = "The colon blinks every half second", .colourCaption = "C2 Color"},
    {.display = Display::AmPm, .band = 0, .column = 5, .colourCaption = "AP Color"},
    {.display = Display::Day, .band = 1, .column = 0, .extraCaption = "LongN", .extra = Setting::LongDayName, .extraTip = "The whole name of the day, not its short one", .letterCase = Setting::DayCaseInt, .colourCaption = "Day Clr"},
    {.display = Display::Date, .band = 1, .column = 1, .colourCaption = "Date Clr"},
    {.display = Display::Month, .band = 1, .column = 2, .extraCaption = "LongN", .extra = Setting::LongMonthName, .extraTip = "The whole name of the month, not its short one", .letterCase = Setting::MonthCaseInt, .colourCaption = "Mon Clr"},
    {.display = Display::Year, .band = 1, .column = 3, .extraCaption = "4 digit", .extra = Setting::LongYearName, .extraTip = "The year with four digits", .colourCaption = "Year Clr"},
    {.display = Display::Inter1, .band = 1, .column = 4, .colourCaption = "I1 Color"},
    {.display = Display::Inter2, .band = 1, .column = 5, .colourCaption = "I2 Color"},
};
// clang-format on

// Wide enough for "Military" beside its box and six digits beside a field's arrows, in the
// dialog font of every screen.
constexpr int kMargin = 3, kColumnWidth = 76, kColumnPitch = 79, kLowerBandTop = 226;

constexpr size_t CountRows() {
    size_t n = 1;  // the line between the bands
    for (const Column& c : kColumns) n += 10 + (c.extra ? 1 : 0) + (c.letterCase ? 3 : 0);
    return n;
}

// The line between the bands, then column by column, top to bottom, which is the Tab order: the
// display's name in red, Show, Auto P, TranP, the column's extras, Left and Top, the colour panel
// (the display's background, its caption in the display's text colour, which the dialog gives
// it) and Font.
constexpr std::array<ControlRow, CountRows()> BuildRows() {
    std::array<ControlRow, CountRows()> rows{};
    size_t n = 0;
    rows[n++] = {.type = T::Separator,
                 .place = {0, kLowerBandTop - 5, kDigitalClientWidth, kLowerBandTop - 3}};
    for (const Column& c : kColumns) {
        const size_t d = static_cast<size_t>(c.display);
        const DisplaySpec& display = kDisplays[d];
        const int x = kMargin + kColumnPitch * c.column, top = c.band == 0 ? 4 : kLowerBandTop;
        auto at = [&](int y, int height, int dx = 0, int width = kColumnWidth) {
            return Rect{x + dx, top + y, x + dx + width, top + y + height};
        };
        auto box = [&](C role, std::string_view caption, int y, SettingField field) {
            return ControlRow{.type = T::CheckBox,
                              .id = IdOf(role, d),
                              .caption = caption,
                              .place = at(y, 16),
                              .setting = SettingOf(field),
                              .colour = kWhite};
        };
        const size_t heading = n;
        rows[n++] = {.caption = display.name, .place = at(0, 14), .colour = kRed};
        rows[n++] = box(C::Show, "Show", 15, display.show);
        rows[n] = box(C::AutoPlace, "Auto P", 31, display.autoPlace);
        rows[n].tip = "The face places this display; untick it to place this display yourself";
        rows[n++].effect = Effect::PlaceByHand;
        rows[n] = box(C::Transparent, "TranP", 47, display.transparent);
        rows[n++].tip = "No box behind the display: its text stands on the face";
        if (c.extra) {
            rows[n++] = {.type = T::CheckBox,
                         .id = IdOf(C::Extra, d),
                         .caption = c.extraCaption,
                         .place = at(63, 16),
                         .setting = c.extra,
                         .colour = kYellow,
                         .tip = c.extraTip};
        }
        if (c.letterCase) {
            constexpr C kButtons[] = {C::LowerCase, C::AsSpelled, C::UpperCase};
            constexpr std::string_view kLetters[] = {"L", "M", "U"};
            constexpr std::string_view kCases[] = {"lower case", "as spelled", "upper case"};
            constexpr std::string_view kTips[] = {"Names in lower case",
                                                  "Names as typed in the spelling window",
                                                  "Names in upper case"};
            for (int k = 0; k < 3; ++k) {
                rows[n++] = {.type = T::PushButton,
                             .id = IdOf(kButtons[k], d),
                             .caption = kLetters[k],
                             .place = at(80, 18, 18 * k, 17),
                             .setting = c.letterCase,
                             .effect = Effect::LetterCase,
                             .spoken = kCases[k],
                             .tip = kTips[k]};
            }
        }
        // A display that places itself is where the face puts it, whatever the fields hold.
        const IdleWhile placedByFace =
            d < kAutoPlacedDisplays ? IdleWhile{SettingOf(display.autoPlace)} : IdleWhile{};
        rows[n++] = {.caption = "Left", .place = at(99, 14), .colour = kWhite};
        rows[n++] = {.type = T::SpinEdit,
                     .id = IdOf(C::Left, d),
                     .place = at(113, 20),
                     .setting = SettingOf(display.x),
                     .maximum = 999999,
                     .idle = placedByFace};
        rows[n++] = {.caption = "Top", .place = at(134, 14), .colour = kWhite};
        rows[n++] = {.type = T::SpinEdit,
                     .id = IdOf(C::Top, d),
                     .place = at(148, 20),
                     .setting = SettingOf(display.y),
                     .maximum = 999999,
                     .idle = placedByFace};
        rows[n++] = {.type = T::ColourPanel,
                     .id = IdOf(C::Colour, d),
                     .caption = c.colourCaption,
                     .place = at(172, 19),
                     .setting = SettingOf(display.background)};
        rows[n++] = {.type = T::FontButton,
                     .id = IdOf(C::Font, d),
                     .caption = "Font",
                     .place = at(194, 19),
                     .setting = SettingOf(kFontSlots[d].face),
                     .effect = Effect::DisplayFont};
        // A screen reader names each control by its display first: "HOUR Show", "DAY Left".
        for (size_t i = heading + 1; i < n; ++i) rows[i].context = display.name;
    }
    return rows;
}

constexpr std::array kRows = BuildRows();

}  // namespace

const std::span<const ControlRow> kDigitalDialogRows = kRows;

int32_t LetterCaseOf(DigitalControl button) {
    return button == C::LowerCase ? 1 : button == C::AsSpelled ? 2 : 3;
}

}  // namespace marvix
