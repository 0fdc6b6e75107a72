#pragma once

// The seven settings windows, made for the program that hands them its host: the factory the
// program's entry gives it.

#include <memory>

#include "windows/settings_dialog_win.h"

namespace marvix {

std::unique_ptr<SettingsDialog> MakeSettingsWindow(SettingsWindowHost& host, DialogId id);

}  // namespace marvix
