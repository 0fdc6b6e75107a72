#include "dialogs/configurations_dialog_win.h"

#include <algorithm>
#include <cctype>

#include "base/colour.h"
#include "base/message_seam_win.h"
#include "base/scoped_handles_win.h"
#include "dialogs/configurations_dialog.h"
#include "settings/config_file.h"
#include "settings/file_paths.h"
#include "windows/accessible_win.h"
#include "windows/clock_messages.h"
#include "windows/login_start_win.h"

namespace marvix {

namespace {

constexpr int kWidth = 220;

// clang-format off
constexpr DialogLayout kLayout{
    .className = "TForm8", .caption = "Configurations", .client = {kWidth, 357}, .background = kWindowPurple,
    .position = {140, 30}, .centred = false,
    .fontKinds = kButtons | kCheckBoxes | kEdits | kGroupBoxes | kLabels | kPanels | kRadioGroups | kLists,
    .clamp = Clamp::OnActivationUnlessIgnored, .createOnActivation = false,
};
// clang-format on

std::string CurrentFolder() {
    char folder[MAX_PATH];
    const DWORD length = GetCurrentDirectoryA(MAX_PATH, folder);
    return length > 0 && length < MAX_PATH ? std::string(folder, length) : std::string(".");
}

bool IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Where the window first opens: the folder a configuration was last loaded from or saved to, else
// the gallery beside the program, else the folder the program started in.
void GoToStartFolder(const std::string& lastUsed) {
    const std::string gallery = std::string(FolderOf(ThisProgram())) + "\\gallery";
    for (const std::string& folder : {lastUsed, gallery}) {
        if (!folder.empty() && IsFolder(folder) && SetCurrentDirectoryA(folder.c_str())) return;
    }
}

std::string InFolder(const std::string& folder, const std::string& name) {
    // A name that names its own folder or drive stands as it is.
    if (name.find_first_of("\\/:") != std::string::npos) return name;
    return folder + (folder.empty() || folder.back() == '\\' ? "" : "\\") + name;
}

// The names in `folder` that match `pattern`: its visible subfolders, or its files.
std::vector<std::string> Names(const std::string& folder, const char* pattern, bool folders) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(InFolder(folder, pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = found.cFileName;
        const bool isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        const bool hidden = (found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) != 0;
        if (isFolder == folders && !hidden && name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

// A fixed disk's label; a removable or network drive is not asked, as it may have no disk in it
// or answer slowly.
std::string VolumeLabel(char letter) {
    const char root[] = {letter, ':', '\\', '\0'};
    const UINT type = GetDriveTypeA(root);
    if (type != DRIVE_FIXED && type != DRIVE_RAMDISK) return {};
    char label[MAX_PATH] = {};
    const UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS);
    const BOOL known =
        GetVolumeInformationA(root, label, MAX_PATH, nullptr, nullptr, nullptr, nullptr, 0);
    SetErrorMode(previous);
    return known ? label : std::string();
}

// Lets a list scroll sideways to its longest line, in the font it draws with.
void FitWidthToItems(HWND list) {
    const BorrowedDc borrowed(list);
    if (!borrowed) return;
    HDC dc = borrowed.Get();
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(list, WM_GETFONT, 0, 0));
    HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
    int widest = 0;
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        char text[MAX_PATH] = {};
        if (SendMessageA(list, LB_GETTEXTLEN, WPARAM(i), 0) >= MAX_PATH) continue;
        SendMessageA(list, LB_GETTEXT, WPARAM(i), LPARAM(text));
        SIZE extent{};
        GetTextExtentPoint32A(dc, text, lstrlenA(text), &extent);
        widest = std::max(widest, int(extent.cx));
    }
    if (old) SelectObject(dc, old);
    SendMessageA(list, LB_SETHORIZONTALEXTENT, WPARAM(widest + 6), 0);
}

}  // namespace

ConfigurationsWindow::ConfigurationsWindow(SettingsWindowHost& host)
    : SettingsDialog(host, kLayout) {}

void ConfigurationsWindow::CreateControls() {
    constexpr int kInner = kWidth - 16;
    constexpr DWORD kList =
        LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL | WS_BORDER | WS_TABSTOP;
    Controls().Add(kLabels, "STATIC", "Load  Clock Configuration", SS_CENTER,
                   Rect::At({0, 8}, {kWidth, 14}), kLoadHeading);
    HWND drives = Controls().Add(kLists, "COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP,
                                 Rect::At({8, 26}, {kInner, 200}), kDriveBox);
    Controls().Add(kLabels, "STATIC", "", SS_LEFT | SS_PATHELLIPSIS | SS_NOPREFIX,
                   Rect::At({8, 52}, {kInner, 14}), kFolderPath);
    HWND folders =
        Controls().Add(kLists, "LISTBOX", "", kList, Rect::At({8, 68}, {kInner, 97}), kFolderList);
    HWND files = Controls().Add(kLists, "LISTBOX", "", kList | LBS_SORT,
                                Rect::At({8, 172}, {kInner, 97}), kFileList);
    // Two short: an etched line's window grows two pixels along it.
    Controls().Add(kPanels, "STATIC", "", SS_ETCHEDHORZ, Rect::At({0, 277}, {kWidth - 2, 2}),
                   kSeparator);
    Controls().Add(kLabels, "STATIC", "Save  Clock Configuration", SS_CENTER,
                   Rect::At({0, 285}, {kWidth, 14}), kSaveHeading);
    HWND saveName = Controls().Add(kEdits, "EDIT", "", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP,
                                   Rect::At({8, 302}, {kInner, 21}), kNameBox);
    Controls().Add(kButtons, "BUTTON", "Save", BS_PUSHBUTTON | WS_TABSTOP,
                   Rect::At({8, 328}, {kInner, 23}), kSaveButton);
    // The lists and the field have no label of their own beside them: what a screen reader
    // calls them.
    DescribeControl(drives, {.name = "Load from drive"});
    DescribeControl(folders, {.name = "Load from folder"});
    DescribeControl(files, {.name = "Configuration to load"});
    DescribeControl(saveName, {.name = "Save as"});
}

// Listed when first shown: asking every drive for its label has no place in a clock's start.
void ConfigurationsWindow::CreateControlsForShowing() {
    GoToStartFolder(host_.Parts().model.Settings().ConfigFolder);
    Relist();
}

HWND ConfigurationsWindow::InitialFocus() const { return GetDlgItem(Window(), kFileList); }

void ConfigurationsWindow::Relist() {
    const std::string folder = CurrentFolder();
    ListDrives(folder);
    ListFolders(folder);
    ShowFolder(folder);
}

// The folder highlighted is the folder whose path and files show: a single click on a folder
// shows its files, a double click (or Enter) opens it in the tree.
void ConfigurationsWindow::ShowFolder(const std::string& folder) {
    shownFolder_ = folder;
    SetDlgItemTextA(Window(), kFolderPath, folder.c_str());
    ListFiles(folder);
}

void ConfigurationsWindow::FolderPicked() {
    const LRESULT index = SendMessageA(GetDlgItem(Window(), kFolderList), LB_GETCURSEL, 0, 0);
    if (index >= 0 && size_t(index) < folderPaths_.size()) ShowFolder(folderPaths_[size_t(index)]);
}

void ConfigurationsWindow::RememberFolder() {
    if (host_.Parts().model.Settings().ConfigFolder != shownFolder_)
        host_.Parts().model.Edit().ConfigFolder = shownFolder_;
}

void ConfigurationsWindow::ListDrives(const std::string& folder) {
    HWND box = GetDlgItem(Window(), kDriveBox);
    SendMessageA(box, CB_RESETCONTENT, 0, 0);
    const char current = folder.size() >= 2 && folder[1] == ':'
                             ? char(std::toupper(static_cast<unsigned char>(folder[0])))
                             : '\0';
    const DWORD drives = GetLogicalDrives();
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if (!(drives & (1u << (letter - 'A')))) continue;
        const std::string text = DriveText(letter, VolumeLabel(letter));
        const LRESULT item = SendMessageA(box, CB_ADDSTRING, 0, LPARAM(text.c_str()));
        if (item < 0) continue;
        SendMessageA(box, CB_SETITEMDATA, WPARAM(item), LPARAM(letter));
        if (letter == current) SendMessageA(box, CB_SETCURSEL, WPARAM(item), 0);
    }
}

