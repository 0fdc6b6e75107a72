#pragma once

// TPlayFile: every sound request plays on a short-lived worker thread of its own, which owns a
// copy of the request, plays the file as often as asked and ends, freeing everything. Nobody
// waits for it, so the tick never blocks on sound however long a chime is.
//
// An alarm that rings until answered has a worker of its own, the bell, which plays the file
// again each time it ends (the program's built-in alarm sound where the file is empty or cannot
// be played) until it is silenced, for ten minutes at most.

#include <windows.h>

#include <mmsystem.h>

#include <string>

#include "base/scoped_handles_win.h"
#include "sound/sound_triggers.h"

namespace marvix {

// PlaySoundA's signature; tests put a recorder in its place.
using PlaySoundFunction = BOOL(WINAPI*)(LPCSTR file, HMODULE module, DWORD flags);

// Play to the end (a sound already playing stops), or start in the background without
// interrupting another sound (then nothing plays). Never the system's default sound.
inline constexpr DWORD kPlayAndWait = SND_FILENAME | SND_NODEFAULT;  // 0x20002
inline constexpr DWORD kPlayInBackground =
    SND_FILENAME | SND_NODEFAULT | SND_NOSTOP | SND_ASYNC;  // 0x20013
// The built-in alarm sound, a WAVE resource of this program, played to the end.
inline constexpr DWORD kPlayResourceAndWait = SND_RESOURCE | SND_NODEFAULT;

// PlaySoundA from winmm.dll, loaded by the first sound: a clock that never sounds never loads it.
BOOL WINAPI PlaySoundWhenLoaded(LPCSTR file, HMODULE module, DWORD flags);

class TPlayFile final : public SoundPlayer {
public:
    // `builtInAlarm` names the program's WAVE resource an alarm rings with when its file cannot
    // be played; none, and such an alarm is silent.
    explicit TPlayFile(PlaySoundFunction play = &PlaySoundWhenLoaded,
                       const char* builtInAlarm = nullptr)
        : play_(play), builtInAlarm_(builtInAlarm) {}
    ~TPlayFile() override { Silence(); }
    TPlayFile(const TPlayFile&) = delete;
    TPlayFile& operator=(const TPlayFile&) = delete;

    void Play(const SoundRequest& request) override;
    void Ring(const std::string& file) override;
    // Returns once the bell has stopped: no play of it starts after.
    void Silence() override;

private:
    PlaySoundFunction play_;
    const char* builtInAlarm_;
    ScopedHandle bell_;      // the bell's worker while it rings
    ScopedHandle stopBell_;  // set to stop it
};

}  // namespace marvix
