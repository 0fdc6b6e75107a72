#include "timers/timer_length.h"

#include <cctype>
#include <cstdio>

#include "base/ascii.h"

namespace marvix {

namespace {

// The number at the start of `text`, taken off it: one to seven digits.
std::optional<int64_t> TakeNumber(std::string_view& text) {
    size_t digits = 0;
    while (digits < text.size() && std::isdigit(static_cast<unsigned char>(text[digits]))) ++digits;
    if (digits == 0 || digits > 7) return std::nullopt;
    int64_t value = 0;
    for (size_t i = 0; i < digits; ++i) value = value * 10 + (text[i] - '0');
    text.remove_prefix(digits);
    return value;
}

// "4:30" or "1:30:00": every part digits, those after a colon two of them and below 60.
std::optional<int64_t> ColonLength(std::string_view text) {
    std::optional<int64_t> total = TakeNumber(text);
    for (int parts = 1; total && !text.empty(); ++parts) {
        if (parts == 3 || text.front() != ':' || text.size() < 3) return std::nullopt;
        text.remove_prefix(1);
        std::string_view two = text.substr(0, 2);
        const std::optional<int64_t> part = TakeNumber(two);
        if (!part || !two.empty() || *part >= 60) return std::nullopt;
        text.remove_prefix(2);
        total = *total * 60 + *part;
    }
    return total;
}

// "90s", "1h30m", "1h 30m 15s": units in the order h, m, s, each once.
std::optional<int64_t> UnitLength(std::string_view text) {
    constexpr struct {
        char unit;
        int64_t seconds;
    } kUnits[] = {{'h', 3600}, {'m', 60}, {'s', 1}};
    int64_t total = 0;
    size_t next = 0;
    while (!text.empty()) {
        const std::optional<int64_t> number = TakeNumber(text);
        text = TrimmedAscii(text);
        if (!number || text.empty()) return std::nullopt;
        const char unit = char(std::tolower(static_cast<unsigned char>(text.front())));
        while (next < std::size(kUnits) && kUnits[next].unit != unit) ++next;
        if (next == std::size(kUnits)) return std::nullopt;
        total += *number * kUnits[next++].seconds;
        text = TrimmedAscii(text.substr(1));
    }
    return total;
}

std::string Clock(int64_t hours, int64_t minutes, int64_t seconds) {
    char text[40];
    if (hours > 0) {
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", static_cast<long long>(hours),
                      static_cast<long long>(minutes), static_cast<long long>(seconds));
    } else {
        std::snprintf(text, sizeof text, "%lld:%02lld", static_cast<long long>(minutes),
                      static_cast<long long>(seconds));
    }
    return text;
}

}  // namespace

std::optional<int64_t> ParseTimerLength(std::string_view text) {
    text = TrimmedAscii(text);
    std::string_view number = text;
    std::optional<int64_t> seconds;
    if (TakeNumber(number) && number.empty()) {
        seconds = ColonLength(text);
        if (seconds) *seconds *= 60;
    } else if (text.find(':') != std::string_view::npos) {
        seconds = ColonLength(text);
    } else {
        seconds = UnitLength(text);
    }
    if (!seconds || *seconds < 1 || *seconds > kLongestTimerSeconds) return std::nullopt;
    return seconds;
}

std::string LengthText(int64_t seconds) {
    return Clock(seconds / 3600, seconds / 60 % 60, seconds % 60);
}

std::string TimeLeftText(int64_t milliseconds) {
    const int64_t seconds = milliseconds <= 0 ? 0 : (milliseconds + 999) / 1000;
    if (seconds <= 86400) return LengthText(seconds);
    const int64_t days = seconds / 86400;
    const int64_t rest = seconds % 86400;
    char hours[40];
    std::snprintf(hours, sizeof hours, "%lld:%02lld:%02lld", static_cast<long long>(rest / 3600),
                  static_cast<long long>(rest / 60 % 60), static_cast<long long>(rest % 60));
    return std::to_string(days) + (days == 1 ? " day " : " days ") + hours;
}

std::string TenthsText(int64_t milliseconds) {
    if (milliseconds < 0) milliseconds = 0;
    const int64_t seconds = milliseconds / 1000;
    return LengthText(seconds) + "." + char('0' + milliseconds / 100 % 10);
}

}  // namespace marvix
