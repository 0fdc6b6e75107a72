#pragma once

// FaceWindow, "Marvix Face": the face picture and everything about the clock window's outline and
// place. Every change shows on the clock window at once; while the dialog is open, dragging the
// clock shows in "Left" and "Top".

#include <windows.h>

#include "dialogs/table_dialog_win.h"

namespace marvix {

// What the window writes whenever it is filled: without the snapshot face, "TWidth" and "THeight"
// are the window's own size, kept so that ticking the snapshot box keeps the window's size at the
// next start.
void WriteBackWindowSize(ClockParts& clock);

class FaceWindow final : public TableDialog {
public:
    FaceWindow(SettingsWindowHost& host, const DialogLayout& layout);
    void ShowLiveValues() override;

protected:
    void CreateControls() override;
    void BeforeFill() override;
    void AfterFill() override;
    void Changed(const ControlRow& row) override;
    void Pressed(const ControlRow& row) override;
    int32_t Shown(const ControlRow& row, int32_t stored) const override;

private:
    void ChooseFace();
    void StealWallpaper();
    void ReportMissingFolders();
    void ShowStartWithWindows();
    std::string StartFolder() const;

    POINT shownPlace_{INT32_MIN, INT32_MIN};  // where Left and Top last showed the clock
    int32_t shownSize_ = 0;                   // what "Size %" last showed
};

}  // namespace marvix
