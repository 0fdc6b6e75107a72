#include "dialogs/alarms_dialog.h"

#include <array>

namespace marvix {

namespace {

constexpr uint32_t kWhite = 0x00FFFFFF;
constexpr char kWavFilter[] = "WAV files|*.wav|All Files|*.*";
using T = ControlType;

constexpr ControlRow Check(std::string_view name, std::string_view caption, int top,
                           std::string_view setting) {
    return {T::CheckBox, name, caption, {8, top + 2, 118, top + 19}, setting, 0, 0, kWhite};
}
// A sound's field and buttons are named for a screen reader by the sound ("Ticking test").
constexpr ControlRow File(std::string_view name, int top, std::string_view setting,
                          std::string_view sound) {
    return Spoken({T::Edit, name, "", {122, top, 312, top + 21}, setting}, sound, "sound file");
}
constexpr ControlRow Test(std::string_view name, int top, std::string_view field,
                          std::string_view sound) {
    ControlRow row{T::PushButton, name, "test", {316, top, 356, top + 21}};
    row.field = field;
    row.effect = Effect::PlaySound;
    row.context = sound;
    return row;
}
constexpr ControlRow Browse(std::string_view name, int top, std::string_view field,
                            std::string_view sound) {
    ControlRow row{T::BrowseButton, name, "Browse", {360, top, 436, top + 21}};
    row.items = kWavFilter;
    row.field = field;
    row.context = sound;
    return row;
}

// The sound rows, then the alarm editor; "\xBC", "\xBD" and "\xBE" are the quarters in the
// program's 8-bit code page.
// clang-format off
constexpr std::array kRows = {
    Check("CheckBox15", "Ticking", 8, "Tick"), File("Edit4", 8, "TickStr", "Ticking"), Test("Button8", 8, "Edit4", "Ticking"), Browse("Button5", 8, "Edit4", "Ticking"),
    Check("CheckBox1", "Tocking", 34, "Tock"), File("Edit7", 34, "TockStr", "Tocking"), Test("Button2", 34, "Edit7", "Tocking"), Browse("Button16", 34, "Edit7", "Tocking"),
    Check("CheckBox16", "Hour Chime", 60, "Chime1"), File("Edit5", 60, "C1Str", "Hour Chime"), Test("Button9", 60, "Edit5", "Hour Chime"), Browse("Button6", 60, "Edit5", "Hour Chime"),
    ControlRow{T::CheckBox, "CheckBox8", "Chime number of hours", {24, 84, 240, 101}, "ChimeNum", 0, 0, kWhite},
    Check("CheckBox2", "\xBC Hr Chime", 106, "Chime3"), File("Edit8", 106, "C3Str", "\xBC Hr Chime"), Test("Button14", 106, "Edit8", "\xBC Hr Chime"), Browse("Button17", 106, "Edit8", "\xBC Hr Chime"),
    Check("CheckBox17", "\xBD Hr Chime", 132, "Chime2"), File("Edit6", 132, "C2Str", "\xBD Hr Chime"), Test("Button10", 132, "Edit6", "\xBD Hr Chime"), Browse("Button7", 132, "Edit6", "\xBD Hr Chime"),
    Check("CheckBox3", "\xBE Hr Chime", 158, "Chime4"), File("Edit9", 158, "C4Str", "\xBE Hr Chime"), Test("Button15", 158, "Edit9", "\xBE Hr Chime"), Browse("Button18", 158, "Edit9", "\xBE Hr Chime"),

    ControlRow{T::Label, "Label1", "Alarm #", {8, 204, 60, 218}, {}, 0, 0, kWhite},
    With({T::SpinEdit, "SpinEdit7", "", {64, 200, 112, 221}, {}, 1, 5}, Effect::ChooseAlarm),
    File("Edit12", 200, "A1Str", "Alarm"), Test("Button23", 200, "Edit12", "Alarm"), Browse("Button24", 200, "Edit12", "Alarm"),
    Check("CheckBox18", "Alarm On", 228, "Alarm1"),
    ControlRow{T::Label, "Label2", "H", {122, 232, 134, 246}, {}, 0, 0, kWhite},
    Spoken(With({T::SpinEdit, "SpinEdit5", "", {136, 228, 184, 249}, "A1H", 1, 12}, Effect::AlarmHour), "Alarm"),
    ControlRow{T::Label, "Label3", "M", {194, 232, 206, 246}, {}, 0, 0, kWhite},
    Spoken({T::SpinEdit, "SpinEdit6", "", {208, 228, 256, 249}, "A1M", 0, 59}, "Alarm"),
    ControlRow{T::CheckBox, "CheckBox19", "pm", {268, 230, 320, 247}, "A1PM", 0, 0, kWhite},
};
// clang-format on

}  // namespace

const std::span<const ControlRow> kAlarmsDialogRows = kRows;

std::string AlarmSetting(std::string_view setting, int alarm) {
    std::string name(setting);
    const size_t one = name.find('1');
    if (one != std::string::npos) name[one] = static_cast<char>('0' + alarm);
    return name;
}

int32_t ShownAlarmHour(int32_t stored) { return stored == 0 ? 12 : stored; }

}  // namespace marvix
