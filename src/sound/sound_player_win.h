#pragma once

// TPlayFile: every sound request plays on a short-lived worker thread of its own, which owns a
// copy of the request, plays the file as often as asked and ends, freeing everything. Nobody
// waits for it, so the tick never blocks on sound however long a chime is.

#include <windows.h>

#include <mmsystem.h>

#include "sound/sound_triggers.h"

namespace marvix {

// PlaySoundA's signature; tests put a recorder in its place.
using PlaySoundFunction = BOOL(WINAPI*)(LPCSTR file, HMODULE module, DWORD flags);

// Play to the end (a sound already playing stops), or start in the background without
// interrupting another sound (then nothing plays). Never the system's default sound.
inline constexpr DWORD kPlayAndWait = SND_FILENAME | SND_NODEFAULT;  // 0x20002
inline constexpr DWORD kPlayInBackground =
    SND_FILENAME | SND_NODEFAULT | SND_NOSTOP | SND_ASYNC;  // 0x20013

// PlaySoundA from winmm.dll, loaded by the first sound: a clock that never sounds never loads it.
BOOL WINAPI PlaySoundWhenLoaded(LPCSTR file, HMODULE module, DWORD flags);

class TPlayFile final : public SoundPlayer {
public:
    explicit TPlayFile(PlaySoundFunction play = &PlaySoundWhenLoaded) : play_(play) {}
    void Play(const SoundRequest& request) override;

private:
    PlaySoundFunction play_;
};

}  // namespace marvix
