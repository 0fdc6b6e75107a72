// marvix-bench: what a frame costs. Medians over many frames, in microseconds: composing a frame
// of the default face and of a 1000 x 1000 face, the same frame as a multiple of one plain block
// copy of its face, and one whole tick of the running clock (timer, composition and paint).
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <new>
#include <string>
#include <vector>

#include "../tests/support/counted_allocations.h"
#include "base/system_time_win.h"
#include "clock/clock_pictures_win.h"
#include "clock/running_clock_win.h"
#include "dialogs/settings_windows_win.h"
#include "frame/frame.h"
#include "program/application_win.h"
#include "settings/registry_store.h"
#include "settings/registry_store_win.h"
#include "windows/settings_dialog_win.h"

namespace {

using namespace marvix;

// A fixed instant, so that every measured frame draws the same, until `live` lets it run.
class StillTime final : public TimeSource {
public:
    bool live = false;
    LocalTime at{2026, 12, 7, 2, 10, 10, 30, 0};
    LocalTime Now() override { return live ? system_.Now() : at; }
    int32_t UtcBiasMinutes() override { return 0; }

private:
    SystemTime system_;
};

double MedianMicroseconds(int runs, const std::function<void()>& work) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> samples;
    samples.reserve(runs);
    for (int i = 0; i < runs; ++i) {
        QueryPerformanceCounter(&start);
        work();
        GdiFlush();
        QueryPerformanceCounter(&end);
        samples.push_back(double(end.QuadPart - start.QuadPart) * 1e6 / double(frequency.QuadPart));
    }
    std::nth_element(samples.begin(), samples.begin() + runs / 2, samples.end());
    return samples[runs / 2];
}

void Report(const char* name, ClockPictures& pictures, ClockSettings& settings, int runs) {
    StillTime time;
    FrameSurfaces frame = pictures.Frame();
    const Size size = pictures.face->GetSize();
    LiveState live;
    // What a tick does to the frame: the face laid out, then the composition.
    const double compose = MedianMicroseconds(runs, [&] {
        live.layout = LayOutFace(settings, frame.face.GetSize(), frame.display.GetSize());
        ComposeFrame(settings, live, frame, SampleInstant(time));
    });
    const double copy = MedianMicroseconds(runs, [&] {
        pictures.display.CopyFrom(*pictures.face, Rect::At({0, 0}, size), {0, 0});
    });
    std::printf("%-22s %4dx%-4d  frame %8.1f us   block copy %8.1f us   frame/copy %5.1f\n", name,
                size.width, size.height, compose, copy, compose / copy);
}

