// The setup program as a user or an administrator runs it, silently: what it installs, what the
// installed programs do, what installing again does to a running clock, and what the uninstaller
// takes away and leaves.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "../support/programs_win.h"
#include "base/ascii.h"
#include "base/scoped_handles_win.h"
#include "base/version.h"
#include "settings/clock_keys_win.h"
#include "settings/registry_store_win.h"
#include "windows/login_start.h"

namespace marvix {
namespace {

constexpr char kUninstallKeyPath[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Marvix";

std::string BuildFolder() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    folder.resize(folder.find_last_of('\\'));
    return folder.substr(0, folder.find_last_of('\\'));
}

std::string SetupProgram() { return "\"" + BuildFolder() + "\\marvix-" MARVIX_VERSION_TEXT "-setup.exe\""; }

std::string ShellFolder(int id) {
    char path[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, id, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

// Where a user's programs go: %LOCALAPPDATA%\Programs.
std::string InstallFolder() { return ShellFolder(CSIDL_LOCAL_APPDATA) + "\\Programs\\Marvix"; }
std::string Installed(const std::string& file) { return InstallFolder() + "\\" + file; }
std::string Shortcut() { return ShellFolder(CSIDL_PROGRAMS) + "\\Marvix.lnk"; }

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// What a shortcut starts.
std::string ShortcutTarget(const std::string& link) {
    CoInitialize(nullptr);
    std::string target;
    IShellLinkA* shell = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&shell)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(shell->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            wchar_t wide[MAX_PATH];
            MultiByteToWideChar(CP_ACP, 0, link.c_str(), -1, wide, MAX_PATH);
            char path[MAX_PATH] = {};
            if (SUCCEEDED(file->Load(wide, STGM_READ)) &&
                SUCCEEDED(shell->GetPath(path, MAX_PATH, nullptr, 0)))
                target = path;
            file->Release();
        }
        shell->Release();
    }
    CoUninitialize();
    return target;
}

bool UninstallEntryExists() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kUninstallKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

std::string UninstallText(const char* name) {
    char text[MAX_PATH * 2] = {};
    DWORD size = sizeof text - 1;
    RegGetValueA(HKEY_CURRENT_USER, kUninstallKeyPath, name, RRF_RT_REG_SZ, nullptr, text, &size);
    return text;
}

DWORD UninstallNumber(const char* name) {
    DWORD number = 0, size = sizeof number;
    RegGetValueA(HKEY_CURRENT_USER, kUninstallKeyPath, name, RRF_RT_REG_DWORD, nullptr, &number,
                 &size);
    return number;
}

class InstallerTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The session's prefix is fresh: nothing has installed Marvix in it.
        ASSERT_FALSE(Exists(InstallFolder()));
        RemoveRunValue();
        Win32Registry().WriteValue("Tray", "false");  // a user's setting
    }
    void TearDown() override {
        if (UninstallEntryExists()) Uninstall("/S");
        LeaveNoClockBehind();
    }

    static void Install() { ASSERT_EQ(RunToEnd(SetupProgram() + " /S"), 0u); }
    // The uninstaller runs from a copy of itself, so that it can remove its own file: the program
    // started ends at once, and the work is done when the uninstall entry, removed last, is gone.
    static void Uninstall(const std::string& options) {
        ASSERT_EQ(RunToEnd("\"" + Installed("uninstall.exe") + "\" " + options), 0u);
        ASSERT_TRUE(Within(30000, [] { return !UninstallEntryExists(); }));
    }
};

