#include "settings/config_file.h"

#include <array>
#include <cstdio>
#include <vector>

#include "settings/settings_table.h"

namespace marvix {

namespace {

// How a line is read; each rule says what an empty, missing or bad line gives.
enum class Rule {
    Channel,          // a channel of a legacy triple; must parse
    ChannelOrD,       // a channel of triple E; bad or missing: the same channel of triple D
    MustParse,        // an integer that must parse
    EmptyOr,          // empty: the fallback; any other bad text must parse
    IntegerOr,        // bad or missing: the fallback
    Text,             // verbatim
    TextOr,           // empty: the fallback
    TrueOnlyTrue,     // a boolean: true only for "true"
    TrueUnlessFalse,  // a boolean: true unless "false"
    ColourOrTriple,   // empty: the colour text built from a legacy triple
    ColourOr,         // empty: the fallback text
    FontFace,         // the display font's name; slots 2 to 12 fall back to slot 1
    FontSize,
    FontStyle,
    FontColour,
    Blank,  // read and ignored
};

struct Line {
    Rule rule = Rule::Blank;
    const SettingDef* setting = nullptr;  // for rules that have one
    int index = 0;                        // the triple (0 A .. 4 E), or the font slot (0 .. 11)
    int channel = 0;                      // of a triple: 0 red, 1 green, 2 blue
    std::string_view fallback = {};
};

class LineTable {
public:
    LineTable() {
        for (int channel = 0; channel < 3; ++channel) {
            for (int triple = 0; triple < 3; ++triple)
                Add({.rule = Rule::Channel, .index = triple, .channel = channel});
        }
        // clang-format off
        Names(Rule::MustParse, {Setting::FL, Setting::FT, Setting::PX, Setting::PY, Setting::PDX, Setting::PDY, Setting::CShape, Setting::AHS, Setting::AMS, Setting::ASS,
                                Setting::ACX, Setting::ACY, Setting::HX, Setting::HY, Setting::MX, Setting::MY, Setting::SX, Setting::SY, Setting::HWT, Setting::MWT,
                                Setting::SWT, Setting::A1H, Setting::A2H, Setting::A3H, Setting::A4H, Setting::A5H, Setting::A1M, Setting::A2M, Setting::A3M,
                                Setting::A4M, Setting::A5M, Setting::RSqr});
        for (int channel = 0; channel < 3; ++channel) Add({.rule = Rule::Channel, .index = 3, .channel = channel});
        Names(Rule::Text, {Setting::BackPic, Setting::DLetter, Setting::DDir, Setting::TickStr, Setting::TockStr, Setting::A1Str, Setting::A2Str,
                           Setting::A3Str, Setting::A4Str, Setting::A5Str, Setting::C1Str, Setting::C2Str, Setting::C3Str, Setting::C4Str,
                           Setting::WavDrive, Setting::WavDir});
        Font(0);
        Add({.rule = Rule::Blank});
        Names(Rule::TrueOnlyTrue, {Setting::SDate, Setting::PDate, Setting::SDay, Setting::PDay, Setting::CHands, Setting::AutoHand, Setting::THand,
                                   Setting::DispH, Setting::DispM, Setting::DispS, Setting::Chime1, Setting::Chime2, Setting::Chime3,
                                   Setting::Chime4, Setting::Tick, Setting::Tock, Setting::Alarm1, Setting::Alarm2, Setting::Alarm3,
                                   Setting::Alarm4, Setting::Alarm5, Setting::A1PM, Setting::A2PM, Setting::A3PM, Setting::A4PM, Setting::A5PM});
        Add({.rule = Rule::EmptyOr, .setting = &DefOf(Setting::FacePos), .fallback = "1"});
        Names(Rule::TrueUnlessFalse, {Setting::MoveIt, Setting::HandE, Setting::ChimeNum, Setting::HideMe});
        Names(Rule::TrueOnlyTrue, {Setting::Reversed});
        for (int channel = 0; channel < 3; ++channel) Add({.rule = Rule::ChannelOrD, .index = 4, .channel = channel});
        Font(1);
        Names(Rule::TrueUnlessFalse, {Setting::HandE2, Setting::HandE3});
        Names(Rule::TrueOnlyTrue, {Setting::UseWall});
        Names(Rule::IntegerOr, {Setting::TranWidth, Setting::TranHeight}, "100");
        Names(Rule::TrueOnlyTrue, {Setting::TranDate, Setting::TranDay});
        Triple(Setting::CHourStr, 0);
        Triple(Setting::CMinStr, 1);
        Triple(Setting::CSecStr, 2);
        Triple(Setting::ColorDateStr, 3);
        Triple(Setting::ColorDayStr, 4);
        Names(Rule::TrueOnlyTrue, {Setting::Smooth});
        Names(Rule::IntegerOr, {Setting::HHandStyle, Setting::MHandStyle, Setting::SHandStyle}, "0");
        Names(Rule::IntegerOr, {Setting::PMnX, Setting::PMnY, Setting::PYrX, Setting::PYrY, Setting::PHrX, Setting::PHrY, Setting::PMinX, Setting::PMinY,
                                Setting::PSecX, Setting::PSecY, Setting::PColon1X, Setting::PColon1Y, Setting::PColon2X, Setting::PColon2Y},
              "1");
        Names(Rule::IntegerOr, {Setting::ADtS, Setting::ADyS, Setting::AMnS}, "0");
        Names(Rule::IntegerOr, {Setting::DDtX, Setting::DDtY, Setting::DyX, Setting::DyY, Setting::MnX, Setting::MnY}, "1");
        Names(Rule::IntegerOr, {Setting::DtWT, Setting::DyWT, Setting::MnWT}, "1");
        for (int slot = 2; slot <= 8; ++slot) Font(slot);
        Names(Rule::TrueOnlyTrue, {Setting::SMonth, Setting::PMonth, Setting::SYear, Setting::PYear, Setting::SHour, Setting::PHour, Setting::SMin,
                                   Setting::PMin, Setting::SSec, Setting::PSec, Setting::SColon1, Setting::PColon1, Setting::SColon2,
                                   Setting::PColon2, Setting::DispDate, Setting::DispDay, Setting::DispMonth});
        Names(Rule::TrueUnlessFalse, {Setting::HandDt, Setting::HandDy, Setting::HandMn});
        Names(Rule::TrueOnlyTrue, {Setting::TranMonth, Setting::TranYear, Setting::TranHour, Setting::TranMin, Setting::TranSec,
                                   Setting::TranColon1, Setting::TranColon2});
        for (Setting name : {Setting::CDateStr, Setting::CDayStr, Setting::CMonthStr}) Triple(name, 2);
        for (Setting name : {Setting::ColorMonthStr, Setting::ColorYearStr, Setting::ColorHourStr, Setting::ColorMinStr,
                                 Setting::ColorSecStr, Setting::ColorColon1Str, Setting::ColorColon2Str}) {
            Triple(name, 4);
        }
        Names(Rule::IntegerOr, {Setting::DateHandStyle, Setting::DayHandStyle, Setting::MonthHandStyle}, "0");
        Names(Rule::TrueOnlyTrue, {Setting::LongDayName, Setting::LongMonthName, Setting::LongYearName, Setting::DHMilitary,
                                   Setting::C1Blink, Setting::C2Blink, Setting::HourMil, Setting::IgnoreBoundary});
        WithDefaults(Rule::TextOr, {Setting::HandZ0, Setting::HandZ1, Setting::HandZ2, Setting::HandZ3, Setting::HandZ4, Setting::HandZ5});
        Names(Rule::IntegerOr, {Setting::DayCaseInt, Setting::MonthCaseInt}, "2");
        Names(Rule::IntegerOr, {Setting::PhaseSize}, "120");
        Names(Rule::IntegerOr, {Setting::MoonPhaseLeft, Setting::MoonPhaseTop}, "0");
        WithDefaults(Rule::ColourOr, {Setting::PhaseBaseColorStr, Setting::PhaseBackColorStr, Setting::MoonColorStr,
                                      Setting::MoonOutColorStr});
        Names(Rule::TrueOnlyTrue, {Setting::ShowMoon, Setting::MoonHalf});
        Names(Rule::IntegerOr, {Setting::DayPhaseSize}, "120");
        Names(Rule::IntegerOr, {Setting::DayPhaseLeft, Setting::DayPhaseTop}, "0");
        WithDefaults(Rule::ColourOr, {Setting::DayBaseColorStr, Setting::DayBackColorStr, Setting::NightBackColorStr,
                                      Setting::DayColorStr, Setting::DayOutColorStr, Setting::NightColorStr});
        Names(Rule::TrueOnlyTrue, {Setting::ShowDay, Setting::DayHalf});
        for (int n = 0; n < 14; ++n) WithDefault(Rule::TextOr, After(Setting::DayNames1, n));
        for (int n = 0; n < 24; ++n) WithDefault(Rule::TextOr, After(Setting::MonthNames1, n));
        Names(Rule::IntegerOr, {Setting::AInternet1, Setting::AInternet2}, "0");
        Names(Rule::IntegerOr, {Setting::Internet1X, Setting::Internet1Y, Setting::Internet2X, Setting::Internet2Y,
                                Setting::Internet1WT, Setting::Internet2WT},
              "1");
        Names(Rule::TrueOnlyTrue, {Setting::DispInternet1, Setting::DispInternet2, Setting::HandInternet1, Setting::HandInternet2});
        for (Setting name : {Setting::CInternet1Str, Setting::CInternet2Str}) Triple(name, 2);
        Names(Rule::IntegerOr, {Setting::Internet1HandStyle, Setting::Internet2HandStyle}, "0");
        // clang-format on
        WithDefaults(Rule::TextOr, {Setting::HandZ6, Setting::HandZ7});
        Names(Rule::IntegerOr,
              {Setting::PAMPMX, Setting::PAMPMY, Setting::PIntern1X, Setting::PIntern1Y,
               Setting::PIntern2X, Setting::PIntern2Y},
              "1");
        for (int slot = 9; slot <= 11; ++slot) Font(slot);
        Names(Rule::TrueOnlyTrue, {Setting::SAMPM, Setting::PAMPM, Setting::SIntern1,
                                   Setting::PIntern1, Setting::SIntern2, Setting::PIntern2,
                                   Setting::TranAMPM, Setting::TranIntern1, Setting::TranIntern2});
        for (Setting name :
             {Setting::ColorAMPMStr, Setting::ColorIntern1Str, Setting::ColorIntern2Str})
            Triple(name, 4);
    }

