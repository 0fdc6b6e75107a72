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

}  // namespace marvix
