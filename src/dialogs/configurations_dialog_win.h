#pragma once

// TForm8, "Configurations": the drives, the folder tree down to the current folder and its
// subfolders, the current folder's path, its "*.ccf" files to load from (double click or Enter),
// and a name box with "Save" (or Enter). The folder shown is the process's current folder, so a
// bare name is saved there.

#include <string>
#include <vector>

#include "app/settings_dialog_win.h"

namespace marvix {

class TForm8 final : public SettingsDialog {
public:
    explicit TForm8(Application& app);

    // clang-format off
    enum ControlId {
        DriveComboBox1 = 801, DirectoryListBox1, FileListBox1, Edit1, Button1, Label1, Label2, Panel1,
        FolderPath,
    };
    // clang-format on

    // The handlers, public so that tests drive them as a user's clicks would.
    void FileListBox1Click();
    void FileListBox1DblClick();
    void DirectoryListBox1DblClick();
    void DriveComboBox1Change();
    void Edit1Enter();  // "Save"
    // Shows the current folder's drives, folders and files again.
    void Relist();

protected:
    void CreateControls() override;
    void CreateControlsForShowing() override;
    HWND InitialFocus() const override;
    void EnterPressed(HWND focus) override;
    bool OnCommand(int id, int notification) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void ListDrives(const std::string& folder);
    void ListFolders(const std::string& folder);
    void ListFiles(const std::string& folder);
    std::string SelectedFile() const;

    std::vector<std::string> folderPaths_;  // per item of the folder list: the folder it opens
};

}  // namespace marvix