    const std::vector<Line>& Lines() const { return lines_; }

private:
    void Add(Line line) { lines_.push_back(line); }
    void Names(Rule rule, std::initializer_list<Setting> names, std::string_view fallback = {}) {
        for (Setting name : names)
            Add({.rule = rule, .setting = &DefOf(name), .fallback = fallback});
    }
    void WithDefault(Rule rule, Setting name) {
        const SettingDef& def = DefOf(name);
        Add({.rule = rule, .setting = &def, .fallback = def.defaultText});
    }
    void WithDefaults(Rule rule, std::initializer_list<Setting> names) {
        for (Setting name : names) WithDefault(rule, name);
    }
    void Triple(Setting name, int triple) {
        Add({.rule = Rule::ColourOrTriple, .setting = &DefOf(name), .index = triple});
    }
    void Font(int slot) {
        for (Rule rule : {Rule::FontFace, Rule::FontSize, Rule::FontStyle, Rule::FontColour}) {
            Add({.rule = rule, .index = slot});
        }
    }
    // The day names, and the month names, stand in the settings table one after another.
    static_assert(size_t(Setting::DayNames14) - size_t(Setting::DayNames1) == 13);
    static_assert(size_t(Setting::MonthNames24) - size_t(Setting::MonthNames1) == 23);
    static Setting After(Setting first, int n) {
        return static_cast<Setting>(static_cast<size_t>(first) + size_t(n));
    }

