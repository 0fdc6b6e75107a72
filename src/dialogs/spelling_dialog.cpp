#include "dialogs/spelling_dialog.h"

#include <array>

namespace marvix {

namespace {

constexpr uint32_t kWhite = 0x00FFFFFF;
using T = ControlType;

// The names of one kind (days, months): their role, the first of their settings (the long names,
// then the short ones, follow it in the settings table), how many, and where their block starts.
struct Names {
    SpellingControl role;
    Setting first;
    int count;
    int top;
    std::string_view heading, spoken;
};
constexpr Names kNames[] = {
    {.role = SpellingControl::DayName,
     .first = Setting::DayNames1,
     .count = 7,
     .top = 8,
     .heading = "Days",
     .spoken = "Day"},
    {.role = SpellingControl::MonthName,
     .first = Setting::MonthNames1,
     .count = 12,
     .top = 150,
     .heading = "Months",
     .spoken = "Month"},
};
static_assert(size_t(Setting::DayNames14) - size_t(Setting::DayNames1) == 13);
static_assert(size_t(Setting::MonthNames24) - size_t(Setting::MonthNames1) == 23);

constexpr Setting After(Setting first, int n) {
    return static_cast<Setting>(static_cast<size_t>(first) + size_t(n));
}

// The numbers "1" to "12" said as a screen reader's "Day 1 abbreviation".
constexpr std::string_view kNumbers[] = {"1", "2", "3", "4",  "5",  "6",
                                         "7", "8", "9", "10", "11", "12"};
constexpr std::string_view kAbbreviations[2][12] = {
    {"Day 1 abbreviation", "Day 2 abbreviation", "Day 3 abbreviation", "Day 4 abbreviation",
     "Day 5 abbreviation", "Day 6 abbreviation", "Day 7 abbreviation"},
    {"Month 1 abbreviation", "Month 2 abbreviation", "Month 3 abbreviation", "Month 4 abbreviation",
     "Month 5 abbreviation", "Month 6 abbreviation", "Month 7 abbreviation", "Month 8 abbreviation",
     "Month 9 abbreviation", "Month 10 abbreviation", "Month 11 abbreviation",
     "Month 12 abbreviation"},
};

constexpr size_t kRowCount = 8 + 3 * (7 + 12);

// The headings, then name by name its number, its long name and its short one, in two columns:
// the first four days (six months) on the left, the rest on the right.
constexpr std::array<ControlRow, kRowCount> BuildRows() {
    std::array<ControlRow, kRowCount> rows{};
    size_t n = 0;
    for (const Names& names : kNames) {
        for (int x : {30, 284}) {
            rows[n++] = {.caption = names.heading,
                         .place = {x, names.top, x + 70, names.top + 14},
                         .colour = kWhite};
            rows[n++] = {.caption = "Abbrev.",
                         .place = {x + 154, names.top, x + 224, names.top + 14},
                         .colour = kWhite};
        }
    }
    for (size_t kind = 0; kind < std::size(kNames); ++kind) {
        const Names& names = kNames[kind];
        const int perColumn = names.count == 7 ? 4 : 6;
        for (int i = 0; i < names.count; ++i) {
            const int x = i < perColumn ? 0 : 254, top = names.top + 18 + 24 * (i % perColumn);
            rows[n++] = {.caption = kNumbers[i],
                         .place = {x + 8, top + 4, x + 28, top + 18},
                         .colour = kWhite};
            rows[n++] = {.type = T::Edit,
                         .id = IdOf(names.role, size_t(i)),
                         .place = {x + 30, top, x + 178, top + 21},
                         .setting = After(names.first, i)};
            rows[n++] = {.type = T::Edit,
                         .id = IdOf(names.role, size_t(names.count + i)),
                         .place = {x + 184, top, x + 246, top + 21},
                         .setting = After(names.first, names.count + i),
                         .spoken = kAbbreviations[kind][i]};
        }
    }
    return rows;
}

constexpr std::array kRows = BuildRows();

}  // namespace

const std::span<const ControlRow> kSpellingDialogRows = kRows;

}  // namespace marvix
