// A screen reader's view of the program, from a process of its own, as a screen reader has it.
//
//   accessible_reader names HWND...  one line per window: "role<TAB>name" of its client object
//   accessible_reader events HWND    "ready", then a line "name" for every name change of the
//                                    window's client object, until it is ended
//
// Windows are given as decimal handles. Lines are in the ANSI code page and flushed at once.

#include <oleacc.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

HWND watched = nullptr;

std::string Narrow(BSTR text) {
    if (!text) return "";
    const int wide = static_cast<int>(SysStringLen(text));
    const int length = WideCharToMultiByte(CP_ACP, 0, text, wide, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, wide, narrow.data(), length, nullptr, nullptr);
    return narrow;
}

void PrintRoleAndName(HWND window) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, OBJID_CLIENT, IID_IAccessible,
                                          reinterpret_cast<void**>(&object)))) {
        std::printf("none\t\n");
        return;
    }
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    VARIANT role;
    VariantInit(&role);
    BSTR name = nullptr;
    object->get_accRole(self, &role);
    object->get_accName(self, &name);
    std::printf("%ld\t%s\n", role.vt == VT_I4 ? role.lVal : -1L, Narrow(name).c_str());
    SysFreeString(name);
    object->Release();
}

void CALLBACK NameChanged(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD,
                          DWORD) {
    if (window == watched && object == OBJID_CLIENT && child == CHILDID_SELF) {
        std::printf("name\n");
        std::fflush(stdout);
    }
}

HWND WindowOf(const char* decimal) {
    return reinterpret_cast<HWND>(static_cast<INT_PTR>(std::strtoul(decimal, nullptr, 10)));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const std::string mode = argv[1];
    if (mode == "names") {
        for (int i = 2; i < argc; ++i) PrintRoleAndName(WindowOf(argv[i]));
        std::fflush(stdout);
        CoUninitialize();
        return 0;
    }
    if (mode != "events") return 2;
    watched = WindowOf(argv[2]);
    // Every process, the clock's included: Wine 8 misapplies WINEVENT_SKIPOWNPROCESS.
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr,
                                         NameChanged, 0, 0, WINEVENT_OUTOFCONTEXT);
    if (!hook) return 3;
    std::printf("ready\n");
    std::fflush(stdout);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    UnhookWinEvent(hook);
    CoUninitialize();
    return 0;
}