    std::vector<Line> lines_;
};

const LineTable& Table() {
    static const LineTable table;
    return table;
}

int32_t LegacyColourTriple::*ChannelField(int channel) {
    return channel == 0   ? &LegacyColourTriple::red
           : channel == 1 ? &LegacyColourTriple::green
                          : &LegacyColourTriple::blue;
}

// "$00" and the blue, green and red components in upper-case hex, at least two digits each.
std::string BuiltFromTriple(const LegacyColourTriple& t) {
    char text[40];
    std::snprintf(text, sizeof text, "$00%02X%02X%02X", unsigned(t.blue), unsigned(t.green),
                  unsigned(t.red));
    return text;
}

std::string OneLine(std::string text) {
    for (char& c : text) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return text;
}

}  // namespace

std::string SaveConfigText(const ClockSettings& s, const DisplayFonts& fonts,
                           const LegacyTriples& triples) {
    std::string out;
    auto line = [&](const std::string& text) { out += OneLine(text) + "\r\n"; };
    for (const Line& l : Table().Lines()) {
        const FontSlotFields& slot = kFontSlots[size_t(l.index)];
        const Font& font = fonts[size_t(l.index)];
        switch (l.rule) {
            case Rule::Channel:
            case Rule::ChannelOrD:
                line(IntegerText(triples[size_t(l.index)].*ChannelField(l.channel)));
                break;
            case Rule::FontFace: line(font.face); break;
            case Rule::FontSize: line(IntegerText(font.pointSize)); break;
            case Rule::FontStyle: line(std::string(FontStyleLetters(s.*slot.style))); break;
            case Rule::FontColour: line(ColourText(font.colour)); break;
            case Rule::Blank: line(""); break;
            default: line(SettingText(s, *l.setting)); break;
        }
    }
    return out;
}

namespace {

// The file's lines, without their line ends; at most as many as the format has.
std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty() && lines.size() < kConfigLineCount) {
        const size_t end = text.find('\n');
        std::string_view lineText = text.substr(0, end);
        if (!lineText.empty() && lineText.back() == '\r') lineText.remove_suffix(1);
        lines.push_back(lineText);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    }
    return lines;
}

