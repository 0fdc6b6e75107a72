#include "dialogs/face_dialog.h"

#include <array>
#include <string>

namespace marvix {

namespace {

constexpr uint32_t kWhite = 0x00FFFFFF, kLime = 0x0000FF00;
using T = ControlType;

// "Choose Face..." opens the platform's file chooser in place of the drive, folder and file
// lists of old; a pick loads the face as a double click on the file list did. Below it, the name
// of the face shown.
// clang-format off
constexpr std::array kRows = {
    ControlRow{T::PushButton, "Button2", "Choose Face...", {8, 8, 261, 31}},
    ControlRow{T::Label, "FaceName", "", {8, 37, 261, 51}, {}, 0, 0, kWhite},
    ControlRow{T::RadioGroup, "RadioGroup1", "Clock Shape", {8, 58, 130, 130}, "CShape", 0, 0, kWhite, Cap::None, "Round|Square|Both"},
    ControlRow{T::RadioGroup, "RadioGroup2", "Window Position", {138, 58, 261, 130}, "FacePos", 0, 0, kWhite, Cap::None, "Top|None|Bottom"},
    ControlRow{T::CheckBox, "CheckBox4", "Ignore Screen Boundary", {8, 138, 261, 155}, "IgnoreBoundary", 0, 0, kWhite},
    ControlRow{T::CheckBox, "CheckBox2", "Moveable", {8, 160, 261, 177}, "MoveIt", 0, 0, kWhite},
    ControlRow{T::Label, "Label1", "Left", {8, 188, 56, 202}, {}, 0, 0, kLime},
    ControlRow{T::SpinEdit, "SpinEdit1", "", {60, 184, 130, 205}, "FL", 8, 9999},
    ControlRow{T::Label, "Label2", "Top", {138, 188, 186, 202}, {}, 0, 0, kLime},
    ControlRow{T::SpinEdit, "SpinEdit2", "", {190, 184, 261, 205}, "FT", 8, 9999},
    ControlRow{T::Label, "Label22", "Corner size", {8, 218, 86, 232}, {}, 0, 0, kLime},
    ControlRow{T::SpinEdit, "SpinEdit32", "", {90, 214, 160, 235}, "RSqr", 0, 99999, 0, Cap::FaceWidth},
    ControlRow{T::CheckBox, "CheckBox1", "Hide taskbar", {8, 244, 261, 261}, "HideMe", 0, 0, kWhite},
    ControlRow{T::Separator, "Panel1", "", {0, 270, 269, 272}},
    ControlRow{T::PushButton, "Button1", "Steal Wallpaper Background", {8, 280, 230, 303}},
    ControlRow{T::CheckBox, "CheckBox3", "", {236, 283, 256, 300}, "UseWall", 0, 0, kWhite},
    ControlRow{T::Label, "Label3", "TWidth", {8, 318, 66, 332}, {}, 0, 0, kLime},
    ControlRow{T::SpinEdit, "SpinEdit3", "", {70, 314, 140, 335}, "TranWidth", 8, 99999, 0, Cap::ScreenWidth, {}, {}, Apply::WhenSettled},
    ControlRow{T::Label, "Label4", "THeight", {8, 348, 66, 362}, {}, 0, 0, kLime},
    ControlRow{T::SpinEdit, "SpinEdit4", "", {70, 344, 140, 365}, "TranHeight", 8, 99999, 0, Cap::ScreenHeight, {}, {}, Apply::WhenSettled},
};
// clang-format on

}  // namespace

const std::span<const ControlRow> kFaceDialogRows = kRows;

BrowsedFolder FolderOfPick(std::string_view path) {
    const size_t slash = path.find_last_of("\\/");
    BrowsedFolder browsed;
    if (!path.empty()) browsed.letter = std::string(1, path.front());
    if (slash != std::string_view::npos) browsed.folder = std::string(path.substr(0, slash));
    // "C:\face.bmp" lies in "C:\", not in "C:".
    if (browsed.folder.size() == 2 && browsed.folder[1] == ':') browsed.folder += '\\';
    return browsed;
}

}  // namespace marvix
