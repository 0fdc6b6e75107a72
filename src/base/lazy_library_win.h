#pragma once

// System functions from DLLs the clock seldom needs, loaded at their first use rather than at
// start. A clock can run all day without opening a chooser or playing a sound, and each of these
// DLLs brings others with it: the common dialogs alone pull in the shell and the print spooler,
// over a megabyte of resident memory.

#include <windows.h>

#include "base/scoped_handles_win.h"

namespace marvix {

// The function `name` of a loaded module, as the type it has; nullptr when it has none.
template <typename Function>
Function FunctionIn(HMODULE module, const char* name) {
    return module
               ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)))
               : nullptr;
}

// The function `name` of `module`, loading the module once (it stays for the life of the
// process); nullptr when either cannot be found.
template <typename Function>
Function LazyFunction(const char* module, const char* name) {
    HMODULE loaded = GetModuleHandleA(module);
    if (!loaded) loaded = LoadLibraryA(module);
    return FunctionIn<Function>(loaded, name);
}

}  // namespace marvix
