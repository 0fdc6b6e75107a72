// The sound player under Wine: worker threads that play and end by themselves, never holding up
// the tick.
#include "sound/sound_player_win.h"

#include <windows.h>

#include <tlhelp32.h>

#include <atomic>
#include <mutex>
#include <vector>

#include "../support/clock_fixture_win.h"
#include "../support/test_bitmaps.h"

namespace marvix {
namespace {

struct PlayCall {
    std::string file;
    DWORD flags;
    DWORD thread;
};

std::mutex g_mutex;
std::vector<PlayCall> g_calls;

// Stands in for PlaySoundA: records the call, and a waiting play takes a while, as a sound does.
// A stop (no file) is recorded as "stop", the program's own sound as "built-in"; "missing.wav"
// cannot be played.
BOOL WINAPI RecordingPlay(LPCSTR file, HMODULE, DWORD flags) {
    const std::string name = !file ? "stop" : (flags & SND_RESOURCE) ? "built-in" : file;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        g_calls.push_back({name, flags, GetCurrentThreadId()});
    }
    if (!file || name == "missing.wav") return name != "missing.wav";
    if (!(flags & SND_ASYNC)) Sleep(100);
    return TRUE;
}

BOOL WINAPI InstantPlay(LPCSTR, HMODULE, DWORD) { return TRUE; }

size_t CallCount() {
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_calls.size();
}

int ThreadsOfThisProcess() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    int count = 0;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
        count += entry.th32OwnerProcessID == GetCurrentProcessId();
    }
    CloseHandle(snapshot);
    return count;
}

// The value the next new handle gets. Handle tables hand out the lowest free slot, so leaked
// handles push it up (GetProcessHandleCount would say more, but Wine does not count).
uintptr_t LowestFreeHandle() {
    HANDLE probe = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    const uintptr_t value = reinterpret_cast<uintptr_t>(probe);
    CloseHandle(probe);
    return value;
}

// Waits until the condition holds, at most `ms` milliseconds.
template <class Condition>
bool WaitFor(Condition condition, DWORD ms) {
    const DWORD until = GetTickCount() + ms;
    while (!condition()) {
        if (GetTickCount() > until) return false;
        Sleep(5);
    }
    return true;
}

class SoundPlayerTest : public ClockFixture {
protected:
    void SetUp() override {
        ClockFixture::SetUp();
        std::lock_guard<std::mutex> lock(g_mutex);
        g_calls.clear();
    }
};

TEST_F(SoundPlayerTest, AWaitingRequestPlaysItsRepeatsOnAWorkerWhileTheClockTicks) {
    Start();
    TPlayFile player(&RecordingPlay);
    const DWORD before = GetTickCount();
    player.Play({"chime.wav", 3, true});
    EXPECT_LT(GetTickCount() - before, 20u) << "the request returns at once";

    DWORD slowest = 0;
    const DWORD until = GetTickCount() + 400;
    while (GetTickCount() < until) {
        const DWORD start = GetTickCount();
        Clock().Ticker().Tick();
        slowest = std::max(slowest, GetTickCount() - start);
        Sleep(10);
    }
    // Each play lasts 100 ms: a tick that waited for one would take at least that long. The
    // margin is for a busy machine that deschedules the test now and then.
    EXPECT_LT(slowest, 50u) << "a tick was held up";
    ASSERT_TRUE(WaitFor([] { return CallCount() == 3; }, 3000));
    std::lock_guard<std::mutex> lock(g_mutex);
    for (const PlayCall& call : g_calls) {
        EXPECT_EQ(call.file, "chime.wav");
        EXPECT_EQ(call.flags, 0x20002u);
        EXPECT_NE(call.thread, GetCurrentThreadId());
    }
}

TEST_F(SoundPlayerTest, BackgroundRequestsStartWithoutWaitingAndNothingPlaysForNoRepeats) {
    TPlayFile player(&RecordingPlay);
    player.Play({"tick.wav", 1, false});
    player.Play({"never.wav", 0, true});
    player.Play({"never.wav", -3, true});
    ASSERT_TRUE(WaitFor([] { return CallCount() >= 1; }, 2000));
    Sleep(100);
    std::lock_guard<std::mutex> lock(g_mutex);
    ASSERT_EQ(g_calls.size(), 1u);
    EXPECT_EQ(g_calls[0].file, "tick.wav");
    EXPECT_EQ(g_calls[0].flags, 0x20013u);
}

