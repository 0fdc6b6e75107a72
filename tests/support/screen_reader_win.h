#pragma once

// A screen reader in a second process (accessible_reader.exe, beside the test programs): what it
// reads of windows, and the name changes it is told of. The clock's thread answers the reader's
// questions as messages, so the test pumps its own while it waits.

#include <windows.h>

#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "base/scoped_handles_win.h"

namespace marvix {

class ScreenReader {
public:
    explicit ScreenReader(std::function<void()> pump) : pump_(std::move(pump)) {}
    ScreenReader(const ScreenReader&) = delete;
    ScreenReader& operator=(const ScreenReader&) = delete;
    ~ScreenReader() { Stop(); }

    // "role<TAB>name" of each window's client object, in the order given.
    std::vector<std::string> RolesAndNames(const std::vector<HWND>& windows) {
        std::string arguments = "names";
        for (HWND window : windows)
            arguments += " " + std::to_string(reinterpret_cast<UINT_PTR>(window));
        Start(arguments);
        for (DWORD waited = 0;
             waited < 20000 && WaitForSingleObject(process_.Get(), 10) == WAIT_TIMEOUT;
             waited += 10) {
            pump_();
        }
        std::vector<std::string> lines = Lines();
        Stop();
        return lines;
    }

    // Listens for the window's name changes from now on; true once the reader is listening.
    bool Listen(HWND window) {
        Start("events " + std::to_string(reinterpret_cast<UINT_PTR>(window)));
        for (DWORD waited = 0; waited < 20000; waited += 10) {
            const std::vector<std::string> lines = Lines();
            if (!lines.empty()) return lines.front() == "ready";
            pump_();
            Sleep(10);
        }
        return false;
    }
    // How many name changes the reader has been told of so far, after `ms` of pumping.
    size_t NameChanges(DWORD ms) {
        const DWORD start = GetTickCount();
        do {
            pump_();
            Sleep(10);
        } while (GetTickCount() - start < ms);
        const std::vector<std::string> lines = Lines();
        return lines.empty() ? 0 : lines.size() - 1;
    }

private:
    static std::string Folder() {
        char path[MAX_PATH];
        GetModuleFileNameA(nullptr, path, MAX_PATH);
        std::string folder(path);
        return folder.substr(0, folder.find_last_of('\\') + 1);
    }

    void Start(const std::string& arguments) {
        Stop();
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        output_ = std::string(temp) + "accessible_reader_" + std::to_string(GetCurrentProcessId()) +
                  ".txt";
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        ScopedHandle file(CreateFileA(output_.c_str(), GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = file.Get();
        startup.hStdError = file.Get();
        PROCESS_INFORMATION process{};
        std::string command = "\"" + Folder() + "accessible_reader.exe\" " + arguments;
        if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                           &startup, &process)) {
            CloseHandle(process.hThread);
            process_ = ScopedHandle(process.hProcess);
        }
    }
    void Stop() {
        if (!process_) return;
        if (WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT) {
            TerminateProcess(process_.Get(), 0);
            WaitForSingleObject(process_.Get(), 5000);
        }
        process_ = ScopedHandle();
    }
    std::vector<std::string> Lines() const {
        std::ifstream file(output_);
        std::vector<std::string> lines;
        for (std::string line; std::getline(file, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
        }
        return lines;
    }

    std::function<void()> pump_;
    ScopedHandle process_;
    std::string output_;
};

}  // namespace marvix
