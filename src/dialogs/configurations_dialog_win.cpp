#include "dialogs/configurations_dialog_win.h"

#include "app/application_win.h"
#include "app/clock_messages.h"
#include "app/clock_window_win.h"
#include "base/message_seam_win.h"
#include "settings/config_file.h"

namespace marvix {

namespace {

// clang-format off
constexpr DialogLayout kLayout{
    "TForm8", "Configurations", {162, 328}, 0x00800040, {140, 30}, false,
    kButtons | kCheckBoxes | kEdits | kGroupBoxes | kLabels | kPanels | kRadioGroups,
    Clamp::OnActivationUnlessIgnored, false,
};
// clang-format on

std::string CurrentFolder() {
    char folder[MAX_PATH];
    const DWORD length = GetCurrentDirectoryA(MAX_PATH, folder);
    return length > 0 && length < MAX_PATH ? std::string(folder, length) : std::string(".");
}

std::string InFolder(const std::string& folder, const std::string& name) {
    // A name that names its own folder or drive stands as it is.
    if (name.find_first_of("\\/:") != std::string::npos) return name;
    return folder + (folder.empty() || folder.back() == '\\' ? "" : "\\") + name;
}

}  // namespace

TForm8::TForm8(Application& app) : SettingsDialog(app, kLayout) {}

void TForm8::CreateControls() {
    AddControl(kLabels, "STATIC", "Load  Clock Configuration", SS_CENTER,
               Rect::At({0, 8}, {162, 14}), Label1);
    AddControl(kLists, "COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP,
               Rect::At({8, 24}, {145, 200}), DriveComboBox1);
    AddControl(kLists, "LISTBOX", "", LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP,
               Rect::At({8, 48}, {145, 97}), DirectoryListBox1);
    AddControl(kLists, "LISTBOX", "", LBS_NOTIFY | LBS_SORT | WS_VSCROLL | WS_BORDER | WS_TABSTOP,
               Rect::At({8, 152}, {145, 97}), FileListBox1);
    AddControl(kPanels, "STATIC", "", SS_ETCHEDHORZ, Rect::At({0, 256}, {170, 5}), Panel1);
    AddControl(kLabels, "STATIC", "Save  Clock Configuration", SS_CENTER,
               Rect::At({0, 264}, {162, 14}), Label2);
    AddControl(kEdits, "EDIT", "", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP,
               Rect::At({8, 280}, {145, 21}), Edit1);
    AddControl(kButtons, "BUTTON", "Save", BS_PUSHBUTTON | WS_TABSTOP,
               Rect::At({8, 304}, {145, 17}), Button1);
    Relist();
}

void TForm8::Relist() {
    // The lists come from the platform's own directory listing; each call also takes the
    // folder it is given as the current one.
    char path[MAX_PATH];
    lstrcpynA(path, CurrentFolder().c_str(), MAX_PATH);
    DlgDirListComboBoxA(Window(), path, DriveComboBox1, 0, DDL_DRIVES | DDL_EXCLUSIVE);
    lstrcpynA(path, "*.*", MAX_PATH);
    DlgDirListA(Window(), path, DirectoryListBox1, 0, DDL_DIRECTORY | DDL_EXCLUSIVE);
    lstrcpynA(path, "*.ccf", MAX_PATH);
    DlgDirListA(Window(), path, FileListBox1, 0, DDL_READWRITE | DDL_ARCHIVE);
}

std::string TForm8::SelectedFile() const {
    HWND list = GetDlgItem(Window(), FileListBox1);
    const LRESULT index = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR) return {};
    const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, WPARAM(index), 0);
    if (length == LB_ERR || length >= MAX_PATH) return {};
    char name[MAX_PATH];
    SendMessageA(list, LB_GETTEXT, WPARAM(index), LPARAM(name));
    return name;
}

void TForm8::FileListBox1Click() {
    // The bare name, so that "Save" writes over the file just picked.
    SetDlgItemTextA(Window(), Edit1, SelectedFile().c_str());
}

void TForm8::FileListBox1DblClick() {
    const std::string name = SelectedFile();
    if (!name.empty()) app_.Clock().LoadConfiguration(InFolder(CurrentFolder(), name));
}

void TForm8::DirectoryListBox1DblClick() {
    char folder[MAX_PATH] = {};
    if (DlgDirSelectExA(Window(), folder, MAX_PATH, DirectoryListBox1)) {
        SetCurrentDirectoryA(folder);
        Relist();
    }
}

void TForm8::DriveComboBox1Change() {
    char drive[MAX_PATH] = {};
    DlgDirSelectComboBoxExA(Window(), drive, MAX_PATH, DriveComboBox1);
    SetCurrentDirectoryA(drive);
    Relist();
}

void TForm8::Edit1Enter() {
    char typed[MAX_PATH] = {};
    GetDlgItemTextA(Window(), Edit1, typed, MAX_PATH);
    const std::optional<std::string> name = ConfigSaveName(typed);
    if (!name) {
        ShowMessage(kCannotSaveFile);
        return;
    }
    app_.Clock().SaveConfiguration(InFolder(CurrentFolder(), *name));
    Relist();
}

bool TForm8::OnCommand(int id, int notification) {
    if (id == FileListBox1 && notification == LBN_SELCHANGE) FileListBox1Click();
    else if (id == FileListBox1 && notification == LBN_DBLCLK) FileListBox1DblClick();
    else if (id == DirectoryListBox1 && notification == LBN_DBLCLK) DirectoryListBox1DblClick();
    else if (id == DriveComboBox1 && notification == CBN_SELCHANGE) DriveComboBox1Change();
    else if (id == Button1 && notification == BN_CLICKED) Edit1Enter();
    else return false;
    return true;
}

LRESULT TForm8::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CTLCOLORSTATIC) {
        // The two headings: aqua for loading, lime for saving, on the window's purple.
        HDC dc = reinterpret_cast<HDC>(wParam);
        const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
        SetTextColor(dc, id == Label2 ? RGB(0, 255, 0) : RGB(0, 255, 255));
        SetBkColor(dc, Layout().background);
        SetDCBrushColor(dc, Layout().background);
        return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
    }
    return SettingsDialog::HandleMessage(message, wParam, lParam);
}

}  // namespace marvix
