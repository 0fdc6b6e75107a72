#include "dialogs/spelling_dialog.h"

#include <array>

namespace marvix {

namespace {

constexpr uint32_t kWhite = 0x00FFFFFF;
using T = ControlType;

// The headings, then row by row a number, the long name and the short one: Edit1 to Edit7 and
// Edit8 to Edit14 are DayNames1 to DayNames14, Edit15 to Edit38 MonthNames1 to MonthNames24.
// clang-format off
constexpr std::array kRows = {
    ControlRow{T::Label, "Label1", "Days", {30, 8, 100, 22}, {}, 0, 0, kWhite},
    ControlRow{T::Label, "Label2", "Abbrev.", {184, 8, 254, 22}, {}, 0, 0, kWhite},
    ControlRow{T::Label, "Label3", "Days", {284, 8, 354, 22}, {}, 0, 0, kWhite},
    ControlRow{T::Label, "Label4", "Abbrev.", {438, 8, 508, 22}, {}, 0, 0, kWhite},
    ControlRow{T::Label, "Label5", "Months", {30, 150, 100, 164}, {}, 0, 0, kWhite},
    ControlRow{T::Label, "Label6", "Abbrev.", {184, 150, 254, 164}, {}, 0, 0, kWhite},
    ControlRow{T::Label, "Label7", "Months", {284, 150, 354, 164}, {}, 0, 0, kWhite},
    ControlRow{T::Label, "Label8", "Abbrev.", {438, 150, 508, 164}, {}, 0, 0, kWhite},
    ControlRow{T::Label, "Label9", "1", {8, 30, 28, 44}, {}, 0, 0, kWhite},
    ControlRow{T::Edit, "Edit1", "", {30, 26, 178, 47}, "DayNames1"},
    Spoken({T::Edit, "Edit8", "", {184, 26, 246, 47}, "DayNames8"}, {}, "Day 1 abbreviation"),
    ControlRow{T::Label, "Label10", "2", {8, 54, 28, 68}, {}, 0, 0, kWhite},
    ControlRow{T::Edit, "Edit2", "", {30, 50, 178, 71}, "DayNames2"},
    Spoken({T::Edit, "Edit9", "", {184, 50, 246, 71}, "DayNames9"}, {}, "Day 2 abbreviation"),
    ControlRow{T::Label, "Label11", "3", {8, 78, 28, 92}, {}, 0, 0, kWhite},
    ControlRow{T::Edit, "Edit3", "", {30, 74, 178, 95}, "DayNames3"},
    Spoken({T::Edit, "Edit10", "", {184, 74, 246, 95}, "DayNames10"}, {}, "Day 3 abbreviation"),
    ControlRow{T::Label, "Label12", "4", {8, 102, 28, 116}, {}, 0, 0, kWhite},
    ControlRow{T::Edit, "Edit4", "", {30, 98, 178, 119}, "DayNames4"},
    Spoken({T::Edit, "Edit11", "", {184, 98, 246, 119}, "DayNames11"}, {}, "Day 4 abbreviation"),
    ControlRow{T::Label, "Label13", "5", {262, 30, 282, 44}, {}, 0, 0, kWhite},
    ControlRow{T::Edit, "Edit5", "", {284, 26, 432, 47}, "DayNames5"},
    Spoken({T::Edit, "Edit12", "", {438, 26, 500, 47}, "DayNames12"}, {}, "Day 5 abbreviation"),
    ControlRow{T::Label, "Label14", "6", {262, 54, 282, 68}, {}, 0, 0, kWhite},
    ControlRow{T::Edit, "Edit6", "", {284, 50, 432, 71}, "DayNames6"},
    Spoken({T::Edit, "Edit13", "", {438, 50, 500, 71}, "DayNames13"}, {}, "Day 6 abbreviation"),
    ControlRow{T::Label, "Label15", "7", {262, 78, 282, 92}, {}, 0, 0, kWhite},
    ControlRow{T::Edit, "Edit7", "", {284, 74, 432, 95}, "DayNames7"},
    Spoken({T::Edit, "Edit14", "", {438, 74, 500, 95}, "DayNames14"}, {}, "Day 7 abbreviation"),
    ControlRow{T::Label, "Label16", "1", {8, 172, 28, 186}, {}, 0, 0, kWhite},
    ControlRow{T::Edit, "Edit15", "", {30, 168, 178, 189}, "MonthNames1"},
    Spoken({T::Edit, "Edit27", "", {184, 168, 246, 189}, "MonthNames13"}, {}, "Month 1 abbreviation"),
    ControlRow{T::Label, "Label17", "2", {8, 196, 28, 210}, {}, 0, 0, kWhite},
    ControlRow{T::Edit, "Edit16", "", {30, 192, 178, 213}, "MonthNames2"},
    Spoken({T::Edit, "Edit28", "", {184, 192, 246, 213}, "MonthNames14"}, {}, "Month 2 abbreviation"),
    ControlRow{T::Label, "Label18", "3", {8, 220, 28, 234}, {}, 0, 0, kWhite},
    ControlRow{T::Edit, "Edit17", "", {30, 216, 178, 237}, "MonthNames3"},
    Spoken({T::Edit, "Edit29", "", {184, 216, 246, 237}, "MonthNames15"}, {}, "Month 3 abbreviation"),
    ControlRow{T::Label, "Label19", "4", {8, 244, 28, 258}, {}, 0, 0, kWhite},
    ControlRow{T::Edit, "Edit18", "", {30, 240, 178, 261}, "MonthNames4"},
    Spoken({T::Edit, "Edit30", "", {184, 240, 246, 261}, "MonthNames16"}, {}, "Month 4 abbreviation"),
    ControlRow{T::Label, "Label20", "5", {8, 268, 28, 282}, {}, 0, 0, kWhite},
    ControlRow{T::Edit, "Edit19", "", {30, 264, 178, 285}, "MonthNames5"},
    Spoken({T::Edit, "Edit31", "", {184, 264, 246, 285}, "MonthNames17"}, {}, "Month 5 abbreviation"),
    ControlRow{T::Label, "Label21", "6", {8, 292, 28, 306}, {}, 0, 0, kWhite},
    ControlRow{T::Edit, "Edit20", "", {30, 288, 178, 309}, "MonthNames6"},
    Spoken({T::Edit, "Edit32", "", {184, 288, 246, 309}, "MonthNames18"}, {}, "Month 6 abbreviation"),
    ControlRow{T::Label, "Label22", "7", {262, 172, 282, 186}, {}, 0, 0, kWhite},
    ControlRow{T::Edit, "Edit21", "", {284, 168, 432, 189}, "MonthNames7"},
    Spoken({T::Edit, "Edit33", "", {438, 168, 500, 189}, "MonthNames19"}, {}, "Month 7 abbreviation"),
    ControlRow{T::Label, "Label23", "8", {262, 196, 282, 210}, {}, 0, 0, kWhite},
    ControlRow{T::Edit, "Edit22", "", {284, 192, 432, 213}, "MonthNames8"},
    Spoken({T::Edit, "Edit34", "", {438, 192, 500, 213}, "MonthNames20"}, {}, "Month 8 abbreviation"),
    ControlRow{T::Label, "Label24", "9", {262, 220, 282, 234}, {}, 0, 0, kWhite},
    ControlRow{T::Edit, "Edit23", "", {284, 216, 432, 237}, "MonthNames9"},
    Spoken({T::Edit, "Edit35", "", {438, 216, 500, 237}, "MonthNames21"}, {}, "Month 9 abbreviation"),
    ControlRow{T::Label, "Label25", "10", {262, 244, 282, 258}, {}, 0, 0, kWhite},
    ControlRow{T::Edit, "Edit24", "", {284, 240, 432, 261}, "MonthNames10"},
    Spoken({T::Edit, "Edit36", "", {438, 240, 500, 261}, "MonthNames22"}, {}, "Month 10 abbreviation"),
    ControlRow{T::Label, "Label26", "11", {262, 268, 282, 282}, {}, 0, 0, kWhite},
    ControlRow{T::Edit, "Edit25", "", {284, 264, 432, 285}, "MonthNames11"},
    Spoken({T::Edit, "Edit37", "", {438, 264, 500, 285}, "MonthNames23"}, {}, "Month 11 abbreviation"),
    ControlRow{T::Label, "Label27", "12", {262, 292, 282, 306}, {}, 0, 0, kWhite},
    ControlRow{T::Edit, "Edit26", "", {284, 288, 432, 309}, "MonthNames12"},
    Spoken({T::Edit, "Edit38", "", {438, 288, 500, 309}, "MonthNames24"}, {}, "Month 12 abbreviation"),
};
// clang-format on

}  // namespace

const std::span<const ControlRow> kSpellingDialogRows = kRows;

}  // namespace marvix
