// What holds for every settings dialog's table of controls, and how a spin edit holds what is
// typed into it.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "dialogs/alarms_dialog.h"
#include "dialogs/digital_dialog.h"
#include "dialogs/hands_dialog.h"
#include "dialogs/settings_windows.h"
#include "dialogs/spelling_dialog.h"
#include "digital/digital_displays.h"
#include "hands/hand_family.h"

namespace marvix {
namespace {

// The setting kinds a control of each type can be bound to; empty: none may be bound.
std::set<SettingKind> BindableKinds(ControlType type) {
    switch (type) {
        case ControlType::CheckBox: return {SettingKind::Boolean};
        case ControlType::RadioGroup: return {SettingKind::Integer};
        case ControlType::SpinEdit: return {SettingKind::Integer, SettingKind::Geometry};
        case ControlType::Edit:
        case ControlType::FontButton: return {SettingKind::String};
        case ControlType::ColourPanel: return {SettingKind::ColourText};
        default: return {};
    }
}

std::string Where(const DialogTable& table, const ControlRow& row) {
    return std::string(table.className) + " " + std::to_string(row.id.role) + "/" +
           std::to_string(row.id.index) + " \"" + std::string(row.caption) + '"';
}

// A control a user can reach has a role of its own; a label or a line has none.
TEST(DialogTables, EveryControlHasARoleOnceIsBoundToASettingOfItsTypeAndSanelyBounded) {
    ASSERT_FALSE(AllDialogTables().empty());
    for (const DialogTable& table : AllDialogTables()) {
        std::set<std::pair<uint16_t, uint16_t>> ids;
        for (const ControlRow& row : table.rows) {
            const std::string where = Where(table, row);
            const bool reachable =
                row.type != ControlType::Label && row.type != ControlType::Separator;
            if (reachable || row.id) {
                EXPECT_TRUE(row.id) << where;
                EXPECT_TRUE(ids.insert({row.id.role, row.id.index}).second) << where << " twice";
            }
            EXPECT_LT(row.place.left, row.place.right) << where;
            EXPECT_LT(row.place.top, row.place.bottom) << where;

            const std::set<SettingKind> kinds = BindableKinds(row.type);
            if (kinds.empty()) {
                // The one exception: "L", "M" and "U" name the case setting they set.
                const bool letterCase = row.effect == Effect::LetterCase;
                EXPECT_EQ(row.setting.has_value(), letterCase) << where << " cannot be bound";
            } else if (row.bit >= 0) {
                // A box for one bit (an alarm's day) is bound to an Integer setting.
                ASSERT_TRUE(row.setting) << where;
                EXPECT_EQ(DefOf(*row.setting).kind, SettingKind::Integer) << where;
                EXPECT_LT(row.bit, 31) << where;
            } else if (!(!row.setting &&
                         (row.type == ControlType::SpinEdit ||
                          (row.type == ControlType::CheckBox && row.effect != Effect::None)))) {
                // Unbound: a field whose value the dialog holds, or a box the dialog acts on.
                ASSERT_TRUE(row.setting) << where << " bound to nothing";
                EXPECT_TRUE(kinds.contains(DefOf(*row.setting).kind))
                    << where << " bound to a setting of another kind";
            }
            if (row.type == ControlType::SpinEdit) {
                EXPECT_LT(row.minimum, row.maximum) << where;
            } else if (row.type == ControlType::Edit) {
                EXPECT_EQ(row.minimum, 0) << where;
                EXPECT_GE(row.maximum, 0) << where << ": the most characters it takes, if any";
            } else {
                EXPECT_EQ(row.minimum, 0) << where << " has bounds but is no spin edit";
                EXPECT_EQ(row.maximum, 0) << where << " has bounds but is no spin edit";
                EXPECT_EQ(row.cap, Cap::None) << where;
            }
            if (row.field || row.type == ControlType::BrowseButton) {
                const ControlRow* field = FindRow(table.rows, row.field);
                ASSERT_NE(field, nullptr) << where << " acts on no control of its dialog";
                EXPECT_EQ(field->type, ControlType::Edit) << where;
            }
            if (row.type == ControlType::FontButton) {
                ASSERT_TRUE(row.setting) << where;
                EXPECT_NE(FontSlotOf(*row.setting), nullptr) << where << " bound to no font slot";
            }
            // A push button does only what its row's effect says.
            if (row.type == ControlType::PushButton) {
                EXPECT_NE(row.effect, Effect::None) << where << " does nothing";
            }
            if (row.type == ControlType::RadioGroup) {
                EXPECT_FALSE(row.items.empty()) << where;
            }
        }
    }
}

TEST(DialogTables, CapsFollowTheClockPicture) {
    // A second monitor of 800 x 600 left of the main one.
    const ClockMeasures clock{{200, 150}, {1024, 738}, {-800, 0, 1024, 768}};
    auto bounds = [&](Cap cap) {
        return BoundsOf(
            {.type = ControlType::SpinEdit, .minimum = -32000, .maximum = 9999, .cap = cap}, clock);
    };
    auto maximum = [&](Cap cap) { return bounds(cap).maximum; };
    EXPECT_EQ(maximum(Cap::None), 9999);
    EXPECT_EQ(maximum(Cap::LargerFaceSide), 200);
    EXPECT_EQ(maximum(Cap::FaceWidth), 200);
    EXPECT_EQ(maximum(Cap::FaceHeight), 150);
    EXPECT_EQ(maximum(Cap::LargerScreenSide), 1024);
    EXPECT_EQ(maximum(Cap::ScreenHeight), 738);
    EXPECT_EQ(bounds(Cap::DesktopX).minimum, -800);
    EXPECT_EQ(maximum(Cap::DesktopX), 1023);
    EXPECT_EQ(bounds(Cap::DesktopY).minimum, 0);
    EXPECT_EQ(maximum(Cap::DesktopY), 767);
    // No monitor known: the row's own bounds.
    const ClockMeasures unknown{{200, 150}, {1024, 738}, {}};
    EXPECT_EQ(BoundsOf({.type = ControlType::SpinEdit,
                        .minimum = -32000,
                        .maximum = 9999,
                        .cap = Cap::DesktopX},
                       unknown)
                  .minimum,
              -32000);
}

// A terse caption or an abbreviation is explained in a sentence of its row: the control's own, or,
// for a label, the field it names (the next row).
TEST(DialogTables, TerseCaptionsHaveASentenceThatSaysWhatTheControlDoes) {
    const std::set<std::string_view> terse = {
        "TWidth", "THeight",           "TranP",    "Auto P",   "LongN",    "L",           "M",
        "U",      "Round|Square|Both", "Blink",    "4 digit",  "Military", "Hr Military", "H",
        "pm",     "Base Clr",          "Back Clr", "MOut Clr", "DOut Clr"};
    std::set<std::string_view> explained;
    for (const DialogTable& table : AllDialogTables()) {
        for (size_t i = 0; i < table.rows.size(); ++i) {
            const ControlRow& row = table.rows[i];
            const std::string_view caption = row.items.empty() ? row.caption : row.items;
            if (!terse.contains(caption)) continue;
            const ControlRow& explaining = row.type == ControlType::Label ? table.rows[i + 1] : row;
            EXPECT_FALSE(explaining.tip.empty()) << Where(table, row);
            EXPECT_EQ(explaining.tip.find('.'), std::string_view::npos)
                << Where(table, row) << ": one sentence, its bounds added after";
            explained.insert(caption);
        }
    }
    EXPECT_EQ(explained, terse);
}

// What a field reads of typed text: a number held to the bounds, or nothing, which never reaches
// the setting; a field the dialog holds itself shows the minimum then.
TEST(DialogTables, TypedTextIsReadAndHeldToTheBoundsWithoutOverflow) {
    const SpinBounds bounds{1, 200};
    const std::optional<int32_t> none;
    const struct {
        const char* text;
        std::optional<int32_t> read;
        int32_t held;
    } cases[] = {
        {"42", 42, 42},
        {" 42 ", 42, 42},
        {"+7", 7, 7},
        {"300", 200, 200},
        {"0", 1, 1},
        {"-5", none, 1},  // no minus where the bounds have no negatives
        {"99999999999", 200, 200},
        {"-99999999999", none, 1},
        {"999999999999999999999999", 200, 200},
        {"abc", none, 1},
        {"", none, 1},
        {"7x", none, 1},
        {"12a", none, 1},
        {"-", none, 1},
        {"$FF", none, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadSpinValue(c.text, bounds), c.read) << '"' << c.text << '"';
        EXPECT_EQ(HeldSpinValue(c.text, bounds), c.held) << '"' << c.text << '"';
    }
    EXPECT_EQ(HeldSpinValue("-3", {-10, 10}), -3);
    EXPECT_EQ(ReadSpinValue("-30", {-10, 10}), -10);
}

// The keys a field lets in: digits, one leading minus where negatives are allowed, the editing
// keys; "x" or a minus in a field of lengths never shows.
TEST(DialogTables, AFieldTakesDigitsAndALeadingMinusOnlyWhereTheBoundsAllowIt) {
    const SpinBounds lengths{0, 200}, places{-1280, 1023};
    const struct {
        const char* text;
        size_t start, end;
        char typed;
        SpinBounds bounds;
        bool fits;
    } cases[] = {
        {"12", 2, 2, '7', lengths, true},    {"12", 2, 2, 'x', lengths, false},
        {"12", 0, 0, '-', lengths, false},   {"12", 0, 0, '-', places, true},
        {"12", 1, 1, '-', places, false},    {"-12", 0, 0, '-', places, false},
        {"-12", 0, 0, '5', places, false},   {"-12", 0, 1, '5', places, true},
        {"-12", 0, 3, '-', places, true},    {"12", 1, 1, '\b', lengths, true},
        {"12", 0, 2, '\x16', lengths, true}, {"12", 2, 2, ' ', lengths, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TypedCharacterFits(c.text, c.start, c.end, c.typed, c.bounds), c.fits)
            << '"' << c.text << "\" [" << c.start << ',' << c.end << ") '" << c.typed << '\'';
    }
    EXPECT_EQ(BoundsInWords(places), "From -1280 to 1023");
}

// "H" takes a 24-hour time as well: "19" is 7 with pm, "0" midnight without pm.
TEST(DialogTables, AnAlarmHourTypedTheTwentyFourHourWayTakesItsPm) {
    const std::pair<int32_t, AlarmHourEntry> cases[] = {
        {0, {.hour = 0, .afternoon = false}},
        {1, {.hour = 1}},
        {12, {.hour = 12}},
        {13, {.hour = 1, .afternoon = true}},
        {19, {.hour = 7, .afternoon = true}},
        {23, {.hour = 11, .afternoon = true}},
    };
    for (const auto& [typed, entry] : cases) EXPECT_EQ(AlarmHourTyped(typed), entry) << typed;
    EXPECT_EQ(ShownAlarmHour(0), 12);
    EXPECT_EQ(ShownAlarmHour(7), 7);
    EXPECT_EQ(ShownAlarmHour(15), 12) << "a stored hour beyond the field's, held";
}

// What a screen reader calls each control a user can reach: words of its own, never the same
// as another's in its window.
TEST(DialogTables, EveryControlHasAnAccessibleNameOfItsOwn) {
    for (const DialogTable& table : AllDialogTables()) {
        std::map<std::string, std::string> names;
        auto add = [&](const std::string& name, const ControlRow& row) {
            const std::string where = Where(table, row);
            EXPECT_FALSE(name.empty()) << where;
            const auto [at, added] = names.emplace(name, where);
            EXPECT_TRUE(added) << where << " and " << at->second << " are both \"" << name << '"';
        };
        for (const ControlRow& row : table.rows) {
            if (row.type == ControlType::Label || row.type == ControlType::Separator) continue;
            if (row.type != ControlType::RadioGroup) {
                add(AccessibleName(table.rows, row), row);
                continue;
            }
            for (std::string_view items = row.items; !items.empty();) {
                const size_t bar = items.find('|');
                add(AccessibleName(table.rows, row, items.substr(0, bar)), row);
                items = bar == std::string_view::npos ? "" : items.substr(bar + 1);
            }
        }
    }
}

TEST(DialogTables, AGridCellIsNamedByItsRowAndColumnAndAColourByItsName) {
    const auto name = [](std::span<const ControlRow> rows, ControlId control) {
        return AccessibleName(rows, *FindRow(rows, control));
    };
    EXPECT_EQ(name(kHandsDialogRows, IdOf(HandsControl::Length, Hand::Hour)), "Hour Length");
    EXPECT_EQ(name(kHandsDialogRows, IdOf(HandsControl::Colour, Hand::Second)), "Sec Color");
    EXPECT_EQ(name(kHandsDialogRows, IdOf(HandsControl::CentreLeft)), "Left")
        << "the common pivot, under no heading";
    EXPECT_EQ(name(kDigitalDialogRows, IdOf(DigitalControl::Left, Display::Hour)), "HOUR Left");
    EXPECT_EQ(name(kSpellingDialogRows, IdOf(SpellingControl::DayName, 0)), "Days 1");
    EXPECT_EQ(ColourInWords(Colour{0x0000FF00}), "lime");
    EXPECT_EQ(ColourInWords(Colour{0x8000000F}), "btn face");
    EXPECT_EQ(ColourInWords(Colour{0x00123456}), "red 86, green 52, blue 18");
}

}  // namespace
}  // namespace marvix
