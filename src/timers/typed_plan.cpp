#include "timers/typed_plan.h"

#include <cctype>
#include <cstdio>

#include "base/ascii.h"
#include "timers/timer_length.h"

namespace marvix {

namespace {

// "Long break 1h 30m": the longest run of words at the end that is a length, after a label.
std::optional<TimerStep> ParseStep(std::string_view text) {
    text = TrimmedAscii(text);
    for (size_t from = 0; from < text.size();) {
        if (const std::optional<int64_t> seconds = ParseTimerLength(text.substr(from)))
            return TimerStep{std::string(TrimmedAscii(text.substr(0, from))), *seconds};
        const size_t space = text.find(' ', from);
        if (space == std::string_view::npos) break;
        from = space + 1;
    }
    return std::nullopt;
}

std::string StepText(const TimerStep& step) {
    return step.label.empty() ? LengthText(step.seconds)
                              : step.label + " " + LengthText(step.seconds);
}

// Two digits, or four for a year, taken off the start of `text`, then the separator if given.
std::optional<int> TakeDigits(std::string_view& text, size_t count, char separator = 0) {
    if (text.size() < count) return std::nullopt;
    int value = 0;
    for (size_t i = 0; i < count; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    text.remove_prefix(count);
    if (separator) {
        if (text.empty() || text.front() != separator) return std::nullopt;
        text.remove_prefix(1);
    }
    return value;
}

// "17:30" or "7:30", into `time`.
bool TakeTimeOfDay(std::string_view text, LocalTime& time) {
    const std::optional<int> minutes = ParseTimeOfDay(text);
    if (!minutes) return false;
    time.hour = uint16_t(*minutes / 60);
    time.minute = uint16_t(*minutes % 60);
    time.second = time.millisecond = 0;
    return true;
}

}  // namespace

std::optional<TypedSteps> ParseSteps(std::string_view text) {
    TypedSteps typed;
    for (bool more = true; more;) {
        const size_t comma = text.find(',');
        more = comma != std::string_view::npos;
        std::string_view part = TrimmedAscii(text.substr(0, comma));
        text = more ? text.substr(comma + 1) : std::string_view{};
        const bool closing = part.size() > 5 && part.substr(0, 5) == "then ";
        if (closing) part.remove_prefix(5);
        const std::optional<TimerStep> step = ParseStep(part);
        // The closing step comes last, after at least one other.
        if (!step || typed.closing || (closing && typed.steps.empty())) return std::nullopt;
        if (closing) {
            typed.closing = step;
        } else {
            typed.steps.push_back(*step);
        }
    }
    return typed;
}

std::string StepsText(const TimerPlan& plan) {
    std::string text;
    for (const TimerStep& step : plan.steps) text += (text.empty() ? "" : ", ") + StepText(step);
    if (plan.closing) text += ", then " + StepText(*plan.closing);
    return text;
}

std::optional<LocalTime> ParseMoment(std::string_view text, const LocalTime& now) {
    text = TrimmedAscii(text);
    LocalTime moment = now;
    if (text.find('-') == std::string_view::npos) {
        if (!TakeTimeOfDay(text, moment)) return std::nullopt;
        if (MillisecondsSince1970(moment) <= MillisecondsSince1970(now))
            moment = AddMilliseconds(moment, kMillisecondsPerDay);
        return moment;
    }
    const std::optional<int> year = TakeDigits(text, 4, '-');
    const std::optional<int> month = TakeDigits(text, 2, '-');
    const std::optional<int> day = TakeDigits(text, 2);
    if (!year || !month || !day || *month < 1 || *month > 12 || *day < 1 ||
        *day > DaysInMonth(*year, *month)) {
        return std::nullopt;
    }
    moment = {.year = uint16_t(*year),
              .month = uint16_t(*month),
              .day = uint16_t(*day),
              .dayOfWeek = DayOfWeek(*year, *month, *day)};
    if (!TrimmedAscii(text).empty() && !TakeTimeOfDay(text, moment)) return std::nullopt;
    if (MillisecondsSince1970(moment) <= MillisecondsSince1970(now)) return std::nullopt;
    return moment;
}

}  // namespace marvix
