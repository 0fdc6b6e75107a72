#pragma once

// A procedure of ours in front of a control's own: a subclass of the classic kind, which needs
// nothing from the common controls (they load only when a settings window first shows). Each hook
// sees the control's messages first and answers one (a result) or lets it go on (none). A control
// keeps one hook under each name, in the order they came; hooking it again under a name replaces
// that hook. The hooks live until the control is destroyed.

#include <windows.h>

#include <functional>
#include <optional>

namespace marvix {

using ControlHook =
    std::function<std::optional<LRESULT>(HWND control, UINT message, WPARAM wParam, LPARAM lParam)>;

// `name` is a literal: the hooks keep it.
void HookControl(HWND control, const char* name, ControlHook hook);

}  // namespace marvix
