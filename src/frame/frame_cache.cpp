#include "frame/frame_cache.h"

#include "frame/frame.h"

namespace marvix {

std::optional<ChangedArea> FrameCache::Compose(const ClockSettings& s, const LiveState& live,
                                               FrameSurfaces& f, const ClockInstant& now) {
    ListNow(s, live, f, now);
    const size_t end = now_.list.Size();
    const bool displayKept = drawn_ && f.display.Version() == displayVersion_;
    const bool sameUnder = displayKept && SameBytes(now_.list.Bytes(0, now_.HandsOffset()),
                                                    last_.list.Bytes(0, last_.HandsOffset()));
    const bool sameHands = SameBytes(now_.list.Bytes(now_.HandsOffset(), end),
                                     last_.list.Bytes(last_.HandsOffset(), last_.list.Size()));
    // The list just made is the last one from here on; the one before is now_.
    std::swap(now_, last_);
    if (sameUnder && sameHands) return std::nullopt;

    const auto real = SurfacesOf(f);
    const Rect whole = Rect::At({0, 0}, f.display.GetSize());
    ChangedArea changed(whole);
    if (!sameUnder) {
        last_.list.Replay(0, end, real);
    } else if (const auto moved =
                   DifferingArea(now_.list, now_.handsFrom, last_.list, last_.handsFrom)) {
        // Only the hands whose calls changed differ, where they were and where they are: there
        // alone the copies that made the layer under them (the face, the displays' and dials'
        // pictures, all as they were drawn) are made again, and every hand that reaches there is
        // drawn over them, clipped. Nothing else is kept for it, so a large clock holds one
        // picture fewer, and a hand that stood still is not drawn again where it stands alone.
        // The calls that differ are on the display alone, so the other surfaces stand as drawn.
        changed = moved->Within(whole);
        for (const Rect part : changed.Parts()) {
            f.display.ClipTo(part);
            last_.list.ReplayOnDisplay(0, last_.list.CallCount(), real, part);
        }
        f.display.ClipTo(std::nullopt);
    } else {
        changed = ChangedArea(Intersection(Union(now_.HandsArea(), last_.HandsArea()), whole));
        if (!changed.Empty()) {
            f.display.ClipTo(changed.Bounds());
            last_.list.ReplayOnDisplay(0, last_.handsFrom, real);
            last_.list.Replay(last_.HandsOffset(), end, real);
            f.display.ClipTo(std::nullopt);
        }
    }
    displayVersion_ = f.display.Version();
    drawn_ = true;
    if (changed.Empty()) return std::nullopt;
    return changed;
}

bool FrameCache::Unchanged(const ClockSettings& s, const LiveState& live, FrameSurfaces& f,
                           const ClockInstant& now) {
    if (!drawn_ || f.display.Version() != displayVersion_) return false;
    // Between two compositions the list before the last is needed no more: it takes the listing.
    ListNow(s, live, f, now);
    return SameBytes(now_.list.Bytes(0, now_.list.Size()), last_.list.Bytes(0, last_.list.Size()));
}

void FrameCache::ListNow(const ClockSettings& s, const LiveState& live, FrameSurfaces& f,
                         const ClockInstant& now) {
    FrameSurfaces listed = listing_.Attach(f);
    now_.list.Clear();
    ComposeUnderHands(s, live, listed, now);
    now_.handsFrom = now_.list.CallCount();
    ComposeHands(s, live, listed, now);
}

}  // namespace marvix
