#include "app/frame.h"

#include "app/face_geometry.h"

namespace marvix {

void CopyFace(const ClockSettings& s, FrameSurfaces& f) {
    const Size display = f.display.GetSize();
    if (!s.Reversed) {
        f.display.CopyFrom(f.face, Rect::At({0, 0}, display), {0, 0});
        return;
    }
    // Mirrored exactly only when the source starts at its last column and runs leftward.
    const Size face = f.face.GetSize();
    f.display.StretchFrom(f.face, {face.width - 1, 0}, {-face.width, face.height},
                          Rect::At({0, 0}, display));
}

void ComposeFrame(ClockSettings& s, FrameSurfaces& f, TimeSource& clock) {
    ApplyFaceGeometry(s, f.face.GetSize());
    CopyFace(s, f);
    const Size display = f.display.GetSize();
    s.FaceWidth = display.width;
    s.FaceHeight = display.height;

    // The digital displays, the phase dials and the hands are drawn here, in this order, as
    // their subsystems arrive; until then the frame is the face alone.
    (void)clock;
}

}  // namespace marvix
