// marvix-render: one frame of the clock, as the clock would show it at a given local time, from
// the settings in the registry (read as at start-up, never written), written as a 24-bit BMP.
// --smooth-edges on|off draws the hands and dials with or without anti-aliased edges, and --size
// PERCENT draws the picture at that size (50 to 400), whatever the registry says; --timer DURATION
// draws it as if a timer with DURATION left (as the Timers window reads lengths) ran on it.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/bitmap_file.h"
#include "base/message_seam_win.h"
#include "base/system_time_win.h"
#include "clock/clock_pictures_win.h"
#include "digital/display_fonts.h"
#include "frame/placement.h"
#include "settings/config_file.h"
#include "settings/config_store_win.h"
#include "settings/encodings.h"
#include "settings/file_paths.h"
#include "settings/registry_store_win.h"
#include "timers/kept_timers.h"
#include "timers/timer_length.h"
#include "windows/screen_clamp_win.h"

namespace {

using namespace marvix;

constexpr char kUsage[] =
    "usage: marvix-render [--bias MINUTES] [--config FILE.ccf] [--smooth-edges on|off]\n"
    "                     [--size PERCENT] [--timer DURATION]\n"
    "                     YYYY-MM-DDTHH:MM:SS[.mmm] OUT.bmp\n";

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::optional<int32_t> bias;
    std::optional<std::string> config;
    std::optional<bool> smooth;
    std::optional<int32_t> size;
    std::optional<int64_t> timer;
    bool usable = true;
    while (usable && args.size() > 2 && args[0].starts_with("--")) {
        const std::string& option = args[0];
        const std::string& value = args[1];
        if (option == "--bias") {
            usable = (bias = ParseInteger(value)).has_value();
        } else if (option == "--config") {
            config = value;
        } else if (option == "--smooth-edges" && (value == "on" || value == "off")) {
            smooth = value == "on";
        } else if (option == "--timer") {
            usable = (timer = ParseTimerLength(value)).has_value();
        } else if (option == "--size") {
            usable = (size = ParseInteger(value)).has_value();
        } else {
            usable = false;
        }
        args.erase(args.begin(), args.begin() + 2);
    }
    const std::optional<LocalTime> time =
        usable && args.size() == 2 ? ParseLocalTime(args[0]) : std::nullopt;
    if (!time) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    // The bias replaces the platform's zone when given.
    const ClockInstant at = InstantAt(*time, bias ? *bias : SystemTime().UtcBiasMinutes());

    // Whatever the clock would report in a message box goes to the error stream instead.
    MessageCapture messages;
    ClockSettings settings;
    Win32Registry registry;
    std::vector<std::string> errors;
    ReadAllSettings(settings, registry, errors);
    // The program's own settings (smooth edges, the size) as the clock reads them.
    Win32Registry program(kProgramKeyPath);
    ReadSettings(settings, program, ProgramSequence(), errors);
    if (size) settings.Size = *size;
    if (smooth) settings.SmoothEdges = *smooth;
    LiveState live;
    live.screen = MaximizedArea();
    ApplyDisplayFonts(settings, live.displays.fonts);

    ClockPictures pictures;
    // The picture's own size: Size alone, not the screen's scale.
    pictures.SetScale(ClockScale(settings.Size, false, 96));
    PrepareFace(settings, pictures, live.screen);
    // A configuration file on top, as the configurations window loads one.
    if (config) {
        const std::optional<std::string> text = ReadConfigFile(*config);
        ConfigLoad loaded = text ? LoadConfigText(*text, settings) : ConfigLoad{};
        if (!loaded.settings) {
            std::fprintf(stderr, "%s\n", text ? loaded.error.c_str() : kCannotLoadFile);
            return 1;
        }
        settings = std::move(*loaded.settings);
        ResolveFilePaths(settings, FolderOf(FullPathOf(*config)));
        ApplyDisplayFonts(settings, live.displays.fonts);
        PrepareFace(settings, pictures, live.screen, kTooLargeOnLoad);
    }
    if (settings.UseWall) CaptureDesktop(pictures.face.Own(), {settings.FL, settings.FT});
    FrameSurfaces frame = pictures.Frame();
    live.layout = LayOutFace(settings, frame.face.GetSize(), frame.display.GetSize());
    if (timer) {
        const TimerLook look;
        live.timer = {.shown = true,
                      .running = true,
                      .endsMs = UniversalMilliseconds(at) + *timer * 1000,
                      .colour = look.colour,
                      .opacity = look.opacity};
    }
    ComposeFrame(settings, live, frame, at);

    for (const std::string& error : errors) std::fprintf(stderr, "%s\n", error.c_str());
    for (const std::string& text : messages.Texts()) std::fprintf(stderr, "%s\n", text.c_str());
    if (!WriteFile(args[1], EncodeBitmapFile24(pictures.display.ToPicture()))) {
        std::fprintf(stderr, "cannot write %s\n", args[1].c_str());
        return 1;
    }
    return 0;
}