void ConfigurationsWindow::ListFolders(const std::string& folder) {
    HWND list = GetDlgItem(Window(), kFolderList);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    folderPaths_.clear();
    for (FolderEntry& entry : FolderTree(folder, Names(folder, "*", true))) {
        SendMessageA(list, LB_ADDSTRING, 0, LPARAM(entry.text.c_str()));
        folderPaths_.push_back(std::move(entry.path));
    }
    const WPARAM current = CurrentFolderIndex(folder);
    SendMessageA(list, LB_SETCURSEL, current, 0);
    SendMessageA(list, LB_SETTOPINDEX, current > 2 ? current - 2 : 0, 0);
    FitWidthToItems(list);
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

void ConfigurationsWindow::ListFiles(const std::string& folder) {
    HWND list = GetDlgItem(Window(), kFileList);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& name : Names(folder, "*.ccf", false))
        SendMessageA(list, LB_ADDSTRING, 0, LPARAM(name.c_str()));
    FitWidthToItems(list);
}

std::string ConfigurationsWindow::SelectedFile() const {
    HWND list = GetDlgItem(Window(), kFileList);
    const LRESULT index = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR) return {};
    const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, WPARAM(index), 0);
    if (length == LB_ERR || length >= MAX_PATH) return {};
    char name[MAX_PATH];
    SendMessageA(list, LB_GETTEXT, WPARAM(index), LPARAM(name));
    return name;
}

void ConfigurationsWindow::FilePicked() {
    // The bare name, so that "Save" writes over the file just picked.
    SetDlgItemTextA(Window(), kNameBox, SelectedFile().c_str());
}

