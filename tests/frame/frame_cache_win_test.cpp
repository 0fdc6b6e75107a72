// The frame cache draws only what changed; every frame it leaves in the display picture must be
// the frame a composition from scratch gives at the same instant, pixel for pixel.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "../support/counted_allocations.h"
#include "../support/fixed_clock.h"
#include "../support/recording_player.h"
#include "clock/clock_pictures_win.h"
#include "frame/clock_model.h"
#include "frame/frame.h"
#include "frame/frame_cache.h"
#include "frame/tick_plan.h"
#include "settings/settings_table.h"

namespace marvix {
namespace {

void Set(ClockSettings& s, const char* name, const char* text) {
    ASSERT_TRUE(AssignSettingText(s, *FindSetting(name), text)) << name;
}

// Every layer on: both dials, all twelve displays with blinking colons, all eight hands.
ClockSettings Everything() {
    ClockSettings s = DefaultSettings();
    for (const char* name :
         {"ShowMoon", "ShowDay",   "SDay",          "SDate",         "SMonth",  "SYear",
          "SHour",    "SMin",      "SSec",          "SColon1",       "SColon2", "SAMPM",
          "SIntern1", "SIntern2",  "C1Blink",       "C2Blink",       "TranSec", "DispDate",
          "DispDay",  "DispMonth", "DispInternet1", "DispInternet2", "Chime1"}) {
        Set(s, name, "true");
    }
    // Thick moving hands: their strokes reach well beyond the lines they follow.
    Set(s, "SWT", "7");
    Set(s, "Internet2WT", "5");
    Set(s, "Smooth", "true");
    return s;
}

Picture Stripes(Size size) {
    Picture p{size.width, size.height, std::vector<uint32_t>(size_t(size.width) * size.height)};
    for (size_t i = 0; i < p.pixels.size(); ++i) p.pixels[i] = (i / 7) % 2 ? 0x336699 : 0xCCAA00;
    return p;
}

// What the clock window does with a composed frame: copies the area that may have changed.
void SendToScreen(const Picture& frame, Rect area, Picture& screen) {
    if (screen.width != frame.width || screen.height != frame.height)
        screen = Picture{frame.width, frame.height, std::vector<uint32_t>(frame.pixels.size())};
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            screen.pixels[size_t(y) * frame.width + x] = frame.pixels[size_t(y) * frame.width + x];
        }
    }
}

