#include "windows/control_hook_win.h"

#include <cstring>
#include <memory>
#include <utility>
#include <vector>

namespace marvix {

namespace {

// The control's own procedure, and the hooks put in front of it.
struct Hooks {
    WNDPROC previous = nullptr;
    std::vector<std::pair<const char*, ControlHook>> hooks;
};

constexpr char kHooksProperty[] = "Marvix.Hooks";

LRESULT CALLBACK HookedProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* hooks = static_cast<Hooks*>(GetPropA(control, kHooksProperty));
    if (!hooks) return DefWindowProcA(control, message, wParam, lParam);
    const WNDPROC previous = hooks->previous;
    if (message == WM_NCDESTROY) {
        RemovePropA(control, kHooksProperty);
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        delete hooks;
    } else {
        for (const auto& [name, hook] : hooks->hooks) {
            if (const std::optional<LRESULT> answer = hook(control, message, wParam, lParam))
                return *answer;
        }
    }
    return CallWindowProcA(previous, control, message, wParam, lParam);
}

}  // namespace

void HookControl(HWND control, const char* name, ControlHook hook) {
    if (!control) return;
    auto* hooks = static_cast<Hooks*>(GetPropA(control, kHooksProperty));
    if (!hooks) {
        auto owned = std::make_unique<Hooks>();
        if (!SetPropA(control, kHooksProperty, owned.get())) return;
        owned->previous = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HookedProc)));
        hooks = owned.release();  // freed at WM_NCDESTROY
    }
    for (auto& [existing, old] : hooks->hooks) {
        if (std::strcmp(existing, name) == 0) {
            old = std::move(hook);
            return;
        }
    }
    hooks->hooks.emplace_back(name, std::move(hook));
}

}  // namespace marvix
