#pragma once

// The clock's off-screen pictures and how the face gets into them: the built-in face, a face
// file with its tests and messages, the fallback face for one too big for the screen, and a
// snapshot of the desktop.

#include <memory>
#include <string>

#include "base/gdi_surface_win.h"
#include "frame/frame.h"
#include "windows/clock_messages.h"

namespace marvix {

// The face picture, never drawn on by the tick. Clocks showing the built-in face at the same
// scale share one picture of it (after the window's own, the largest thing a clock keeps); a
// clock that changes its face gets a copy of its own first, so no other clock sees the change.
class FacePicture {
public:
    FacePicture() { ShareBuiltIn(1.0); }
    const GdiSurface& operator*() const { return *surface_; }
    const GdiSurface* operator->() const { return surface_.get(); }
    // The picture to change, the clock's own.
    GdiSurface& Own();
    // The built-in face at `scale`, the picture another clock holds when one does.
    void ShareBuiltIn(double scale);
    bool SameAs(const FacePicture& other) const { return surface_ == other.surface_; }

private:
    std::shared_ptr<GdiSurface> surface_;
    bool builtIn_ = false;  // surface_ may be shared, and is never changed
};

struct ClockPictures {
    GdiSurface display;  // what the window shows, composed at every tick
    FacePicture face;
    std::array<GdiSurface, 12> digits;  // the digital displays', in font-slot order
    GdiSurface moon{{49, 49}};          // the moon dial's
    GdiSurface dayNight{{49, 49}};      // the day/night dial's

    ClockPictures();
    FrameSurfaces Frame();
    // Every picture at this many device pixels a face pixel (see GdiSurface::SetScale); what they
    // held is to be drawn again.
    void SetScale(double scale);
    // The built-in face in the face and display pictures, as at start, at the display's scale.
    void UseBuiltInFace();
};

// What became of a face file: refused (not opened, or more than 256 colours: nothing changes),
// too large (not loaded), or tested and loaded into the face and the display pictures, each of
// which may still have failed.
enum class FaceTest { Refused, TooLarge, Passed };
struct FaceLoad {
    FaceTest test = FaceTest::Refused;
    bool face = false;
    bool display = false;
};

// Tests a face file and loads it into the face and the display pictures, reporting every
// failure through the message seam; on failure the pictures keep what they held.
FaceLoad LoadFaceFile(const std::string& path, ClockPictures& pictures,
                      const char* tooLarge = kTooLargeAtStart);

// TooBig when the face does not fit the maximized-window area `screen`: the fallback face in its
// place. Returns whether it took the fallback.
bool FitFaceToScreen(Size screen, ClockPictures& pictures);

// The steps on the face at start-up (and, with kTooLargeOnLoad, after a configuration file is
// loaded): load BackPic unless it is empty or UseWall is set, size the pictures for UseWall, and
// take the fallback face when the face does not fit the maximized-window area `screen`.
void PrepareFace(const ClockSettings& settings, ClockPictures& pictures, Size screen,
                 const char* tooLarge = kTooLargeAtStart);

// TooBig: the fallback face in place of one larger than the screen.
void UseFallbackFace(ClockPictures& pictures);

// The mean colour of the face picture over `area` (face pixels), what a text there is seen on.
Colour MeanColourIn(const GdiSurface& face, Rect area);

// Copies the desktop's pixels at `topLeft` into the face picture, at the face's size.
void CaptureDesktop(GdiSurface& face, Point topLeft);

}  // namespace marvix
