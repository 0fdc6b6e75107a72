#pragma once

// TForm8, "Configurations": a drive box, a folder list and the "*.ccf" files of the folder to
// load from (double click), and a name box with "Save". The folder shown is the process's
// current folder, so a bare name is saved there.

#include <string>

#include "app/settings_dialog_win.h"

namespace marvix {

class TForm8 final : public SettingsDialog {
public:
    explicit TForm8(Application& app);

    // clang-format off
    enum ControlId {
        DriveComboBox1 = 801, DirectoryListBox1, FileListBox1, Edit1, Button1, Label1, Label2, Panel1,
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
    bool OnCommand(int id, int notification) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::string SelectedFile() const;
};

}  // namespace marvix
