#include "program/wake_timer_win.h"

#include <powrprof.h>

#include "base/lazy_library_win.h"

namespace marvix {

namespace {

// FILETIME counts 100 ns from 1601; 11644473600 seconds lie between 1601 and 1970.
constexpr int64_t kFileTimeAt1970 = 116'444'736'000'000'000;

// The power plan's "Allow wake timers" (the sleep subgroup's RTC wake setting): 0 off, 1 on, 2
// important timers only (Windows 10), which an alarm is not.
constexpr GUID kSleepSubgroup = {
    0x238c9fa8, 0x0aad, 0x41ed, {0x83, 0xf4, 0x97, 0xbe, 0x24, 0x2c, 0x8f, 0x20}};
constexpr GUID kAllowWakeTimers = {
    0xbd3b718a, 0x0680, 0x4d9d, {0x8a, 0xb2, 0xe1, 0xd2, 0xb4, 0xac, 0x80, 0x6d}};

std::optional<bool> WakeTimersAllowed() {
    using ActiveScheme = DWORD(WINAPI*)(HKEY, GUID**);
    using ReadIndex = DWORD(WINAPI*)(HKEY, const GUID*, const GUID*, const GUID*, DWORD*);
    static const auto active = LazyFunction<ActiveScheme>("powrprof.dll", "PowerGetActiveScheme");
    static const auto readAc = LazyFunction<ReadIndex>("powrprof.dll", "PowerReadACValueIndex");
    static const auto readDc = LazyFunction<ReadIndex>("powrprof.dll", "PowerReadDCValueIndex");
    SYSTEM_POWER_STATUS status{};
    GUID* scheme = nullptr;
    if (!active || !readAc || !readDc || !GetSystemPowerStatus(&status) ||
        active(nullptr, &scheme) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    DWORD value = 0;
    const auto read = status.ACLineStatus == 0 ? readDc : readAc;
    const DWORD error = read(nullptr, scheme, &kSleepSubgroup, &kAllowWakeTimers, &value);
    LocalFree(scheme);
    if (error != ERROR_SUCCESS) return std::nullopt;
    return value == 1;
}

// The power capabilities and the "Allow wake timers" setting, as far as Windows tells them.
void ReadPowerFacts(WakeFacts& facts) {
    using Capabilities = BOOLEAN(WINAPI*)(PSYSTEM_POWER_CAPABILITIES);
    using Information = LONG(WINAPI*)(POWER_INFORMATION_LEVEL, PVOID, ULONG, PVOID, ULONG);
    static const auto capabilities =
        LazyFunction<Capabilities>("powrprof.dll", "GetPwrCapabilities");
    static const auto information =
        LazyFunction<Information>("powrprof.dll", "CallNtPowerInformation");
    SYSTEM_POWER_CAPABILITIES power{};
    if (capabilities && capabilities(&power)) {
        facts.sleeps = power.SystemS1 || power.SystemS2 || power.SystemS3 || power.SystemS4;
    }
    POWER_PLATFORM_INFORMATION platform{};
    if (information &&
        information(PlatformInformation, nullptr, 0, &platform, sizeof platform) == 0) {
        facts.modernStandby = platform.AoAc;
    }
    facts.wakeTimersAllowed = WakeTimersAllowed();
}

}  // namespace

WakeTimer::WakeTimer() : timer_(CreateWaitableTimerA(nullptr, TRUE, nullptr)) {}

WakeFacts WakeTimer::SetFor(int64_t dueMs) {
    WakeFacts facts;
    LARGE_INTEGER due;
    due.QuadPart = kFileTimeAt1970 + dueMs * 10'000;  // positive: an absolute universal time
    SetLastError(0);
    if (!timer_ || !SetWaitableTimer(timer_.Get(), &due, 0, nullptr, nullptr, TRUE)) {
        facts.setTimerError = timer_ ? GetLastError() : ERROR_NOT_SUPPORTED;
    } else {
        // Set, yet the resume flag may have been ignored: the last error says so.
        facts.setTimerError = GetLastError();
    }
    ReadPowerFacts(facts);
    return facts;
}

void WakeTimer::Cancel() {
    if (timer_) CancelWaitableTimer(timer_.Get());
}

void WakeTimer::KeepOn(bool system, bool display) {
    SetThreadExecutionState(ES_CONTINUOUS | (system ? ES_SYSTEM_REQUIRED : 0) |
                            (display ? ES_DISPLAY_REQUIRED : 0));
}

}  // namespace marvix
