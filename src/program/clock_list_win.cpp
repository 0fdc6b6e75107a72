#include "program/clock_list_win.h"

#include "base/colour.h"
#include "digital/clock_label.h"
#include "settings/encodings.h"
#include "windows/screen_clamp_win.h"

namespace marvix {

namespace {

// The label a new clock copies reads where its colour stands out at 4.5 to 1 from the face under
// it; else it is black or white, whichever stands out more (a black label on the navy 24-hour
// face was all but invisible). The user's own choice, made later, stays as it is.
void GiveLabelAReadableColour(RunningClock& clock) {
    const ClockSettings& s = clock.Settings();
    ClockPictures& pictures = clock.Face().Pictures();
    const Size text = pictures.display.TextExtent(s.Label, LabelFont(s));
    const Rect under = Rect::At(LabelPlace(s, pictures.face->GetSize(), text), text);
    const Colour readable = ReadableOn(MeanColourIn(*pictures.face, under), s.LabelColour.value);
    if (readable == s.LabelColour.value) return;
    clock.Parts().model.Edit().LabelColour = {ColourText(readable), readable};
}

}  // namespace

std::unique_ptr<ClockHost> ClockList::Make(ClockKeys keys) {
    return std::make_unique<ClockHost>(program_, time_, settingsWindows_, std::move(keys));
}

bool ClockList::CreateStored() {
    clocks_.push_back(Make(FirstClockKeys()));
    if (!clocks_.front()->Create()) return false;
    for (int number : StoredClockNumbers()) {
        std::unique_ptr<ClockHost> clock = Make(OtherClockKeys(number));
        if (clock->Create()) clocks_.push_back(std::move(clock));
    }
    return true;
}

void ClockList::ListLive(std::vector<ClockHost*>& live) const {
    live.clear();
    for (const auto& clock : clocks_)
        if (clock->IsLive()) live.push_back(clock.get());
}

std::vector<Rect> ClockList::FramesBeside(const ClockHost& clock) const {
    std::vector<Rect> frames;
    for (ClockHost* other : Live())
        if (other != &clock && IsWindowVisible(other->Clock().Window()))
            frames.push_back(other->Clock().Parts().place.Frame());
    return frames;
}

ClockHost* ClockList::Add(ClockHost& from, const std::string& zone, const std::string& label,
                          std::vector<Rect> windows) {
    std::unique_ptr<ClockHost> clock = Make(OtherClockKeys(FreeClockNumber()));
    from.Clock().Parts().look.ReadDisplayFonts();
    ClockSettings copy = from.Model().Written(WrittenTo::Registry);
    WithoutSounds(copy);
    copy.Zone = zone;
    copy.Label = label;
    copy.LabelShow = true;
    copy.Tray = false;
    // Stored before its window reads them: the new clock starts as any stored clock does.
    if (!WriteClockSettings(copy, clock->Keys())) return nullptr;
    if (!clock->Create()) {
        RemoveClockKeys(clock->Keys().number);
        return nullptr;
    }
    GiveLabelAReadableColour(clock->Clock());
    // Clear of the menu and the windows it was asked from too, where there is room.
    if (const std::optional<Rect> menu = from.MenuFrame()) windows.push_back(*menu);
    clock->Clock().PlaceBeside(from.Clock().Parts().place.Frame(), FramesBeside(*clock), windows);
    from.KeepWindowsClearOf(clock->Clock().Parts().place.Frame());
    clock->ShowAtStart();
    clocks_.push_back(std::move(clock));
    return clocks_.back().get();
}

void ClockList::StopAll(const ClockHost* going) {
    // The others first, the first clock last; `going` is on its way already.
    std::vector<ClockHost*> live = Live();
    for (auto clock = live.rbegin(); clock != live.rend(); ++clock)
        if (*clock != going) DestroyWindow((*clock)->Clock().Window());
}

}  // namespace marvix
