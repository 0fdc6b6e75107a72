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
    std::string_view name = {};  // the setting, for rules that have one
    int index = 0;               // the triple (0 A .. 4 E), or the font slot (0 .. 11)
    int channel = 0;             // of a triple: 0 red, 1 green, 2 blue
    std::string_view fallback = {};
};

class LineTable {
public:
    LineTable() {
        for (int channel = 0; channel < 3; ++channel) {
            for (int triple = 0; triple < 3; ++triple) Add({Rule::Channel, {}, triple, channel});
        }
        // clang-format off
        Names(Rule::MustParse, {"FL", "FT", "PX", "PY", "PDX", "PDY", "CShape", "AHS", "AMS", "ASS",
                                "ACX", "ACY", "HX", "HY", "MX", "MY", "SX", "SY", "HWT", "MWT",
                                "SWT", "A1H", "A2H", "A3H", "A4H", "A5H", "A1M", "A2M", "A3M",
                                "A4M", "A5M", "RSqr"});
        for (int channel = 0; channel < 3; ++channel) Add({Rule::Channel, {}, 3, channel});
        Names(Rule::Text, {"BackPic", "DLetter", "DDir", "TickStr", "TockStr", "A1Str", "A2Str",
                           "A3Str", "A4Str", "A5Str", "C1Str", "C2Str", "C3Str", "C4Str",
                           "WavDrive", "WavDir"});
        Font(0);
        Add({Rule::Blank});
        Names(Rule::TrueOnlyTrue, {"SDate", "PDate", "SDay", "PDay", "CHands", "AutoHand", "THand",
                                   "DispH", "DispM", "DispS", "Chime1", "Chime2", "Chime3",
                                   "Chime4", "Tick", "Tock", "Alarm1", "Alarm2", "Alarm3",
                                   "Alarm4", "Alarm5", "A1PM", "A2PM", "A3PM", "A4PM", "A5PM"});
        Add({Rule::EmptyOr, "FacePos", 0, 0, "1"});
        Names(Rule::TrueUnlessFalse, {"MoveIt", "HandE", "ChimeNum", "HideMe"});
        Names(Rule::TrueOnlyTrue, {"Reversed"});
        for (int channel = 0; channel < 3; ++channel) Add({Rule::ChannelOrD, {}, 4, channel});
        Font(1);
        Names(Rule::TrueUnlessFalse, {"HandE2", "HandE3"});
        Names(Rule::TrueOnlyTrue, {"UseWall"});
        Names(Rule::IntegerOr, {"TranWidth", "TranHeight"}, "100");
        Names(Rule::TrueOnlyTrue, {"TranDate", "TranDay"});
        Triple("CHourStr", 0);
        Triple("CMinStr", 1);
        Triple("CSecStr", 2);
        Triple("ColorDateStr", 3);
        Triple("ColorDayStr", 4);
        Names(Rule::TrueOnlyTrue, {"Smooth"});
        Names(Rule::IntegerOr, {"HHandStyle", "MHandStyle", "SHandStyle"}, "0");
        Names(Rule::IntegerOr, {"PMnX", "PMnY", "PYrX", "PYrY", "PHrX", "PHrY", "PMinX", "PMinY",
                                "PSecX", "PSecY", "PColon1X", "PColon1Y", "PColon2X", "PColon2Y"},
              "1");
        Names(Rule::IntegerOr, {"ADtS", "ADyS", "AMnS"}, "0");
        Names(Rule::IntegerOr, {"DDtX", "DDtY", "DyX", "DyY", "MnX", "MnY"}, "1");
        Names(Rule::IntegerOr, {"DtWT", "DyWT", "MnWT"}, "1");
        for (int slot = 2; slot <= 8; ++slot) Font(slot);
        Names(Rule::TrueOnlyTrue, {"SMonth", "PMonth", "SYear", "PYear", "SHour", "PHour", "SMin",
                                   "PMin", "SSec", "PSec", "SColon1", "PColon1", "SColon2",
                                   "PColon2", "DispDate", "DispDay", "DispMonth"});
        Names(Rule::TrueUnlessFalse, {"HandDt", "HandDy", "HandMn"});
        Names(Rule::TrueOnlyTrue, {"TranMonth", "TranYear", "TranHour", "TranMin", "TranSec",
                                   "TranColon1", "TranColon2"});
        for (const char* name : {"CDateStr", "CDayStr", "CMonthStr"}) Triple(name, 2);
        for (const char* name : {"ColorMonthStr", "ColorYearStr", "ColorHourStr", "ColorMinStr",
                                 "ColorSecStr", "ColorColon1Str", "ColorColon2Str"}) {
            Triple(name, 4);
        }
        Names(Rule::IntegerOr, {"DateHandStyle", "DayHandStyle", "MonthHandStyle"}, "0");
        Names(Rule::TrueOnlyTrue, {"LongDayName", "LongMonthName", "LongYearName", "DHMilitary",
                                   "C1Blink", "C2Blink", "HourMil", "IgnoreBoundary"});
        WithDefaults(Rule::TextOr, {"HandZ0", "HandZ1", "HandZ2", "HandZ3", "HandZ4", "HandZ5"});
        Names(Rule::IntegerOr, {"DayCaseInt", "MonthCaseInt"}, "2");
        Names(Rule::IntegerOr, {"PhaseSize"}, "120");
        Names(Rule::IntegerOr, {"MoonPhaseLeft", "MoonPhaseTop"}, "0");
        WithDefaults(Rule::ColourOr, {"PhaseBaseColorStr", "PhaseBackColorStr", "MoonColorStr",
                                      "MoonOutColorStr"});
        Names(Rule::TrueOnlyTrue, {"ShowMoon", "MoonHalf"});
        Names(Rule::IntegerOr, {"DayPhaseSize"}, "120");
        Names(Rule::IntegerOr, {"DayPhaseLeft", "DayPhaseTop"}, "0");
        WithDefaults(Rule::ColourOr, {"DayBaseColorStr", "DayBackColorStr", "NightBackColorStr",
                                      "DayColorStr", "DayOutColorStr", "NightColorStr"});
        Names(Rule::TrueOnlyTrue, {"ShowDay", "DayHalf"});
        for (int n = 1; n <= 14; ++n) WithDefault(Rule::TextOr, "DayNames" + std::to_string(n));
        for (int n = 1; n <= 24; ++n) WithDefault(Rule::TextOr, "MonthNames" + std::to_string(n));
        Names(Rule::IntegerOr, {"AInternet1", "AInternet2"}, "0");
        Names(Rule::IntegerOr, {"Internet1X", "Internet1Y", "Internet2X", "Internet2Y",
                                "Internet1WT", "Internet2WT"},
              "1");
        Names(Rule::TrueOnlyTrue, {"DispInternet1", "DispInternet2", "HandInternet1", "HandInternet2"});
        for (const char* name : {"CInternet1Str", "CInternet2Str"}) Triple(name, 2);
        Names(Rule::IntegerOr, {"Internet1HandStyle", "Internet2HandStyle"}, "0");
        // clang-format on
        WithDefaults(Rule::TextOr, {"HandZ6", "HandZ7"});
        Names(Rule::IntegerOr,
              {"PAMPMX", "PAMPMY", "PIntern1X", "PIntern1Y", "PIntern2X", "PIntern2Y"}, "1");
        for (int slot = 9; slot <= 11; ++slot) Font(slot);
        Names(Rule::TrueOnlyTrue, {"SAMPM", "PAMPM", "SIntern1", "PIntern1", "SIntern2", "PIntern2",
                                   "TranAMPM", "TranIntern1", "TranIntern2"});
        for (const char* name : {"ColorAMPMStr", "ColorIntern1Str", "ColorIntern2Str"})
            Triple(name, 4);
    }

