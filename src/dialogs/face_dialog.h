#pragma once

// The face dialog FaceWindow, "Marvix Face", as data: the face picker, the window's shape, place
// and z-position, and the desktop snapshot.

#include <span>
#include <string>
#include <string_view>

#include "dialogs/dialog_table.h"

namespace marvix {

// The controls the window or a test reaches.
enum class FaceControl : uint16_t {
    ChooseFace = 1,
    FaceName,
    Shape,
    Stacking,
    IgnoreBoundary,
    Moveable,
    Left,
    Top,
    CornerSize,
    HideTaskbar,
    StartWithWindows,
    StealWallpaper,
    UseWallpaper,
    SnapshotWidth,
    SnapshotHeight,
    ClickThrough,
    Opacity,
    HideForFullScreen,
    SmoothEdges,
    Size,
    FollowScreenScale,
};

extern const std::span<const ControlRow> kFaceDialogRows;

inline constexpr char kFaceFilter[] = "Face pictures|*.bmp;*.jpg;*.jpeg|All Files|*.*";

// Where the user last browsed for faces, as DLetter and DDir hold it: the drive letter and the
// folder of the file picked.
struct BrowsedFolder {
    std::string letter;
    std::string folder;
};
BrowsedFolder FolderOfPick(std::string_view path);

}  // namespace marvix