// An alarm that rings until answered: its file again each time it ends, the built-in sound where
// the file is empty or will not play, and nothing once silenced.
TEST_F(SoundPlayerTest, TheBellRingsAgainUntilSilencedWithTheBuiltInSoundForAFileThatWillNot) {
    TPlayFile player(&RecordingPlay, "ALARM");
    const struct {
        const char* file;
        std::string played;
        DWORD flags;
    } cases[] = {
        {"wake.wav", "wake.wav", kPlayAndWait},
        {"", "built-in", kPlayResourceAndWait},
        {"missing.wav", "built-in", kPlayResourceAndWait},
    };
    for (const auto& c : cases) {
        g_calls.clear();
        player.Ring(c.file);
        EXPECT_TRUE(WaitFor([&] { return CallCount() >= 4; }, 3000)) << c.file;
        const DWORD before = GetTickCount();
        player.Silence();
        EXPECT_LT(GetTickCount() - before, 300u) << "silenced at once";
        const size_t calls = CallCount();
        Sleep(250);
        std::lock_guard<std::mutex> lock(g_mutex);
        EXPECT_EQ(g_calls.size(), calls) << c.file << ": nothing after Silence";
        int played = 0;
        for (const PlayCall& call : g_calls) {
            if (call.file == "stop" || call.file == "missing.wav") continue;
            EXPECT_EQ(call.file, c.played);
            EXPECT_EQ(call.flags, c.flags);
            ++played;
        }
        EXPECT_GE(played, 2) << c.file << ": again each time it ends";
        EXPECT_EQ(g_calls.back().file, "stop") << "the sound under way is cut";
    }
}

// A short tone, made here: 8 kHz, 8 bits, mono, a tenth of a second.
std::vector<uint8_t> ToneWav() {
    const uint32_t samples = 800;
    std::vector<uint8_t> wav;
    wav.reserve(44 + samples);
    auto put32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i) wav.push_back(uint8_t(v >> (8 * i)));
    };
    auto put16 = [&](uint16_t v) {
        wav.push_back(uint8_t(v));
        wav.push_back(uint8_t(v >> 8));
    };
    auto tag = [&](const char* t) {
        for (int i = 0; i < 4; ++i) wav.push_back(uint8_t(t[i]));
    };
    tag("RIFF");
    put32(36 + samples);
    tag("WAVE");
    tag("fmt ");
    put32(16);
    put16(1);     // PCM
    put16(1);     // mono
    put32(8000);  // samples a second
    put32(8000);  // bytes a second
    put16(1);     // block
    put16(8);     // bits
    tag("data");
    put32(samples);
    for (uint32_t i = 0; i < samples; ++i) wav.push_back(uint8_t(128 + ((i / 10) % 2 ? 40 : -40)));
    return wav;
}

std::atomic<int> g_realPlaysEnded{0};

// The platform's PlaySoundA, counting the calls that have returned.
BOOL WINAPI CountedRealPlay(LPCSTR file, HMODULE module, DWORD flags) {
    const BOOL played = PlaySoundA(file, module, flags);
    ++g_realPlaysEnded;
    return played;
}

TEST_F(SoundPlayerTest, RealFilesEmptyAndMissingNamesPlayThroughWithoutAMessage) {
    const std::string tone = WriteTempFile("marvix-tone.wav", ToneWav());
    TPlayFile player(&CountedRealPlay);
    g_realPlaysEnded = 0;
    player.Play({"", 1, true});
    player.Play({"C:\\no\\such\\sound.wav", 2, true});
    player.Play({tone, 2, true});
    player.Play({tone, 1, false});
    EXPECT_TRUE(WaitFor([] { return g_realPlaysEnded == 6; }, 10000)) << g_realPlaysEnded;
    EXPECT_TRUE(messages_.Messages().empty());
}

TEST_F(SoundPlayerTest, TwoThousandRequestsLeaveNoThreadOrHandleBehind) {
    TPlayFile player(&InstantPlay);
    for (int i = 0; i < 50; ++i) player.Play({"warm.wav", 1, false});
    const int threads = ThreadsOfThisProcess();
    ASSERT_TRUE(WaitFor([&] { return ThreadsOfThisProcess() <= threads; }, 5000));
    const int baseline = ThreadsOfThisProcess();
    const uintptr_t handles = LowestFreeHandle();

    for (int i = 0; i < 2000; ++i) player.Play({"tick.wav", 1 + i % 3, i % 2 == 0});
    EXPECT_TRUE(WaitFor([&] { return ThreadsOfThisProcess() <= baseline; }, 20000));
    EXPECT_LE(LowestFreeHandle(), handles + 4 * 8) << "handles were left open";
}

}  // namespace
}  // namespace marvix
