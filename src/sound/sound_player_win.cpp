#include "sound/sound_player_win.h"

#include <memory>

#include "base/lazy_library_win.h"

namespace marvix {

namespace {

struct Job {
    SoundRequest request;
    PlaySoundFunction play;
};

DWORD WINAPI PlayJob(void* parameter) {
    const std::unique_ptr<Job> job(static_cast<Job*>(parameter));
    const DWORD flags = job->request.wait ? kPlayAndWait : kPlayInBackground;
    for (int32_t i = 0; i < job->request.repeat; ++i) {
        job->play(job->request.file.c_str(), nullptr, flags);
    }
    return 0;
}

struct Bell {
    std::string file;
    const char* builtIn;
    PlaySoundFunction play;
    HANDLE stop;  // owned by the player, which outlives the worker
};

DWORD WINAPI RingBell(void* parameter) {
    const std::unique_ptr<Bell> bell(static_cast<Bell*>(parameter));
    const DWORD start = GetTickCount();
    while (WaitForSingleObject(bell->stop, 0) == WAIT_TIMEOUT &&
           GetTickCount() - start < DWORD(AlarmBell::kRingsForMs)) {
        bool played = !bell->file.empty() && bell->play(bell->file.c_str(), nullptr, kPlayAndWait);
        if (!played && bell->builtIn)
            played = bell->play(bell->builtIn, GetModuleHandleA(nullptr), kPlayResourceAndWait);
        // Nothing could sound (no sound device): try again in a second, never in a spin.
        if (!played) WaitForSingleObject(bell->stop, 1000);
    }
    return 0;
}

}  // namespace

BOOL WINAPI PlaySoundWhenLoaded(LPCSTR file, HMODULE module, DWORD flags) {
    static const auto play = LazyFunction<PlaySoundFunction>("winmm.dll", "PlaySoundA");
    return play && play(file, module, flags);
}

void TPlayFile::Play(const SoundRequest& request) {
    if (request.repeat <= 0) return;
    auto job = std::make_unique<Job>(Job{request, play_});
    HANDLE thread = CreateThread(nullptr, 0, PlayJob, job.get(), 0, nullptr);
    if (!thread) return;  // no thread, no sound: the clock goes on
    job.release();        // the worker owns it now
    // The thread runs on and ends by itself; closing our handle lets it be freed when it does.
    CloseHandle(thread);
}

void TPlayFile::Ring(const std::string& file) {
    Silence();
    if (!stopBell_) stopBell_ = ScopedHandle(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    if (!stopBell_) return;  // no event, no bell: the clock goes on
    ResetEvent(stopBell_.Get());
    auto bell = std::make_unique<Bell>(Bell{file, builtInAlarm_, play_, stopBell_.Get()});
    bell_ = ScopedHandle(CreateThread(nullptr, 0, RingBell, bell.get(), 0, nullptr));
    if (bell_) bell.release();  // the worker owns it now
}

void TPlayFile::Silence() {
    if (!bell_) return;
    SetEvent(stopBell_.Get());
    // A play under way is cut, again until the worker has seen the stop: the window thread waits
    // a moment, never the length of a long alarm file.
    do {
        play_(nullptr, nullptr, 0);
    } while (WaitForSingleObject(bell_.Get(), 50) == WAIT_TIMEOUT);
    bell_ = ScopedHandle();
}

}  // namespace marvix