void ConfigurationsWindow::LoadPickedFile() {
    const std::string name = SelectedFile();
    if (!name.empty() && host_.Parts().files.LoadConfiguration(InFolder(shownFolder_, name)))
        RememberFolder();
}

void ConfigurationsWindow::OpenPickedFolder() {
    const LRESULT index = SendMessageA(GetDlgItem(Window(), kFolderList), LB_GETCURSEL, 0, 0);
    if (index < 0 || size_t(index) >= folderPaths_.size()) return;
    if (SetCurrentDirectoryA(folderPaths_[size_t(index)].c_str())) Relist();
}

void ConfigurationsWindow::OpenPickedDrive() {
    HWND box = GetDlgItem(Window(), kDriveBox);
    const LRESULT item = SendMessageA(box, CB_GETCURSEL, 0, 0);
    if (item < 0) return;
    const char letter = char(SendMessageA(box, CB_GETITEMDATA, WPARAM(item), 0));
    // "C:" is the folder last current on that drive; its root when there is none.
    const char drive[] = {letter, ':', '\0'}, root[] = {letter, ':', '\\', '\0'};
    if (!SetCurrentDirectoryA(drive)) SetCurrentDirectoryA(root);
    Relist();
}

// Why a typed name cannot be saved under, as the message says it, if it cannot.
std::optional<std::string> ConfigurationsWindow::SaveNameProblem(const std::string& typed) const {
    if (typed.empty()) return NamingFile(kCannotSaveFile, "No file name was given.");
    const std::string path = InFolder(shownFolder_, typed);
    // A typed name may name its own folder or drive ("D:\\clocks\\desk"): only the file's own
    // name is held to what a file name can hold.
    std::string_view own(typed);
    own.remove_prefix(own.find_last_of("\\/") + 1);
    if (own.size() == typed.size() && own.size() >= 2 && own[1] == ':') own.remove_prefix(2);
    if (const std::optional<char> c = ForbiddenFileNameCharacter(own)) {
        return NamingFile(kCannotSaveFile, path,
                          std::string("A file name cannot hold the character \"") + *c + "\".");
    }
    if (!ConfigSaveName(typed))
        return NamingFile(kCannotSaveFile, path, "A name is needed before \".ccf\".");
    return std::nullopt;
}

void ConfigurationsWindow::SaveUnderTypedName() {
    char typed[MAX_PATH] = {};
    GetDlgItemTextA(Window(), kNameBox, typed, MAX_PATH);
    if (const std::optional<std::string> problem = SaveNameProblem(typed)) {
        ShowMessage(*problem);
        return;
    }
    const std::optional<std::string> name = ConfigSaveName(typed);
    const std::string path = InFolder(shownFolder_, *name);
    // A click on Save right after a file was picked names that file: it is replaced only when the
    // user says so (a gallery file, say, is no scratch pad).
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES &&
        !AskYesNo("Replace " + *name + "?")) {
        return;
    }
    // A name with its own folder saves there; the window goes on showing its own.
    if (host_.Parts().files.SaveConfiguration(path) && FolderOf(path) == shownFolder_)
        RememberFolder();
    ListFiles(shownFolder_);
}

// Enter does what a double click would on a list, and saves from the name box.
void ConfigurationsWindow::EnterPressed(HWND focus) {
    switch (GetDlgCtrlID(focus)) {
        case kNameBox: SaveUnderTypedName(); break;
        case kFileList: LoadPickedFile(); break;
        case kFolderList: OpenPickedFolder(); break;
    }
}

bool ConfigurationsWindow::OnCommand(int id, int notification) {
    if (id == kFileList && notification == LBN_SELCHANGE) FilePicked();
    else if (id == kFolderList && notification == LBN_SELCHANGE) FolderPicked();
    else if (id == kFileList && notification == LBN_DBLCLK) LoadPickedFile();
    else if (id == kFolderList && notification == LBN_DBLCLK) OpenPickedFolder();
    else if (id == kDriveBox && notification == CBN_SELCHANGE) OpenPickedDrive();
    else if (id == kSaveButton && notification == BN_CLICKED) SaveUnderTypedName();
    else return false;
    return true;
}

LRESULT ConfigurationsWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CTLCOLORSTATIC) {
        // The two headings, aqua for loading and lime for saving, and the folder in white, on
        // the window's purple.
        HDC dc = reinterpret_cast<HDC>(wParam);
        const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
        const COLORREF wanted = id == kSaveHeading  ? RGB(0, 255, 0)
                                : id == kFolderPath ? RGB(255, 255, 255)
                                                    : RGB(0, 255, 255);
        SetTextColor(dc, ReadableOn(Colour{Layout().background}, Colour{wanted}).value);
        SetBkColor(dc, Layout().background);
        return reinterpret_cast<LRESULT>(BackgroundBrush());
    }
    return SettingsDialog::HandleMessage(message, wParam, lParam);
}

}  // namespace marvix
