#include "app/frame_cache.h"

#include <cstring>

#include "app/frame.h"

namespace marvix {

namespace {

bool Same(std::span<const std::byte> a, std::span<const std::byte> b) {
    return a.size() == b.size() && (a.empty() || std::memcmp(a.data(), b.data(), a.size()) == 0);
}

}  // namespace

std::optional<Rect> FrameCache::Compose(ClockSettings& s, FrameSurfaces& f, Surface& underHands,
                                        TimeSource& clock) {
    FrameSurfaces listed = listing_.Attach(f);
    now_.list.Clear();
    ComposeUnderHands(s, listed, clock);
    now_.handsFrom = now_.list.Size();
    now_.handsFromCall = now_.list.CallCount();
    now_.list.TakeDrawnArea();
    ComposeHands(s, listed, clock);
    now_.handsArea = now_.list.TakeDrawnArea();

    const size_t end = now_.list.Size();
    const bool sameUnder =
        drawn_ && underHands.Version() == underHandsVersion_ &&
        Same(now_.list.Bytes(0, now_.handsFrom), last_.list.Bytes(0, last_.handsFrom));
    const bool sameHands = Same(now_.list.Bytes(now_.handsFrom, end),
                                last_.list.Bytes(last_.handsFrom, last_.list.Size()));
    const bool displayKept = f.display.Version() == displayVersion_;
    const Rect lastHands = last_.handsArea;
    // The list just made is the last one from here on.
    std::swap(now_, last_);
    if (sameUnder && sameHands && displayKept) return std::nullopt;

    const auto real = SurfacesOf(f);
    const Size size = f.display.GetSize();
    const Rect whole = Rect::At({0, 0}, size);
    Rect changed = whole;
    if (!sameUnder) {
        last_.list.Replay(0, last_.handsFrom, real);
        underHands.Resize(size);
        underHands.CopyFrom(f.display, whole, {0, 0});
        underHandsVersion_ = underHands.Version();
    } else if (!displayKept) {
        f.display.CopyFrom(underHands, whole, {0, 0});
    } else {
        // Only where the last hands were does the display differ from the layer under them.
        const Rect erase = Intersection(lastHands, whole);
        if (!erase.Empty()) f.display.CopyFrom(underHands, erase, {erase.left, erase.top});
        // What reaches the screen is narrower: only the hands whose calls changed differ there.
        const auto moved =
            DifferingArea(last_.list, last_.handsFromCall, now_.list, now_.handsFromCall);
        changed = Intersection(moved.value_or(Union(lastHands, last_.handsArea)), whole);
    }
    last_.list.Replay(last_.handsFrom, end, real);
    displayVersion_ = f.display.Version();
    drawn_ = true;
    if (changed.Empty()) return std::nullopt;
    return changed;
}

}  // namespace marvix
