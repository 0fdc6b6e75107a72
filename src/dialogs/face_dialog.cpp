#include "dialogs/face_dialog.h"

#include <array>
#include <string>

#include "settings/file_paths.h"

namespace marvix {

namespace {

constexpr uint32_t kWhite = 0x00FFFFFF, kLime = 0x0000FF00;
using T = ControlType;

// "Choose Face..." opens the platform's file chooser in place of the drive, folder and file
// lists of old; a pick loads the face as a double click on the file list did. Below it, the name
// of the face shown. "Start with Windows", under "Hide taskbar", is no setting: it shows and sets
// whether the user's logins start this program.
// clang-format off
constexpr std::array kRows = {
    ControlRow{.type = T::PushButton, .id = IdOf(FaceControl::ChooseFace), .caption = "Choose Face...", .place = {8, 8, 261, 31}, .effect = Effect::ChooseFace},
    ControlRow{.type = T::Label, .id = IdOf(FaceControl::FaceName), .place = {8, 37, 261, 51}, .colour = kWhite},
    ControlRow{.type = T::RadioGroup, .id = IdOf(FaceControl::Shape), .caption = "Clock Shape", .place = {8, 58, 130, 130}, .setting = Setting::CShape, .colour = kWhite, .items = "Round|Square|Both", .effect = Effect::Reshape, .tip = "Round, square, or both: a square whose corners Corner size rounds"},
    ControlRow{.type = T::RadioGroup, .id = IdOf(FaceControl::Stacking), .caption = "Window Position", .place = {138, 58, 261, 130}, .setting = Setting::FacePos, .colour = kWhite, .items = "Top|None|Bottom", .effect = Effect::Restack},
    ControlRow{.type = T::CheckBox, .id = IdOf(FaceControl::IgnoreBoundary), .caption = "Ignore Screen Boundary", .place = {8, 138, 261, 155}, .setting = Setting::IgnoreBoundary, .colour = kWhite},
    ControlRow{.type = T::CheckBox, .id = IdOf(FaceControl::Moveable), .caption = "Moveable", .place = {8, 160, 261, 177}, .setting = Setting::MoveIt, .colour = kWhite},
    ControlRow{.type = T::Label, .caption = "Left", .place = {8, 188, 56, 202}, .colour = kLime},
    ControlRow{.type = T::SpinEdit, .id = IdOf(FaceControl::Left), .place = {60, 184, 130, 205}, .setting = Setting::FL, .minimum = -32000, .maximum = 32000, .cap = Cap::DesktopX, .effect = Effect::MoveClock},
    ControlRow{.type = T::Label, .caption = "Top", .place = {138, 188, 186, 202}, .colour = kLime},
    ControlRow{.type = T::SpinEdit, .id = IdOf(FaceControl::Top), .place = {190, 184, 261, 205}, .setting = Setting::FT, .minimum = -32000, .maximum = 32000, .cap = Cap::DesktopY, .effect = Effect::MoveClock},
    ControlRow{.type = T::Label, .caption = "Corner size", .place = {8, 218, 86, 232}, .colour = kLime},
    ControlRow{.type = T::SpinEdit, .id = IdOf(FaceControl::CornerSize), .place = {90, 214, 160, 235}, .setting = Setting::RSqr, .maximum = 99999, .cap = Cap::FaceWidth, .effect = Effect::ReshapeRounded, .idle = {Setting::CShape, 2, true}},
    ControlRow{.type = T::CheckBox, .id = IdOf(FaceControl::HideTaskbar), .caption = "Hide taskbar", .place = {8, 244, 261, 261}, .setting = Setting::HideMe, .colour = kWhite, .effect = Effect::TaskbarButton},
    ControlRow{.type = T::CheckBox, .id = IdOf(FaceControl::StartWithWindows), .caption = "Start with Windows", .place = {8, 266, 261, 283}, .colour = kWhite, .effect = Effect::StartWithWindows},
    ControlRow{.type = T::Separator, .place = {0, 292, 269, 294}},
    ControlRow{.type = T::PushButton, .id = IdOf(FaceControl::StealWallpaper), .caption = "Steal Wallpaper Background", .place = {8, 302, 230, 325}, .effect = Effect::StealWallpaper},
    ControlRow{.type = T::CheckBox, .id = IdOf(FaceControl::UseWallpaper), .place = {236, 305, 256, 322}, .setting = Setting::UseWall, .colour = kWhite, .effect = Effect::NameFace, .spoken = "Steal Wallpaper Background at every start", .tip = "Take a new snapshot of the desktop behind the clock at every start"},
    ControlRow{.type = T::Label, .caption = "TWidth", .place = {8, 340, 66, 354}, .colour = kLime},
    ControlRow{.type = T::SpinEdit, .id = IdOf(FaceControl::SnapshotWidth), .place = {70, 336, 140, 357}, .setting = Setting::TranWidth, .minimum = 8, .maximum = 99999, .cap = Cap::ScreenWidth, .apply = Apply::WhenSettled, .effect = Effect::ResizeSnapshot, .idle = {Setting::UseWall, 0}, .tip = "Width of the snapshot face, in pixels"},
    ControlRow{.type = T::Label, .caption = "THeight", .place = {8, 370, 66, 384}, .colour = kLime},
    ControlRow{.type = T::SpinEdit, .id = IdOf(FaceControl::SnapshotHeight), .place = {70, 366, 140, 387}, .setting = Setting::TranHeight, .minimum = 8, .maximum = 99999, .cap = Cap::ScreenHeight, .apply = Apply::WhenSettled, .effect = Effect::ResizeSnapshot, .idle = {Setting::UseWall, 0}, .tip = "Height of the snapshot face, in pixels"},
    // The clock as a quiet overlay.
    ControlRow{.type = T::Separator, .place = {0, 396, 269, 398}},
    ControlRow{.type = T::CheckBox, .id = IdOf(FaceControl::ClickThrough), .caption = "Click-through", .place = {8, 405, 130, 422}, .setting = Setting::ClickThrough, .colour = kWhite, .effect = Effect::Overlay, .tip = "Clicks pass through the clock to what is below it; the tray icon still opens the menu"},
    ControlRow{.type = T::Label, .caption = "Opacity", .place = {138, 407, 190, 421}, .colour = kLime},
    ControlRow{.type = T::SpinEdit, .id = IdOf(FaceControl::Opacity), .place = {194, 403, 244, 424}, .setting = Setting::Opacity, .minimum = 20, .maximum = 100, .effect = Effect::Overlay, .tip = "How much of the clock shows, in per cent"},
    ControlRow{.type = T::CheckBox, .id = IdOf(FaceControl::HideForFullScreen), .caption = "Hide over full-screen programs", .place = {8, 428, 261, 445}, .setting = Setting::HideForFullScreen, .colour = kWhite, .tip = "The clock hides while a game or a video fills its monitor"},
    // How the clock is drawn: kept short, so that the window fits a 768-pixel screen at 150 %.
    ControlRow{.type = T::CheckBox, .id = IdOf(FaceControl::SmoothEdges), .caption = "Smooth edges", .place = {8, 450, 130, 467}, .setting = Setting::SmoothEdges, .colour = kWhite, .effect = Effect::Reshape, .tip = "Hands and dials drawn with soft, anti-aliased edges"},
    ControlRow{.type = T::Label, .caption = "Size %", .place = {138, 452, 190, 466}, .colour = kLime},
    ControlRow{.type = T::SpinEdit, .id = IdOf(FaceControl::Size), .place = {194, 448, 244, 469}, .setting = Setting::Size, .minimum = 50, .maximum = 400, .apply = Apply::WhenSettled, .effect = Effect::Rescale, .tip = "The clock's size, in per cent (Ctrl and the mouse wheel over the clock change it too)"},
    ControlRow{.type = T::CheckBox, .id = IdOf(FaceControl::FollowScreenScale), .caption = "Follow the screen's scale", .place = {8, 471, 261, 488}, .setting = Setting::FollowScreenScale, .colour = kWhite, .effect = Effect::Rescale, .tip = "The clock grows with the scale Windows is set to (150 % makes it half as large again)"},
};
// clang-format on

}  // namespace

const std::span<const ControlRow> kFaceDialogRows = kRows;

BrowsedFolder FolderOfPick(std::string_view path) {
    BrowsedFolder browsed;
    if (!path.empty()) browsed.letter = std::string(1, path.front());
    browsed.folder = std::string(FolderOf(path));
    // "C:\face.bmp" lies in "C:\", not in "C:".
    if (browsed.folder.size() == 2 && browsed.folder[1] == ':') browsed.folder += '\\';
    return browsed;
}

}  // namespace marvix
