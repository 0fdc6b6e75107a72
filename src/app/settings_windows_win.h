#pragma once

// The seven settings windows, created hidden at start in their fixed order.

#include <memory>

#include "app/application_win.h"
#include "app/settings_dialog_win.h"

namespace marvix {

std::unique_ptr<SettingsDialog> MakeSettingsWindow(Application& app, DialogId id);

}  // namespace marvix
