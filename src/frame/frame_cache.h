#pragma once

// The tick's frame, drawn only where it changed. Every tick still runs every rule of the frame,
// into a FrameList; what reaches the pixels depends on how that list differs from the last one:
// - the same list, on the same face and display pictures: nothing is drawn;
// - the same layer under the hands: where the hands that moved were and are, the copies of the
//   face and of the displays' and dials' pictures that make that layer are made again, and the
//   hands drawn over them, all clipped to that area;
// - otherwise the whole list is drawn.
// The pixels are those a composition from scratch gives at the same instant.

#include <array>
#include <optional>

#include "base/frame_surfaces.h"
#include "base/local_time.h"
#include "frame/frame_list.h"
#include "frame/live_state.h"
#include "settings/clock_settings.h"

namespace marvix {

class FrameCache {
public:
    FrameCache() = default;
    FrameCache(const FrameCache&) = delete;
    FrameCache& operator=(const FrameCache&) = delete;

    // Composes the frame as ComposeFrame does.
    // Returns the part of the display picture whose pixels may have changed (when only hands
    // moved, no more than where the hands that moved were and are), or nullopt when none did.
    std::optional<ChangedArea> Compose(const ClockSettings& settings, const LiveState& live,
                                FrameSurfaces& surfaces, const ClockInstant& now);

    // Whether a Compose at `now` would leave the pictures as the last one did: the frame the
    // settings give at that instant, listed but not drawn, equals the last, on untouched
    // pictures.
    bool Unchanged(const ClockSettings& settings, const LiveState& live, FrameSurfaces& surfaces,
                   const ClockInstant& now);

private:
    struct Listed {
        FrameList list;
        size_t handsFrom = 0;  // the first of the hands' calls
        size_t HandsOffset() const { return list.OffsetOfCall(handsFrom); }
        Rect HandsArea() const { return list.DrawnArea(handsFrom); }
    };
    // Lists the frame into now_, as ComposeFrame would draw it.
    void ListNow(const ClockSettings& settings, const LiveState& live, FrameSurfaces& surfaces,
                 const ClockInstant& now);

    Listed now_, last_;
    FrameListing listing_{now_.list};
    bool drawn_ = false;
    // The display picture's version as this cache left it: drawn on by anything else, it no
    // longer holds what the last list drew.
    uint32_t displayVersion_ = 0;
};

}  // namespace marvix