TEST_F(InstallerTest, ASilentInstallPutsEverythingInPlaceAndASilentUninstallLeavesOnlyTheSettings) {
    Install();
    for (const char* file : {"marvix.exe", "marvix-render.exe", "README.txt", "LICENSE.txt",
                             "uninstall.exe", "gallery\\desk.ccf", "gallery\\faces\\desk.bmp"})
        EXPECT_TRUE(Exists(Installed(file))) << file;
    EXPECT_TRUE(EqualsIgnoringAsciiCase(ShortcutTarget(Shortcut()), Installed("marvix.exe")))
        << ShortcutTarget(Shortcut());
    EXPECT_EQ(UninstallText("DisplayName"), "Marvix");
    EXPECT_EQ(UninstallText("DisplayVersion"), MARVIX_VERSION_TEXT);
    EXPECT_EQ(UninstallText("Publisher"), "The Marvix developers");
    EXPECT_EQ(UninstallText("DisplayIcon"), "\"" + Installed("marvix.exe") + "\",0");
    EXPECT_EQ(UninstallText("UninstallString"), "\"" + Installed("uninstall.exe") + "\"");
    EXPECT_GT(UninstallNumber("EstimatedSize"), 1000u) << "KB: both programs and the gallery";
    EXPECT_EQ(RunValue(), "") << "offered, not ticked in advance";

    // The installed render tool draws a gallery clock from the installed gallery.
    const std::string frame = ShellFolder(CSIDL_LOCAL_APPDATA) + "\\installed-frame.bmp";
    ASSERT_EQ(RunToEnd("\"" + Installed("marvix-render.exe") +
                           "\" --bias 0 --config desk.ccf 2026-12-08T10:09:37 \"" + frame + "\"",
                       Installed("gallery")),
              0u);
    std::ifstream bitmap(frame, std::ios::binary);
    char header[26] = {};
    bitmap.read(header, sizeof header);
    bitmap.close();
    DeleteFileA(frame.c_str());
    EXPECT_EQ(std::string(header, 2), "BM");
    EXPECT_EQ(*reinterpret_cast<const int32_t*>(header + 18), 360) << "the desk clock's face";

    Uninstall("/S");
    EXPECT_FALSE(Exists(InstallFolder()));
    EXPECT_FALSE(Exists(Shortcut()));
    EXPECT_EQ(RunValue(), "");
    EXPECT_EQ(Win32Registry().ReadValue("Tray").text, "false") << "silent keeps the settings";
}

TEST_F(InstallerTest, AskedToTheUninstallerRemovesTheSettingsButNotAnotherCopysLoginStart) {
    Install();
    const std::string otherCopy = RunCommandFor("C:\\Clocks\\marvix.exe");
    SetRunValue(otherCopy);
    ASSERT_EQ(Win32Registry(kProgramKeyPath).WriteValue("SnoozeMinutes", "15"), "");
    ASSERT_EQ(Win32Registry(OtherClockKeys(2).clock).WriteValue("Zone", "Tokyo Standard Time"), "");
    Uninstall("/S /REMOVESETTINGS");
    EXPECT_TRUE(StoredValues().empty());
    HKEY key = nullptr;
    EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, kRegistryKeyPath, 0, KEY_READ, &key), ERROR_SUCCESS)
        << "the program's own subkey with it, and every other clock's";
    EXPECT_EQ(RunValue(), otherCopy);
}

// An update over a running clock: the clock is asked to stop (it saves), the files are replaced,
// and the clock is back. Login start, turned off by the user since, stays off.
TEST_F(InstallerTest, InstallingAgainStopsTheRunningClockWhichSavesAndStartsItAgain) {
    Install();
    RemoveRunValue();
    ScopedHandle first = StartProgram("\"" + Installed("marvix.exe") + "\"");
    ASSERT_TRUE(Within(10000, [] { return ClockWindows().size() == 1; }));
    ASSERT_TRUE(Within(10000, ClockShows));

    Install();
    EXPECT_EQ(WaitForSingleObject(first.Get(), 0), WAIT_OBJECT_0) << "stopped before the files";
    EXPECT_EQ(StoredValues().size(), 321u) << "the exit save";
    EXPECT_TRUE(Within(10000, [] { return ClockWindows().size() == 1; })) << "started again";
    EXPECT_EQ(RunValue(), "");

    // The uninstaller stops it too: a running program's file could not be removed.
    Uninstall("/S");
    EXPECT_TRUE(ClockWindows().empty());
    EXPECT_FALSE(Exists(Installed("marvix.exe")));
}

}  // namespace
}  // namespace marvix