    const std::vector<Line>& Lines() const { return lines_; }

private:
    void Add(Line line) { lines_.push_back(line); }
    void Names(Rule rule, std::initializer_list<std::string_view> names,
               std::string_view fallback = {}) {
        for (std::string_view name : names) Add({rule, Def(name).name, 0, 0, fallback});
    }
    void WithDefault(Rule rule, const std::string& name) {
        const SettingDef& def = Def(name);
        Add({rule, def.name, 0, 0, def.defaultText});
    }
    void WithDefaults(Rule rule, std::initializer_list<std::string_view> names) {
        for (std::string_view name : names) WithDefault(rule, std::string(name));
    }
    void Triple(std::string_view name, int triple) {
        Add({Rule::ColourOrTriple, Def(name).name, triple});
    }
    void Font(int slot) {
        for (Rule rule : {Rule::FontFace, Rule::FontSize, Rule::FontStyle, Rule::FontColour}) {
            Add({rule, {}, slot});
        }
    }
    static const SettingDef& Def(std::string_view name) {
        const SettingDef* def = FindSetting(name);
        if (!def) std::abort();  // a name misspelt in the table above
        return *def;
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
            default: line(SettingText(s, *FindSetting(l.name))); break;
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
    auto assign = [&](std::string_view name, std::string_view text) {
        return AssignSettingText(s, *FindSetting(name), text);
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
            if (!assign(l.name, value)) return std::string(value);
            break;
        case Rule::EmptyOr:
            if (!assign(l.name, value.empty() ? l.fallback : value)) return std::string(value);
            break;
        case Rule::IntegerOr:
            if (!assign(l.name, value)) assign(l.name, l.fallback);
            break;
        case Rule::Text:
        case Rule::TrueOnlyTrue: assign(l.name, value); break;
        case Rule::TrueUnlessFalse: assign(l.name, value == "false" ? "false" : "true"); break;
        case Rule::TextOr: assign(l.name, value.empty() ? l.fallback : value); break;
        case Rule::ColourOrTriple:
        case Rule::ColourOr: {
            const std::string colour = !value.empty() ? std::string(value)
                                       : l.rule == Rule::ColourOr
                                           ? std::string(l.fallback)
                                           : BuiltFromTriple(triples[size_t(l.index)]);
            if (!assign(l.name, colour)) return colour;
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
    if (name.size() <= 4) return std::nullopt;
    std::string saved(name);
    if (name.substr(name.size() - 4) != ".ccf") saved += ".ccf";
    return saved;
}

}  // namespace marvix
