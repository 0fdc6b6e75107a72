#pragma once

// ConfigurationsWindow, "Configurations": the drives, the folder tree down to the current folder and its
// subfolders, the current folder's path, its "*.ccf" files to load from (double click or Enter),
// and a name box with "Save" (or Enter). The folder opened is the process's current folder; the
// folder shown, whose files are listed and where a bare name is saved, is the one highlighted. It
// first opens where a configuration was last loaded or saved, else in the gallery.

#include <optional>
#include <string>
#include <vector>

#include "windows/settings_dialog_win.h"

namespace marvix {

class ConfigurationsWindow final : public SettingsDialog {
public:
    explicit ConfigurationsWindow(SettingsWindowHost& host);

    // clang-format off
    enum ControlId {
        kDriveBox = 801, kFolderList, kFileList, kNameBox, kSaveButton, kLoadHeading, kSaveHeading, kSeparator,
        kFolderPath,
    };
    // clang-format on

    // The handlers, public so that tests drive them as a user's clicks would.
    void FilePicked();
    void FolderPicked();  // a single click: the folder's files shown
    void LoadPickedFile();
    void OpenPickedFolder();
    void OpenPickedDrive();
    void SaveUnderTypedName();  // "Save"
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
    std::optional<std::string> SaveNameProblem(const std::string& typed) const;
    void ListDrives(const std::string& folder);
    void ListFolders(const std::string& folder);
    void ListFiles(const std::string& folder);
    std::string SelectedFile() const;
    void ShowFolder(const std::string& folder);
    void RememberFolder();

    std::vector<std::string> folderPaths_;  // per item of the folder list: the folder it opens
    std::string shownFolder_;
};

}  // namespace marvix