// Reads one line into `s` by its rule; returns the text that failed to convert, if one did (which
// fails the whole file).
std::optional<std::string> LoadLine(ClockSettings& s, LegacyTriples& triples, const Line& l,
                                    std::string_view value) {
    auto assign = [&](const SettingDef* def, std::string_view text) {
        return AssignSettingText(s, *def, text);
    };
    const FontSlotFields& slot = kFontSlots[size_t(l.index)];
    const FontSlotFields& first = kFontSlots[0];
    switch (l.rule) {
        case Rule::Channel: {
            const std::optional<int32_t> number = ParseInteger(value);
            if (!number) return std::string(value);
            triples[size_t(l.index)].*ChannelField(l.channel) = *number;
            break;
        }
        case Rule::ChannelOrD:
            triples[size_t(l.index)].*ChannelField(l.channel) =
                ParseInteger(value).value_or(triples[3].*ChannelField(l.channel));
            break;
        case Rule::MustParse:
            if (!assign(l.setting, value)) return std::string(value);
            break;
        case Rule::EmptyOr:
            if (!assign(l.setting, value.empty() ? l.fallback : value)) return std::string(value);
            break;
        case Rule::IntegerOr:
            if (!assign(l.setting, value)) assign(l.setting, l.fallback);
            break;
        case Rule::Text:
        case Rule::TrueOnlyTrue: assign(l.setting, value); break;
        case Rule::TrueUnlessFalse: assign(l.setting, value == "false" ? "false" : "true"); break;
        case Rule::TextOr: assign(l.setting, value.empty() ? l.fallback : value); break;
        case Rule::ColourOrTriple:
        case Rule::ColourOr: {
            const std::string colour = !value.empty() ? std::string(value)
                                       : l.rule == Rule::ColourOr
                                           ? std::string(l.fallback)
                                           : BuiltFromTriple(triples[size_t(l.index)]);
            if (!assign(l.setting, colour)) return colour;
            break;
        }
        case Rule::FontFace:
            s.*slot.face = value.empty() && l.index > 0 ? s.*first.face : std::string(value);
            break;
        case Rule::FontSize:
            s.*slot.size = ParseInteger(value).value_or(l.index > 0 ? s.*first.size : 8);
            break;
        case Rule::FontStyle: s.*slot.style = ParseFontStyle(value); break;
        case Rule::FontColour: {
            const std::string colour =
                value.empty() && l.index > 0 ? (s.*first.colour).text : std::string(value);
            const std::optional<Colour> resolved = ParseColour(colour);
            if (!resolved) return colour;
            s.*slot.colour = ColourSetting{colour, *resolved};
            break;
        }
        case Rule::Blank: break;
    }
    return std::nullopt;
}

}  // namespace

ConfigLoad LoadConfigText(std::string_view text, const ClockSettings& current) {
    // A line past the end of the file reads as empty.
    const std::vector<std::string_view> lines = SplitLines(text);
    ClockSettings s = current;
    LegacyTriples triples{};
    const std::vector<Line>& table = Table().Lines();
    for (size_t i = 0; i < table.size(); ++i) {
        const std::string_view value = i < lines.size() ? lines[i] : std::string_view{};
        if (std::optional<std::string> bad = LoadLine(s, triples, table[i], value))
            return {std::nullopt, {}, NotAnIntegerMessage(*bad)};
    }
    return {std::move(s), triples, {}};
}

std::optional<std::string> ConfigSaveName(std::string_view name) {
    constexpr std::string_view kExtension = ".ccf";
    if (name.empty() || name == kExtension) return std::nullopt;
    std::string saved(name);
    if (!name.ends_with(kExtension)) saved += kExtension;
    return saved;
}

}  // namespace marvix
