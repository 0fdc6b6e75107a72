#pragma once

// The seven settings windows, made for the program that hands them its host: the factory the
// program's entry gives it.

#include <memory>

#include "windows/settings_dialog_win.h"

namespace marvix {

std::unique_ptr<SettingsDialog> MakeSettingsWindow(SettingsWindowHost& host, DialogId id);
// What the hands and face windows write when they are filled, written from the settings alone.
void WriteBackAsFilled(ClockParts& clock);

inline constexpr SettingsWindowFactory kSettingsWindows{.make = MakeSettingsWindow,
                                                        .writeBack = WriteBackAsFilled};

}  // namespace marvix
