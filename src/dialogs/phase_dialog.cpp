#include "dialogs/phase_dialog.h"

#include <array>

namespace marvix {

namespace {

constexpr uint32_t kSilver = 0x00C0C0C0;
constexpr int kNoLimit = 99999;
using T = ControlType;

// Each panel's caption is drawn in the panel's colour.
// clang-format off
constexpr std::array kRows = {
    ControlRow{T::Label, "Label1", "Moon Phase", {8, 8, 176, 22}, {}, 0, 0, kSilver},
    ControlRow{T::CheckBox, "CheckBox1", "Show Moon Phase", {8, 28, 176, 45}, "ShowMoon", 0, 0, kSilver},
    ControlRow{T::CheckBox, "CheckBox3", "Display Halved", {8, 50, 176, 67}, "MoonHalf", 0, 0, kSilver},
    ControlRow{T::Label, "Label2", "Display Size", {8, 80, 92, 94}, {}, 0, 0, kSilver},
    ControlRow{T::SpinEdit, "SpinEdit1", "", {96, 76, 156, 97}, "PhaseSize", 0, kNoLimit, 0, Cap::LargerScreenSide},
    ControlRow{T::Label, "Label3", "Left", {8, 108, 92, 122}, {}, 0, 0, kSilver},
    ControlRow{T::SpinEdit, "SpinEdit2", "", {96, 104, 156, 125}, "MoonPhaseLeft", 0, 9999, 0, Cap::FaceWidth},
    ControlRow{T::Label, "Label4", "Top", {8, 136, 92, 150}, {}, 0, 0, kSilver},
    ControlRow{T::SpinEdit, "SpinEdit3", "", {96, 132, 156, 153}, "MoonPhaseTop", 0, 9999, 0, Cap::FaceHeight},
    ControlRow{T::Label, "Label5", "Display Colors", {8, 166, 176, 180}, {}, 0, 0, kSilver},
    ControlRow{T::ColourCaption, "Panel2", "Base Clr", {8, 186, 92, 207}, "PhaseBaseColorStr"},
    ControlRow{T::ColourCaption, "Panel3", "Back Clr", {8, 212, 92, 233}, "PhaseBackColorStr"},
    ControlRow{T::ColourCaption, "Panel4", "Moon Clr", {8, 238, 92, 259}, "MoonColorStr"},
    ControlRow{T::ColourCaption, "Panel5", "MOut Clr", {8, 264, 92, 285}, "MoonOutColorStr"},

    ControlRow{T::Label, "Label6", "Day/Night Phase", {192, 8, 360, 22}, {}, 0, 0, kSilver},
    ControlRow{T::CheckBox, "CheckBox2", "Show Day/Night Phase", {192, 28, 360, 45}, "ShowDay", 0, 0, kSilver},
    ControlRow{T::CheckBox, "CheckBox4", "Display Halved", {192, 50, 360, 67}, "DayHalf", 0, 0, kSilver},
    ControlRow{T::Label, "Label7", "Display Size", {192, 80, 276, 94}, {}, 0, 0, kSilver},
    ControlRow{T::SpinEdit, "SpinEdit4", "", {280, 76, 340, 97}, "DayPhaseSize", 0, kNoLimit, 0, Cap::LargerScreenSide},
    ControlRow{T::Label, "Label8", "Left", {192, 108, 276, 122}, {}, 0, 0, kSilver},
    ControlRow{T::SpinEdit, "SpinEdit5", "", {280, 104, 340, 125}, "DayPhaseLeft", 0, 9999, 0, Cap::FaceWidth},
    ControlRow{T::Label, "Label9", "Top", {192, 136, 276, 150}, {}, 0, 0, kSilver},
    ControlRow{T::SpinEdit, "SpinEdit6", "", {280, 132, 340, 153}, "DayPhaseTop", 0, 9999, 0, Cap::FaceHeight},
    ControlRow{T::Label, "Label10", "Display Colors", {192, 166, 360, 180}, {}, 0, 0, kSilver},
    ControlRow{T::ColourCaption, "Panel6", "Base Clr", {192, 186, 272, 207}, "DayBaseColorStr"},
    ControlRow{T::ColourCaption, "Panel7", "Day Back Clr", {278, 186, 360, 207}, "DayBackColorStr"},
    ControlRow{T::ColourCaption, "Panel8", "Night Back Clr", {192, 212, 272, 233}, "NightBackColorStr"},
    ControlRow{T::ColourCaption, "Panel9", "Day Clr", {278, 212, 360, 233}, "DayColorStr"},
    ControlRow{T::ColourCaption, "Panel10", "DOut Clr", {192, 238, 272, 259}, "DayOutColorStr"},
    ControlRow{T::ColourCaption, "Panel11", "Night Clr", {278, 238, 360, 259}, "NightColorStr"},
};
// clang-format on

}  // namespace

const std::span<const ControlRow> kPhaseDialogRows = kRows;

}  // namespace marvix
