#include "dialogs/alarms_dialog.h"

#include <algorithm>
#include <array>

#include "sound/sound_triggers.h"

namespace marvix {

namespace {

constexpr uint32_t kWhite = 0x00FFFFFF;
constexpr uint32_t kYellow = 0x0000FFFF;
constexpr char kWavFilter[] = "WAV files|*.wav|All Files|*.*";
using T = ControlType;
using C = AlarmsControl;

// A sound row: its box, its file, "test" and "Browse", each named for a screen reader by the sound
// ("Ticking test").
struct Sound {
    std::string_view caption;
    Setting on, file;
};
// "\xBC", "\xBD" and "\xBE" are the quarters in the program's 8-bit code page.
constexpr Sound kSounds[] = {
    {.caption = "Ticking", .on = Setting::Tick, .file = Setting::TickStr},
    {.caption = "Tocking", .on = Setting::Tock, .file = Setting::TockStr},
    {.caption = "Hour Chime", .on = Setting::Chime1, .file = Setting::C1Str},
    {.caption = "\xBC Hr Chime", .on = Setting::Chime3, .file = Setting::C3Str},
    {.caption = "\xBD Hr Chime", .on = Setting::Chime2, .file = Setting::C2Str},
    {.caption = "\xBE Hr Chime", .on = Setting::Chime4, .file = Setting::C4Str},
};
constexpr int kSoundTops[] = {8, 34, 60, 106, 132, 158};

// A file's field and its "test" and "Browse" buttons, the field being `file`.
constexpr void AddFileRow(ControlRow* rows, size_t& n, ControlId file, C test, C browse,
                          size_t index, int top, Setting setting, std::string_view sound) {
    rows[n++] = {.type = T::Edit,
                 .id = file,
                 .place = {122, top, 312, top + 21},
                 .setting = setting,
                 .context = sound,
                 .spoken = "sound file"};
    rows[n++] = {.type = T::PushButton,
                 .id = IdOf(test, index),
                 .caption = "test",
                 .place = {316, top, 356, top + 21},
                 .field = file,
                 .effect = Effect::PlaySound,
                 .context = sound};
    rows[n++] = {.type = T::BrowseButton,
                 .id = IdOf(browse, index),
                 .caption = "Browse",
                 .place = {360, top, 436, top + 21},
                 .items = kWavFilter,
                 .field = file,
                 .context = sound};
}

constexpr std::string_view kDays[] = {"Mo", "Tu", "We", "Th", "Fr", "Sa", "Su"};
constexpr std::string_view kDayNames[] = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                          "Friday", "Saturday", "Sunday"};
constexpr size_t kRowCount =
    std::size(kSounds) * 4 + 1 + 11 + 2 + std::size(kDays) + 2 + 4 + 7 + std::size(kDays);

// A quiet hours' time of day, "HH:MM", at `left` on the quiet hours' line.
constexpr ControlRow QuietTime(C role, int left, Setting setting, std::string_view spoken,
                               std::string_view tip) {
    return {.type = T::Edit,
            .id = IdOf(role),
            .place = {left, 398, left + 48, 419},
            .setting = setting,
            .maximum = 5,
            .context = "Quiet",
            .spoken = spoken,
            .tip = tip};
}

// A day's box in the row of seven at `top`, bound to its bit of `days`.
constexpr ControlRow DayBox(ControlId id, size_t day, int top, Setting days,
                            std::string_view context) {
    const int left = 54 + 54 * static_cast<int>(day);
    return {.type = T::CheckBox,
            .id = id,
            .caption = kDays[day],
            .place = {left, top, left + 52, top + 17},
            .setting = days,
            .colour = kWhite,
            .context = context,
            .spoken = kDayNames[day],
            .bit = static_cast<int8_t>(day)};
}

// The sound rows, the hour chime's count, then the alarm editor, bound to alarm 1 and pointed at
// the alarm "Alarm #" shows.
constexpr std::array<ControlRow, kRowCount> BuildRows() {
    std::array<ControlRow, kRowCount> rows{};
    size_t n = 0;
    for (size_t i = 0; i < std::size(kSounds); ++i) {
        const Sound& sound = kSounds[i];
        const int top = kSoundTops[i];
        rows[n++] = {.type = T::CheckBox,
                     .id = IdOf(C::SoundOn, i),
                     .caption = sound.caption,
                     .place = {8, top + 2, 118, top + 19},
                     .setting = sound.on,
                     .colour = kWhite};
        AddFileRow(rows.data(), n, IdOf(C::SoundFile, i), C::SoundTest, C::SoundBrowse, i, top,
                   sound.file, sound.caption);
        // The chime count sits under the hour chime's row.
        if (sound.on == Setting::Chime1) {
            rows[n++] = {.type = T::CheckBox,
                         .id = IdOf(C::ChimeCount),
                         .caption = "Chime number of hours",
                         .place = {24, 84, 240, 101},
                         .setting = Setting::ChimeNum,
                         .colour = kWhite};
        }
    }
    const AlarmFields& first = kAlarms[0];
    rows[n++] = {.caption = "Alarm #", .place = {8, 204, 60, 218}, .colour = kWhite};
    rows[n++] = {.type = T::SpinEdit,
                 .id = IdOf(C::AlarmNumber),
                 .place = {64, 200, 112, 221},
                 .minimum = 1,
                 .maximum = 5,
                 .effect = Effect::ChooseAlarm};
    AddFileRow(rows.data(), n, IdOf(C::AlarmFile), C::AlarmTest, C::AlarmBrowse, 0, 200,
               SettingOf(first.file), "Alarm");
    rows[n++] = {.type = T::CheckBox,
                 .id = IdOf(C::AlarmOn),
                 .caption = "Alarm On",
                 .place = {8, 230, 118, 247},
                 .setting = SettingOf(first.on),
                 .colour = kWhite};
    rows[n++] = {.caption = "H", .place = {122, 232, 134, 246}, .colour = kWhite};
    rows[n++] = {.type = T::SpinEdit,
                 .id = IdOf(C::AlarmHour),
                 .place = {136, 228, 184, 249},
                 .setting = SettingOf(first.hour),
                 .minimum = 0,
                 .maximum = 23,
                 .effect = Effect::AlarmHour,
                 .context = "Alarm",
                 .tip = "The alarm's hour: 1 to 12 with pm for the afternoon, or 0 to 23"};
    rows[n++] = {.caption = "M", .place = {194, 232, 206, 246}, .colour = kWhite};
    rows[n++] = {.type = T::SpinEdit,
                 .id = IdOf(C::AlarmMinute),
                 .place = {208, 228, 256, 249},
                 .setting = SettingOf(first.minute),
                 .maximum = 59,
                 .context = "Alarm",
                 .tip = "The alarm's minute"};
    rows[n++] = {.type = T::CheckBox,
                 .id = IdOf(C::AlarmPm),
                 .caption = "pm",
                 .place = {268, 230, 320, 247},
                 .setting = SettingOf(first.afternoon),
                 .colour = kWhite,
                 .tip = "The hour is after noon"};
    // What this program adds to an alarm: ringing until answered, its days, its label.
    rows[n++] = {.type = T::CheckBox,
                 .id = IdOf(C::AlarmRing),
                 .caption = "Ring until stopped",
                 .place = {8, 258, 150, 275},
                 .setting = SettingOf(first.ringUntilAnswered),
                 .colour = kWhite};
    rows[n++] = {.caption = "Label", .place = {160, 262, 200, 276}, .colour = kWhite};
    rows[n++] = {.type = T::Edit,
                 .id = IdOf(C::AlarmLabel),
                 .place = {204, 258, 436, 279},
                 .setting = SettingOf(first.label),
                 .maximum = 40,
                 .context = "Alarm",
                 .spoken = "label"};
    rows[n++] = {.caption = "Days", .place = {8, 290, 50, 304}, .colour = kWhite};
    for (size_t day = 0; day < std::size(kDays); ++day)
        rows[n++] = DayBox(IdOf(C::AlarmDay, day), day, 288, SettingOf(first.days), "Alarm on");
    // Waking the computer: the alarm's own choice, the clock's, and why it cannot, if it cannot.
    rows[n++] = {.type = T::CheckBox,
                 .id = IdOf(C::AlarmWake),
                 .caption = "Wake the computer",
                 .place = {8, 314, 150, 331},
                 .colour = kWhite,
                 .effect = Effect::WakeComputer,
                 .context = "Alarm",
                 .tip = "The computer wakes from sleep a minute before this alarm, where it can"};
    rows[n++] = {.type = T::CheckBox,
                 .id = IdOf(C::KeepAwake),
                 .caption = "Keep the computer awake until the alarm",
                 .place = {160, 314, 436, 331},
                 .setting = Setting::KeepAwake,
                 .colour = kWhite,
                 .tip =
                     "From the evening before an alarm that wakes the computer, the computer "
                     "does not sleep (the display may); this costs battery"};
    rows[n++] = {.caption = "(from the evening before; this costs battery)",
                 .place = {176, 334, 436, 348},
                 .colour = kWhite};
    rows[n++] = {.id = IdOf(C::WakeSentence), .place = {8, 354, 436, 382}, .colour = kYellow};
    // The quiet hours.
    rows[n++] = {.type = T::Separator, .place = {0, 388, 444, 390}};
    rows[n++] = {.caption = "Quiet from", .place = {8, 402, 70, 416}, .colour = kWhite};
    rows[n++] = QuietTime(C::QuietFrom, 74, Setting::QuietFrom, "from",
                          "No chime, tick or tock from this time (HH:MM, the clock's own time)");
    rows[n++] = {.caption = "to", .place = {128, 402, 142, 416}, .colour = kWhite};
    rows[n++] = QuietTime(C::QuietTo, 146, Setting::QuietTo, "to",
                          "Until this time (HH:MM); alarms and timers always ring");
    rows[n++] = {.caption = "no chime, tick or tock; alarms still ring",
                 .place = {202, 402, 436, 416},
                 .colour = kWhite};
    rows[n++] = {.caption = "Days", .place = {8, 432, 50, 446}, .colour = kWhite};
    for (size_t day = 0; day < std::size(kDays); ++day)
        rows[n++] = DayBox(IdOf(C::QuietDay, day), day, 430, Setting::QuietDays, "Quiet on");
    return rows;
}

constexpr std::array kRows = BuildRows();

}  // namespace

const std::span<const ControlRow> kAlarmsDialogRows = kRows;

std::optional<Setting> AlarmSetting(AlarmsControl control, int alarm) {
    if (alarm < 1 || alarm > int(std::size(kAlarms))) return std::nullopt;
    const AlarmFields& a = kAlarms[size_t(alarm - 1)];
    switch (control) {
        case C::AlarmFile: return SettingOf(a.file);
        case C::AlarmOn: return SettingOf(a.on);
        case C::AlarmHour: return SettingOf(a.hour);
        case C::AlarmMinute: return SettingOf(a.minute);
        case C::AlarmPm: return SettingOf(a.afternoon);
        case C::AlarmRing: return SettingOf(a.ringUntilAnswered);
        case C::AlarmDay: return SettingOf(a.days);
        case C::AlarmLabel: return SettingOf(a.label);
        default: return std::nullopt;
    }
}

int32_t ShownAlarmHour(int32_t stored) { return stored == 0 ? 12 : std::min(stored, 12); }

AlarmHourEntry AlarmHourTyped(int32_t typed) {
    if (typed == 0) return {.hour = 0, .afternoon = false};
    if (typed > 12) return {.hour = typed - 12, .afternoon = true};
    return {.hour = typed};
}

}  // namespace marvix
