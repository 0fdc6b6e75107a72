#include "dialogs/face_dialog.h"

#include <array>
#include <string>

namespace marvix {

namespace {

constexpr uint32_t kWhite = 0x00FFFFFF, kLime = 0x0000FF00;
using T = ControlType;

// "Choose Face..." opens the platform's file chooser in place of the drive, folder and file
// lists of old; a pick loads the face as a double click on the file list did.
// clang-format off
constexpr std::array kRows = {
    ControlRow{T::PushButton, "Button2", "Choose Face...", {8, 8, 261, 31}},
    ControlRow{T::RadioGroup, "RadioGroup1", "Clock Shape", {8, 40, 130, 112}, "CShape", 0, 0, kWhite, Cap::None, "Round|Square|Both"},
    ControlRow{T::RadioGroup, "RadioGroup2", "Window Position", {138, 40, 261, 112}, "FacePos", 0, 0, kWhite, Cap::None, "Top|None|Bottom"},
    ControlRow{T::CheckBox, "CheckBox4", "Ignore Screen Boundary", {8, 120, 261, 137}, "IgnoreBoundary", 0, 0, kWhite},
    ControlRow{T::CheckBox, "CheckBox2", "Moveable", {8, 142, 261, 159}, "MoveIt", 0, 0, kWhite},
    ControlRow{T::Label, "Label1", "Left", {8, 170, 56, 184}, {}, 0, 0, kLime},
    ControlRow{T::SpinEdit, "SpinEdit1", "", {60, 166, 130, 187}, "FL", 8, 9999},
    ControlRow{T::Label, "Label2", "Top", {138, 170, 186, 184}, {}, 0, 0, kLime},
    ControlRow{T::SpinEdit, "SpinEdit2", "", {190, 166, 261, 187}, "FT", 8, 9999},
    ControlRow{T::Label, "Label22", "Corner size", {8, 200, 86, 214}, {}, 0, 0, kLime},
    ControlRow{T::SpinEdit, "SpinEdit32", "", {90, 196, 160, 217}, "RSqr", 0, 99999, 0, Cap::FaceWidth},
    ControlRow{T::CheckBox, "CheckBox1", "Hide taskbar", {8, 226, 261, 243}, "HideMe", 0, 0, kWhite},
    ControlRow{T::PushButton, "Button1", "Steal Wallpaper Background", {8, 256, 230, 279}},
    ControlRow{T::CheckBox, "CheckBox3", "", {236, 259, 256, 276}, "UseWall", 0, 0, kWhite},
    ControlRow{T::Label, "Label3", "TWidth", {8, 294, 66, 308}, {}, 0, 0, kLime},
    ControlRow{T::SpinEdit, "SpinEdit3", "", {70, 290, 140, 311}, "TranWidth", 8, 99999, 0, Cap::ScreenWidth},
    ControlRow{T::Label, "Label4", "THeight", {8, 324, 66, 338}, {}, 0, 0, kLime},
    ControlRow{T::SpinEdit, "SpinEdit4", "", {70, 320, 140, 341}, "TranHeight", 8, 99999, 0, Cap::ScreenHeight},
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