// Two clocks side by side. One ticks every 10 ms and composes every frame from scratch; the
// other keeps its frame in the cache and ticks only when its plan says a tick has something to
// do. Every frame the cached clock leaves in its picture and on its screen equals the frame from
// scratch; the frames and sounds from scratch at the ticks it sleeps over change nothing. At a
// size between whole numbers, face pixels round to the bitmap's differently at different places.
void RunSideBySide(double scale) {
    ClockPictures cachedPictures, freshPictures;
    cachedPictures.SetScale(scale);
    freshPictures.SetScale(scale);
    ClockSettings cached = Everything(), fresh = Everything();
    LiveState cachedLive, freshLive;
    SoundLatches cachedLatches, freshLatches;
    FrameCache cache;
    FixedClock clock;
    RecordingPlayer sounds, cachedSounds;
    // Half past the last second of a year: 340 smooth ticks cross a second, a minute, an hour, a
    // day, a month and a year.
    clock.time = {2026, 12, 31, 5, 23, 59, 58, 500};
    int drawn = 0, ticks = 0, nextTick = 0, apart = 0;
    Picture screen;

    for (int step = 0; step < 340; ++step) {
        // What a user or the other timers may change between two ticks, to both clocks alike;
        // the cached clock then ticks at once.
        auto change = [&](auto&& what) {
            what(cached);
            what(fresh);
            nextTick = step;
        };
        // The stopwatch's tenths, as they ride the frames the hands make: a part of the picture
        // that changes apart from the hands.
        if (step == nextTick) {
            for (LiveState* live : {&cachedLive, &freshLive})
                live->stopwatch = {.shown = true, .runMs = step * 100};
        }
        if (step % 50 == 25) {
            for (LiveState* live : {&cachedLive, &freshLive})
                live->displays.colonsShown = !live->displays.colonsShown;
            nextTick = step;
        }
        if (step == 60) change([](ClockSettings& s) { Set(s, "CSecStr", "clRed"); });
        if (step == 120) change([](ClockSettings& s) { s.Reversed = true; });
        if (step == 180) change([](ClockSettings& s) { Set(s, "CFont7", "clBlue"); });
        if (step == 220) {
            // A new face of the same size, as the face dialog loads one.
            const Picture face = Stripes(cachedPictures.face->GetSize());
            cachedPictures.face.Own().LoadPicture(face);
            freshPictures.face.Own().LoadPicture(face);
            nextTick = step;
        }
        if (step == 260) change([](ClockSettings& s) { s.Reversed = s.ShowMoon = false; });
        if (step == 270) {
            // The thick second hand alone, so that its own area is all that is drawn again.
            change([](ClockSettings& s) {
                s.DispM = s.DispH = s.DispDate = s.DispDay = s.DispMonth = false;
                s.DispInternet1 = s.DispInternet2 = false;
            });
        }
        if (step == 300) {
            // The hand leaps from its own pivot to one far away: the screen needs both places.
            change([](ClockSettings& s) {
                s.THand = false;
                Set(s, "SX", "40");
            });
        }

        // Taken anew at each tick, as the clock does: a face loaded is a picture of the clock's own.
        FrameSurfaces cachedFrame = cachedPictures.Frame(), freshFrame = freshPictures.Frame();
        freshLive.layout =
            LayOutFace(fresh, freshFrame.face.GetSize(), freshFrame.display.GetSize());
        ComposeFrame(fresh, freshLive, freshFrame, clock.Instant());
        const Picture frame = freshPictures.display.ToPicture();
        const size_t soundsBefore = sounds.played.size();
        RunSoundTriggers(fresh, freshLatches, clock.time, sounds);
        if (step < nextTick) {
            ASSERT_EQ(screen.pixels, frame.pixels) << "a tick slept over at step " << step;
            ASSERT_EQ(sounds.played.size(), soundsBefore) << "a sound slept over at step " << step;
        } else {
            RunSoundTriggers(cached, cachedLatches, clock.time, cachedSounds);
            cachedLive.layout =
                LayOutFace(cached, cachedFrame.face.GetSize(), cachedFrame.display.GetSize());
            const auto area = cache.Compose(cached, cachedLive, cachedFrame, clock.Instant());
            ASSERT_EQ(cachedPictures.display.ToPicture().pixels, frame.pixels) << "step " << step;
            // The screen gets the area the cache names, and no more.
            if (area) {
                for (const Rect part : area->Parts())
                    SendToScreen(cachedPictures.display.ToPicture(),
                                 cachedPictures.display.DeviceRect(part), screen);
            }
            ASSERT_EQ(screen.pixels, frame.pixels) << "step " << step;
            drawn += area.has_value();
            apart += area && area->Parts().size() == 2;
            ++ticks;
            nextTick = step + StepsToNextTick(cached, cachedLive, cachedLatches, cache, cachedFrame,
                                              clock.Instant(), 10);
        }

        LocalTime& t = clock.time;
        t.millisecond = uint16_t(t.millisecond + 10);
        if (t.millisecond < 1000) continue;
        t.millisecond = 0;
        if (t.year == 2026 && t.second == 59) {
            t = {2027, 1, 1, 6, 0, 0, 0, 0};  // a Friday
        } else {
            ++t.second;
        }
    }
    // The cache and the plan earn their place: most steps of a smooth clock change no pixel, and
    // the clock wakes only to draw or sound.
    EXPECT_GT(drawn, 10);
    EXPECT_GT(apart, 10) << "frames whose hands and stopwatch changed apart";
    EXPECT_LT(ticks, 120) << "of 340 steps";
    EXPECT_EQ(sounds.played.size(), 1u) << "the hour chime at midnight";
    EXPECT_EQ(cachedSounds.played, sounds.played);
}

TEST(FrameCacheTest, EveryFrameAndWhatReachesTheScreenEqualTheFrameComposedFromScratch) {
    for (double scale : {1.0, 1.5}) {
        SCOPED_TRACE(scale);
        RunSideBySide(scale);
    }
}

// A clock runs for weeks: once its layers are drawn and its texts measured, a tick (the frame,
// the sounds and the plan of the next tick) takes nothing from the heap. Two seconds of smooth
// ticks settle it; the next five, across seconds, blinks and a minute, must allocate nothing.
TEST(FrameCacheTest, ASteadyTickAllocatesNothing) {
    struct SilentPlayer final : SoundPlayer {
        void Play(const SoundRequest&) override {}
        void Ring(const std::string&) override {}
        void Silence() override {}
    } player;
    ClockPictures pictures;
    FrameSurfaces frame = pictures.Frame();
    ClockModel model;
    model.Replace(Everything());
    FixedClock clock;
    clock.time.second = 56;
    const auto tick = [&] {
        model.Compose(frame, clock.Instant());
        model.Sound(clock.time, player);
        model.StepsToNextTick(frame, 10);
        if (clock.time.millisecond == 0) model.StepSecond();
        if (clock.time.millisecond == 500) model.BlinkColons();
        clock.time = AddMilliseconds(clock.time, 10);
    };
    for (int step = 0; step < 200; ++step) tick();
    const long before = g_allocations;
    for (int step = 0; step < 500; ++step) tick();
    EXPECT_EQ(g_allocations - before, 0) << "allocations in 500 ticks from 10:15:58";
}

}  // namespace
}  // namespace marvix
