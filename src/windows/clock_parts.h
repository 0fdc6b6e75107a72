#pragma once

// What a settings window may reach of the clock it changes: the clock's settings, and the part of
// the clock a setting has effects on beyond the next frame (its look and face, its place and
// overlay, its configuration files, its sounds), each through a small interface of that part.

#include <optional>
#include <string>

#include "base/geometry.h"
#include "frame/clock_model.h"
#include "frame/face_layout.h"
#include "settings/clock_settings.h"
#include "sound/sound_triggers.h"

namespace marvix {

// The clock's look: its face, its size, its fonts and its frames.
class ClockLook {
public:
    // The face's effective hand geometry and the displays' places, as the settings give them now.
    virtual const FaceLayout& Layout() = 0;
    virtual Size FaceSize() const = 0;
    // A change shown now rather than at the next tick.
    virtual void Redraw() = 0;
    // Smooth: the tick's step.
    virtual void Retime() = 0;
    // Size and FollowScreenScale: the clock drawn at its size, the window sized to it.
    virtual void Rescale() = 0;
    // The fonts the digital displays draw with; the slots' settings are read now if the clock has
    // not read them yet.
    virtual const DisplayFonts& ReadDisplayFonts() = 0;
    // A font slot's settings (0 to 11) made its display's font.
    virtual void ApplyDisplayFont(size_t slot) = 0;
    // A face picked: tested, loaded, the window fitted to it. Every failure is reported.
    virtual void LoadFace(const std::string& path) = 0;
    // The snapshot face given up: the face the settings name (BackPic, else the built-in one)
    // back in its place, the window fitted to it.
    virtual void ShowOwnFace() = 0;
    // With the snapshot face: the window, its pictures and its centre made this size, and a new
    // snapshot of the desktop taken.
    virtual void ResizeSnapshot(Size size) = 0;
    // "Steal Wallpaper Background": the desktop behind the clock becomes its face.
    virtual void TakeSnapshot() = 0;

protected:
    ~ClockLook() = default;
};

// Where the clock window stands and how it meets the desktop.
class ClockPlace {
public:
    // The clock window's rectangle on the screen.
    virtual Rect Frame() const = 0;
    // The primary screen's maximised-window area, as the clock last took it.
    virtual Size ScreenArea() const = 0;
    // The rectangle holding every monitor, as the clock last took them.
    virtual Rect Desktop() const = 0;
    // CShape and RSqr: the window cut to its shape again.
    virtual void Reshape() = 0;
    // FacePos: above, among or beneath the other windows.
    virtual void Restack() = 0;
    // ClickThrough and Opacity: the window passes clicks and shows through as they say.
    virtual void ApplyOverlay() = 0;
    // FL and FT: the window moved there (the next tick holds it on the screen).
    virtual void MoveTo(Point topLeft) = 0;
    // HideMe: the taskbar button shown or taken away.
    virtual void ShowTaskbarButton(bool show) = 0;

protected:
    ~ClockPlace() = default;
};

// Configuration files; every failure is reported, and a file that does not load changes nothing.
class ClockFiles {
public:
    virtual bool LoadConfiguration(const std::string& path) = 0;
    virtual bool SaveConfiguration(const std::string& path) = 0;

protected:
    ~ClockFiles() = default;
};

class ClockSounds {
public:
    // "test": a sound played as the clock plays its own.
    virtual void Play(const SoundRequest& request) = 0;
    // The alarm that rings until answered: snoozed for that many minutes, or dismissed.
    virtual void AnswerAlarm(std::optional<int> snoozeMinutes) = 0;

protected:
    ~ClockSounds() = default;
};

// One clock as its settings windows see it. Taking model.Edit() counts as a change, which the
// clock saves once changes have settled; a reader takes model.Settings() instead, or every window
// shown would keep the clock from ever finding its settings settled.
struct ClockParts {
    ClockModel& model;
    ClockLook& look;
    ClockPlace& place;
    ClockFiles& files;
    ClockSounds& sounds;
};

}  // namespace marvix
