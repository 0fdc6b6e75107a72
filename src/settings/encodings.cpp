#include "settings/encodings.h"

#include <cstdio>

#include "base/ascii.h"

namespace marvix {

namespace {

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<int32_t> ParseHex(std::string_view digits) {
    if (digits.empty()) return std::nullopt;
    uint64_t value = 0;
    for (char c : digits) {
        int d = HexDigitValue(c);
        if (d < 0) return std::nullopt;
        value = value * 16 + static_cast<uint64_t>(d);
        if (value > 0xFFFFFFFFu) return std::nullopt;
    }
    return static_cast<int32_t>(static_cast<uint32_t>(value));
}

std::optional<int32_t> ParseDecimal(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    const int64_t limit = negative ? 2147483648LL : 2147483647LL;
    int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > limit) return std::nullopt;
    }
    return static_cast<int32_t>(negative ? -value : value);
}

}  // namespace

std::string NotAnIntegerMessage(std::string_view text) {
    std::string message = "'";
    message.append(text);
    message.append("' is not a valid integer value");
    return message;
}

std::optional<int32_t> ParseInteger(std::string_view text) {
    const size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) return std::nullopt;
    text.remove_prefix(start);
    if (text.front() == '$') return ParseHex(text.substr(1));
    return ParseDecimal(text);
}

std::string IntegerText(int32_t value) { return std::to_string(value); }

bool ParseBoolean(std::string_view text) { return text == "true"; }

std::string_view BooleanText(bool value) { return value ? "true" : "false"; }

// clang-format off
const std::array<ColourName, 42> kColourNames = {{
    {.name = "clBlack", .colour = Colour{0x00000000}},
    {.name = "clMaroon", .colour = Colour{0x00000080}},
    {.name = "clGreen", .colour = Colour{0x00008000}},
    {.name = "clOlive", .colour = Colour{0x00008080}},
    {.name = "clNavy", .colour = Colour{0x00800000}},
    {.name = "clPurple", .colour = Colour{0x00800080}},
    {.name = "clTeal", .colour = Colour{0x00808000}},
    {.name = "clGray", .colour = Colour{0x00808080}},
    {.name = "clSilver", .colour = Colour{0x00C0C0C0}},
    {.name = "clRed", .colour = Colour{0x000000FF}},
    {.name = "clLime", .colour = Colour{0x0000FF00}},
    {.name = "clYellow", .colour = Colour{0x0000FFFF}},
    {.name = "clBlue", .colour = Colour{0x00FF0000}},
    {.name = "clFuchsia", .colour = Colour{0x00FF00FF}},
    {.name = "clAqua", .colour = Colour{0x00FFFF00}},
    {.name = "clWhite", .colour = Colour{0x00FFFFFF}},
    {.name = "clScrollBar", .colour = Colour{0x80000000}},
    {.name = "clBackground", .colour = Colour{0x80000001}},
    {.name = "clActiveCaption", .colour = Colour{0x80000002}},
    {.name = "clInactiveCaption", .colour = Colour{0x80000003}},
    {.name = "clMenu", .colour = Colour{0x80000004}},
    {.name = "clWindow", .colour = Colour{0x80000005}},
    {.name = "clWindowFrame", .colour = Colour{0x80000006}},
    {.name = "clMenuText", .colour = Colour{0x80000007}},
    {.name = "clWindowText", .colour = Colour{0x80000008}},
    {.name = "clCaptionText", .colour = Colour{0x80000009}},
    {.name = "clActiveBorder", .colour = Colour{0x8000000A}},
    {.name = "clInactiveBorder", .colour = Colour{0x8000000B}},
    {.name = "clAppWorkSpace", .colour = Colour{0x8000000C}},
    {.name = "clHighlight", .colour = Colour{0x8000000D}},
    {.name = "clHighlightText", .colour = Colour{0x8000000E}},
    {.name = "clBtnFace", .colour = Colour{0x8000000F}},
    {.name = "clBtnShadow", .colour = Colour{0x80000010}},
    {.name = "clGrayText", .colour = Colour{0x80000011}},
    {.name = "clBtnText", .colour = Colour{0x80000012}},
    {.name = "clInactiveCaptionText", .colour = Colour{0x80000013}},
    {.name = "clBtnHighlight", .colour = Colour{0x80000014}},
    {.name = "cl3DDkShadow", .colour = Colour{0x80000015}},
    {.name = "cl3DLight", .colour = Colour{0x80000016}},
    {.name = "clInfoText", .colour = Colour{0x80000017}},
    {.name = "clInfoBk", .colour = Colour{0x80000018}},
    {.name = "clNone", .colour = Colour{0x1FFFFFFF}},
}};
// clang-format on

std::optional<Colour> ParseColour(std::string_view text) {
    for (const ColourName& entry : kColourNames) {
        if (EqualsIgnoringAsciiCase(entry.name, text)) return entry.colour;
    }
    if (std::optional<int32_t> value = ParseInteger(text)) {
        return Colour{static_cast<uint32_t>(*value)};
    }
    return std::nullopt;
}

std::string ColourText(Colour colour) {
    for (const ColourName& entry : kColourNames) {
        if (entry.colour == colour) return std::string(entry.name);
    }
    char text[10];
    std::snprintf(text, sizeof text, "$%08X", static_cast<unsigned>(colour.value));
    return text;
}

namespace {

struct StyleLetters {
    uint8_t flags;
    std::string_view letters;
};

constexpr StyleLetters kStyleLetters[] = {
    {.flags = FontStyle::kBold, .letters = "b"},
    {.flags = FontStyle::kItalic, .letters = "i"},
    {.flags = FontStyle::kUnderline, .letters = "u"},
    {.flags = FontStyle::kStrikeOut, .letters = "s"},
    {.flags = FontStyle::kBold | FontStyle::kItalic, .letters = "bi"},
    {.flags = FontStyle::kBold | FontStyle::kUnderline, .letters = "bu"},
    {.flags = FontStyle::kBold | FontStyle::kStrikeOut, .letters = "bs"},
};

}  // namespace

FontStyle ParseFontStyle(std::string_view letters) {
    for (const StyleLetters& entry : kStyleLetters) {
        if (entry.letters == letters) return FontStyle{entry.flags};
    }
    return FontStyle{};
}

std::string_view FontStyleLetters(FontStyle style) {
    for (const StyleLetters& entry : kStyleLetters) {
        if (entry.flags == style.flags) return entry.letters;
    }
    return "";
}

}  // namespace marvix