// Runs the message loop of a real clock for `milliseconds`, and tells how many ticks a second
// woke it, how many frames a second reached the window and what share of one core the clock's
// own handlers took (the rest of the process's time is Wine's, and the benchmark script measures
// it from outside).
void RunLive(Application& app, const char* mode, DWORD milliseconds) {
    const unsigned before = app.FirstClock().Clock().Face().FramesShown();
    const long allocationsBefore = g_allocations;
    LARGE_INTEGER frequency, from, to;
    QueryPerformanceFrequency(&frequency);
    LONGLONG busy = 0;
    unsigned ticks = 0;
    // The words and the tray's tip are made anew as the minute turns: a chore that allocates,
    // not the tick, so a run it falls in says so.
    SYSTEMTIME at;
    GetLocalTime(&at);
    const WORD minute = at.wMinute;
    const DWORD start = GetTickCount();
    // As the program's own loop runs (Application::Run): it waits for the tick's next due, and
    // the window timer only stands by. A wake is either.
    for (DWORD now = start; now - start < milliseconds; now = GetTickCount()) {
        const DWORD wait = std::min<DWORD>(app.Beat().LoopWait(), milliseconds - (now - start));
        const bool due = MsgWaitForMultipleObjectsEx(0, nullptr, wait, QS_ALLINPUT,
                                                     MWMO_INPUTAVAILABLE) == WAIT_TIMEOUT;
        QueryPerformanceCounter(&from);
        if (due) app.Beat().WakeFromLoop();
        QueryPerformanceCounter(&to);
        busy += to.QuadPart - from.QuadPart;
        ticks += due;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            ticks += message.message == WM_TIMER && message.hwnd == app.Owner() &&
                     message.wParam == ProgramTick::kTimer;
            QueryPerformanceCounter(&from);
            app.Dispatch(message);
            QueryPerformanceCounter(&to);
            busy += to.QuadPart - from.QuadPart;
        }
    }
    GetLocalTime(&at);
    const bool minuteTurned = at.wMinute != minute;
    std::printf(
        "live, %-17s wakes %5.1f and frames shown %5.1f per second   handlers %5.3f %% of one "
        "core   allocations %ld%s\n",
        mode, ticks * 1000.0 / milliseconds,
        (app.FirstClock().Clock().Face().FramesShown() - before) * 1000.0 / milliseconds,
        double(busy) * 1e5 / double(frequency.QuadPart) / milliseconds,
        g_allocations - allocationsBefore, minuteTurned ? " (the minute turned)" : "");
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(11, std::atoi(argv[1])) : 2001;
    ClockSettings settings = DefaultSettings();

    ClockPictures pictures;
    Report("default face", pictures, settings, runs);

    Picture large{1000, 1000, std::vector<uint32_t>(1000 * 1000)};
    for (int y = 0; y < 1000; ++y) {
        for (int x = 0; x < 1000; ++x)
            large.pixels[size_t(y) * 1000 + x] = uint32_t(x * 7 ^ y * 13);
    }
    pictures.face.Own().LoadPicture(large);
    pictures.display.Resize({1000, 1000});
    Report("1000 x 1000 face", pictures, settings, runs / 4);

    // The running clock on its defaults (the bench runs in a prefix of its own).
    RegDeleteTreeA(HKEY_CURRENT_USER, kRegistryKeyPath);
    StillTime time;
    Application app(GetModuleHandleA(nullptr), time, kSettingsWindows);
    if (!app.Create()) return 1;
    RunningClock& clock = app.FirstClock().Clock();
    const double tick = MedianMicroseconds(runs, [&] { clock.Ticker().Tick(); });
    // A paint of the whole window, as when a frame changes everywhere.
    const double paint = MedianMicroseconds(runs, [&] {
        InvalidateRect(clock.Window(), nullptr, FALSE);
        UpdateWindow(clock.Window());
    });
    const double whole = MedianMicroseconds(runs, [&] {
        clock.Ticker().Tick();
        UpdateWindow(clock.Window());
    });
    std::printf(
        "running clock           tick %8.1f us   paint %8.1f us   tick and paint %8.1f us\n", tick,
        paint, whole);

    // Smooth mode with a settings window open: the tick must not pay for the window.
    clock.Parts().model.Edit().Smooth = true;
    clock.Parts().look.Retime();
    auto smoothTick = [&] {
        return MedianMicroseconds(runs, [&] {
            clock.Ticker().Tick();
            UpdateWindow(clock.Window());
        });
    };
    // Each settings window the tick could touch: the digital displays dialog shows the placed
    // displays' positions after every frame that changed.
    for (auto [id, name] :
         {std::pair{DialogId::Hands, "hands"}, std::pair{DialogId::Digital, "digital"}}) {
        const double closed = smoothTick();
        app.FirstClock().Dialog(id).Show();
        const double open = smoothTick();
        app.FirstClock().Dialog(id).Hide();
        const double closedAgain = smoothTick();
        std::printf(
            "smooth tick and paint   %-7s dialog closed %7.1f us   open %7.1f us   closed again "
            "%7.1f us\n",
            name, closed, open, closedAgain);
    }

    // Smooth mode as it runs, the second hand moving every frame (some 14 a second): what
    // anti-aliased edges add to a frame that redraws the hands.
    for (bool smoothEdges : {true, false}) {
        clock.Parts().model.Edit().SmoothEdges = smoothEdges;
        const double moving = MedianMicroseconds(runs, [&] {
            time.at = AddMilliseconds(time.at, 70);
            clock.Ticker().Tick();
            UpdateWindow(clock.Window());
        });
        std::printf("smooth, hands moving    smooth edges %-3s %7.1f us a frame\n",
                    smoothEdges ? "on" : "off", moving);
    }
    clock.Parts().model.Edit().SmoothEdges = true;

    // The settled save's half-second check on a record that has not changed: counting changes,
    // against formatting the record as the exit save would and comparing (as it did before).
    clock.Ticker().SaveWhenSettled();
    const std::vector<std::string> stored = ExitValues(clock.Settings());
    const double formatted = MedianMicroseconds(runs / 4, [&] {
        volatile bool same = ExitValues(clock.Settings()) == stored;
        (void)same;
    });
    std::printf("settled-save check      by change count %6.2f us   by formatting %8.1f us\n",
                MedianMicroseconds(runs, [&] { clock.Ticker().SaveWhenSettled(); }), formatted);

    SystemTime system;
    std::printf("reading the clock       local time %6.1f us   time zone %6.1f us\n",
                MedianMicroseconds(runs, [&] { system.Now(); }),
                MedianMicroseconds(runs, [&] { system.UtcBiasMinutes(); }));
    // The clock as it runs on the desktop, with its own timers and message loop: how many frames
    // a second reach the window.
    time.live = true;
    for (bool smooth : {false, true}) {
        clock.Parts().model.Edit().Smooth = smooth;
        clock.Parts().look.Retime();
        RunLive(app, smooth ? "Smooth" : "4 Hz", 10000);
    }
    // Three clocks, all served by the program's one timer. The first three seconds let the edit
    // settle and be saved (the save and the words read anew allocate), so that the next ten are
    // the steady tick's.
    const auto workingSet = [] {
        PROCESS_MEMORY_COUNTERS counters{};
        GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
        return double(counters.WorkingSetSize) / 1024;
    };
    const double oneClock = workingSet();
    app.AddClockFor("Tokyo Standard Time", "Tokyo");
    const double twoClocks = workingSet();
    app.AddClockFor("Eastern Standard Time", "New York");
    std::printf("working set             one clock %8.0f KiB   each more %6.0f and %6.0f KiB\n",
                oneClock, twoClocks - oneClock, workingSet() - twoClocks);
    for (bool smooth : {false, true}) {
        for (ClockHost* other : app.LiveClocks()) {
            other->Model().Edit().Smooth = smooth;
            other->Clock().Parts().look.Retime();
        }
        RunLive(app, smooth ? "three, Smooth" : "three, 4 Hz", 3000);
        RunLive(app, smooth ? "three, Smooth" : "three, 4 Hz", 10000);
    }
    // A timer of two hours and the stopwatch running, both shown on the first clock: the sector,
    // the time left, the stopwatch's tenths and the tray's tip every second must take nothing
    // from the heap either.
    // The stopwatch's tenths first, alone on the smooth clocks: they ride the hands' frames.
    app.Timers().Timers().StopwatchStartOrPause();
    app.Timers().Timers().StopwatchOnClock(true, 0);
    RunLive(app, "stopwatch, Smooth", 3000);
    RunLive(app, "stopwatch, Smooth", 10000);
    app.Timers().Timers().StartNew({.label = "Tea", .steps = {{"", 7200}}}, {});
    for (bool smooth : {false, true}) {
        for (ClockHost* other : app.LiveClocks()) {
            other->Model().Edit().Smooth = smooth;
            other->Clock().Parts().look.Retime();
        }
        RunLive(app, smooth ? "timer, Smooth" : "timer, 4 Hz", 3000);
        RunLive(app, smooth ? "timer, Smooth" : "timer, 4 Hz", 10000);
    }
    return 0;
}
