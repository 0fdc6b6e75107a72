#include "dialogs/face_dialog_win.h"

#include "base/message_seam_win.h"
#include "dialogs/face_dialog.h"
#include "windows/choosers_win.h"
#include "windows/login_start_win.h"

namespace marvix {

namespace {

constexpr char kCannotChangeLoginStart[] = "Unable to change whether Marvix starts with Windows.";

bool IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsDrive(const std::string& letter) {
    return GetDriveTypeA((letter.substr(0, 1) + ":\\").c_str()) != DRIVE_NO_ROOT_DIR;
}

}  // namespace

FaceWindow::FaceWindow(SettingsWindowHost& host, const DialogLayout& layout)
    : TableDialog(host, layout, kFaceDialogRows) {}

void FaceWindow::CreateControls() {
    TableDialog::CreateControls();
    // A long file name ends in "..." rather than in a letter cut in half.
    HWND name = Control(IdOf(FaceControl::FaceName));
    SetWindowLongA(name, GWL_STYLE, GetWindowLongA(name, GWL_STYLE) | SS_ENDELLIPSIS | SS_NOPREFIX);
}

void WriteBackWindowSize(ClockParts& clock) {
    const Size face = clock.look.FaceSize();
    const ClockSettings& now = clock.model.Settings();
    if (now.UseWall || (now.TranWidth == face.width && now.TranHeight == face.height)) return;
    ClockSettings& s = clock.model.Edit();
    s.TranWidth = face.width;
    s.TranHeight = face.height;
}

void FaceWindow::BeforeFill() {
    WriteBackWindowSize(host_.Parts());
    shownPlace_ = {INT32_MIN, INT32_MIN};
    shownSize_ = Settings().Size;
    // Only when the user sees the dialog, and once a run: the dialog is filled at every start and
    // activation, and the message box would come back each time.
    if (IsVisible()) ReportMissingFolders();
}

// Which face the clock shows, by its file's name.
void FaceWindow::AfterFill() {
    const ClockSettings& s = Settings();
    const std::string name = s.UseWall ? "a snapshot of the desktop, taken at every start"
                             : s.BackPic.empty()
                                 ? "built in"
                                 : s.BackPic.substr(s.BackPic.find_last_of("\\/") + 1);
    SetWindowTextA(Control(IdOf(FaceControl::FaceName)), ("Face: " + name).c_str());
    ShowStartWithWindows();
}

// As the Run key has it now: a value left by a copy of the program that has since moved is off.
void FaceWindow::ShowStartWithWindows() {
    SendMessageA(Control(IdOf(FaceControl::StartWithWindows)), BM_SETCHECK,
                 StartsWithWindows() ? BST_CHECKED : BST_UNCHECKED, 0);
}

void FaceWindow::ReportMissingFolders() {
    const ClockSettings& s = Settings();
    if (!s.DLetter.empty() && !IsDrive(s.DLetter))
        ReportFailureOnce("Cannot locate drive letter " + s.DLetter);
    if (!s.DDir.empty() && !IsFolder(s.DDir))
        ReportFailureOnce("Cannot locate directory " + s.DDir);
}

// Where the chooser opens: where the user last browsed, while that folder is there.
std::string FaceWindow::StartFolder() const {
    const ClockSettings& s = Settings();
    if (IsFolder(s.DDir)) return s.DDir;
    const std::string face = FolderOfPick(s.BackPic).folder;
    return IsFolder(face) ? face : std::string();
}

void FaceWindow::ChooseFace() {
    const std::optional<std::string> picked = PickFile(Window(), {kFaceFilter, {}, StartFolder()});
    if (!picked) return;
    const BrowsedFolder browsed = FolderOfPick(*picked);
    ClockSettings& s = ChangeSettings();
    s.DLetter = browsed.letter;
    s.DDir = browsed.folder;
    host_.Parts().look.LoadFace(*picked);
    // "TWidth" and "THeight" show the new face's size, and the name its file's.
    ShowSettings();
}

void FaceWindow::Changed(const ControlRow& row) {
    ClockParts& clock = host_.Parts();
    const ClockSettings& s = Settings();
    switch (row.effect) {
        case Effect::Reshape: clock.place.Reshape(); break;
        case Effect::ReshapeRounded:
            if (s.CShape == 2) clock.place.Reshape();
            break;
        case Effect::Restack: clock.place.Restack(); break;
        case Effect::Overlay: clock.place.ApplyOverlay(); break;
        case Effect::Rescale: clock.look.Rescale(); break;
        case Effect::TaskbarButton: clock.place.ShowTaskbarButton(!s.HideMe); break;
        case Effect::MoveClock:
            // The next tick holds the window on the screen unless IgnoreBoundary. A place the
            // user typed is no drag for the live refresh to show.
            clock.place.MoveTo({s.FL, s.FT});
            shownPlace_ = {clock.place.Frame().left, clock.place.Frame().top};
            break;
        case Effect::ResizeSnapshot:
            // Only the snapshot face takes its size from these fields; the size applies once the
            // typing has settled (Apply::WhenSettled), never at each keystroke.
            if (s.UseWall) clock.look.ResizeSnapshot({s.TranWidth, s.TranHeight});
            break;
        case Effect::NameFace:
            // Unticked, the clock gives up the snapshot and has its own face back at once.
            if (!s.UseWall) clock.look.ShowOwnFace();
            AfterFill();
            break;
        case Effect::StartWithWindows:
            if (!SetStartWithWindows(SendMessageA(Control(IdOf(FaceControl::StartWithWindows)),
                                                  BM_GETCHECK, 0, 0) == BST_CHECKED))
                ShowMessage(kCannotChangeLoginStart, MessageStyle::Error);
            ShowStartWithWindows();
            break;
        default: break;
    }
}

void FaceWindow::Pressed(const ControlRow& row) {
    if (row.effect == Effect::ChooseFace) ChooseFace();
    if (row.effect == Effect::StealWallpaper) StealWallpaper();
}

// "Steal Wallpaper Background": the desktop behind the clock becomes its face, at the face's size.
void FaceWindow::StealWallpaper() {
    host_.Parts().look.TakeSnapshot();
    ClockSettings& s = ChangeSettings();
    s.TranWidth = HeldValue(IdOf(FaceControl::SnapshotWidth));
    s.TranHeight = HeldValue(IdOf(FaceControl::SnapshotHeight));
}

// A dragged clock, or one the screen clamp moved: "Left" and "Top" show where it is, and nothing
// else happens.
void FaceWindow::ShowLiveValues() {
    // Ctrl and the wheel change the size behind the field, whose arrows step from what it shows.
    if (Settings().Size != shownSize_) {
        shownSize_ = Settings().Size;
        ShowControl(IdOf(FaceControl::Size));
    }
    const Rect frame = host_.Parts().place.Frame();
    if (frame.left == shownPlace_.x && frame.top == shownPlace_.y) return;
    shownPlace_ = {frame.left, frame.top};
    ShowControl(IdOf(FaceControl::Left));
    ShowControl(IdOf(FaceControl::Top));
}

// "Left" and "Top" show where the clock is, after the screen clamp, rather than where it was
// asked to be: a place typed beyond the screen shows where the clock stopped.
int32_t FaceWindow::Shown(const ControlRow& row, int32_t stored) const {
    if (row.id == IdOf(FaceControl::Left)) return host_.Parts().place.Frame().left;
    if (row.id == IdOf(FaceControl::Top)) return host_.Parts().place.Frame().top;
    return stored;
}

}  // namespace marvix
