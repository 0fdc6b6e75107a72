#include "settings/settings_table.h"

#include <algorithm>
#include <utility>

namespace marvix {

namespace {

constexpr size_t kRowsInTable = 0
#define X(kind, name, defaultText) +1
#include "settings/settings_table.def"
// The program's own settings come after the clock's.
#include "settings/program_settings.def"
#undef X
    ;
static_assert(kRowsInTable == kAllSettingCount, "the tables must list every setting once");

// The record holds the table's rows and nothing else: what the clock works out while it runs
// belongs with the clock, or a store, a file or the settled save would miss it or carry it. An
// aggregate takes exactly as many initialisers as it has fields; one that converts to anything
// counts them.
struct AnyField {
    template <class T>
    constexpr operator T() const;  // never called: only asked whether it would be
};
template <class Record, size_t... I>
constexpr bool InitialisedBy(std::index_sequence<I...>) {
    return requires { Record{(void(I), AnyField{})...}; };
}
static_assert(InitialisedBy<ClockSettings>(std::make_index_sequence<kAllSettingCount>()) &&
                  !InitialisedBy<ClockSettings>(std::make_index_sequence<kAllSettingCount + 1>()),
              "ClockSettings must hold exactly the settings table's fields");

constexpr std::array<SettingDef, kAllSettingCount> kTable = {{
#define X(kindOf, nameOf, defaultOf) \
    {.name = #nameOf,                \
     .kind = SettingKind::kindOf,    \
     .defaultText = defaultOf,       \
     .field = &ClockSettings::nameOf},
#include "settings/settings_table.def"
// The program's own settings come after the clock's.
#include "settings/program_settings.def"
#undef X
}};

// What the program's own settings may hold beyond what their kind converts: a number's bounds, or
// a text's length.
struct Bounds {
    Setting setting;
    int32_t minimum;
    int32_t maximum;
};
constexpr Bounds kProgramBounds[] = {
    {Setting::Alarm1Days, 0, 127},  {Setting::Alarm2Days, 0, 127},   {Setting::Alarm3Days, 0, 127},
    {Setting::Alarm4Days, 0, 127},  {Setting::Alarm5Days, 0, 127},   {Setting::Alarm1Label, 0, 40},
    {Setting::Alarm2Label, 0, 40},  {Setting::Alarm3Label, 0, 40},   {Setting::Alarm4Label, 0, 40},
    {Setting::Alarm5Label, 0, 40},  {Setting::SnoozeMinutes, 1, 60}, {Setting::Size, 50, 400},
    {Setting::Opacity, 20, 100},    {Setting::Zone, 1, 127},         {Setting::LabelX, -1, 9999},
    {Setting::LabelY, -1, 9999},    {Setting::LabelFont, 1, 31},     {Setting::LabelSize, 1, 400},
    {Setting::SmoothOutline, 0, 2}, {Setting::Wake1, -1, 1},         {Setting::Wake2, -1, 1},
    {Setting::Wake3, -1, 1},        {Setting::Wake4, -1, 1},         {Setting::Wake5, -1, 1},
    {Setting::QuietFrom, 0, 5},     {Setting::QuietTo, 0, 5},        {Setting::QuietDays, 0, 127},
};

// clang-format off
template <class... Fs> struct Overloaded : Fs... { using Fs::operator()...; };
template <class... Fs> Overloaded(Fs...) -> Overloaded<Fs...>;
// clang-format on

}  // namespace

std::span<const SettingDef, kSettingCount> AllSettings() {
    return std::span(kTable).first<kSettingCount>();
}

std::span<const SettingDef, kProgramSettingCount> ProgramSettings() {
    return std::span(kTable).last<kProgramSettingCount>();
}

const SettingDef& DefOf(Setting setting) { return kTable[static_cast<size_t>(setting)]; }

const SettingDef* FindSetting(std::string_view name) {
    for (const SettingDef& def : kTable) {
        if (def.name == name) return &def;
    }
    return nullptr;
}

bool AssignSettingText(ClockSettings& settings, const SettingDef& def, std::string_view text) {
    // clang-format off
    return std::visit(
        Overloaded{
            [&](int32_t ClockSettings::*field) {
                std::optional<int32_t> value = ParseInteger(text);
                if (value) settings.*field = *value;
                return value.has_value();
            },
            [&](bool ClockSettings::*field) {
                settings.*field = ParseBoolean(text);
                return true;
            },
            [&](ColourSetting ClockSettings::*field) {
                std::optional<Colour> value = ParseColour(text);
                if (value) settings.*field = ColourSetting{std::string(text), *value};
                return value.has_value();
            },
            [&](FontStyle ClockSettings::*field) {
                settings.*field = ParseFontStyle(text);
                return true;
            },
            [&](std::string ClockSettings::*field) {
                settings.*field = std::string(text);
                return true;
            },
            [&](GeometrySetting ClockSettings::*field) {
                std::optional<int32_t> value = ParseInteger(text);
                if (!value) return false;
                (settings.*field).requested = *value;
                return true;
            },
        },
        def.field);
    // clang-format on
}

bool MayHold(const SettingDef& def, std::string_view text) {
    const auto program = ProgramSettings();
    if (&def < program.data() || &def >= program.data() + program.size()) return true;
    if (def.kind == SettingKind::Boolean) return text == "true" || text == "false";
    const auto bounds = std::ranges::find_if(
        kProgramBounds, [&](const Bounds& b) { return &DefOf(b.setting) == &def; });
    if (bounds == std::end(kProgramBounds)) return true;
    if (def.kind == SettingKind::String)
        return text.size() >= size_t(bounds->minimum) && text.size() <= size_t(bounds->maximum);
    const std::optional<int32_t> value = ParseInteger(text);
    return value && *value >= bounds->minimum && *value <= bounds->maximum;
}

std::string SettingText(const ClockSettings& settings, const SettingDef& def) {
    return std::visit(
        Overloaded{
            [&](int32_t ClockSettings::*field) { return IntegerText(settings.*field); },
            [&](bool ClockSettings::*field) { return std::string(BooleanText(settings.*field)); },
            [&](ColourSetting ClockSettings::*field) { return (settings.*field).text; },
            [&](FontStyle ClockSettings::*field) {
                return std::string(FontStyleLetters(settings.*field));
            },
            [&](std::string ClockSettings::*field) { return settings.*field; },
            [&](GeometrySetting ClockSettings::*field) {
                return IntegerText((settings.*field).requested);
            },
        },
        def.field);
}

}  // namespace marvix
