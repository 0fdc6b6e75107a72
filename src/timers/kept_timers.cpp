#include "timers/kept_timers.h"

#include <algorithm>
#include <charconv>

#include "base/local_time.h"
#include "settings/encodings.h"

namespace marvix {

namespace {

constexpr const char* kStates[] = {"Ready", "Running", "Paused", "Ringing"};

std::string Read(RegistryValues& values, const std::string& name) {
    return values.ReadValue(name).text.value_or("");
}

std::optional<int64_t> Number(std::string_view text) {
    int64_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return number;
}

int64_t ReadNumber(RegistryValues& values, const std::string& name, int64_t otherwise) {
    return Number(Read(values, name)).value_or(otherwise);
}

std::optional<Colour> ReadColour(RegistryValues& values, const std::string& name) {
    return ParseColour(Read(values, name));
}

// The values written one after the other, stopping at the first the store refuses.
class Writer {
public:
    explicit Writer(RegistryValues& values) : values_(values) {}
    Writer& operator()(const std::string& name, const std::string& text) {
        if (error_.empty()) error_ = values_.WriteValue(name, text);
        return *this;
    }
    Writer& Number(const std::string& name, int64_t number) {
        return (*this)(name, std::to_string(number));
    }
    std::string Error() const { return error_; }

private:
    RegistryValues& values_;
    std::string error_;
};

TimerStep ReadStep(RegistryValues& values, const std::string& prefix) {
    return {Read(values, prefix + "Label"), ReadNumber(values, prefix + "Length", 300),
            ReadColour(values, prefix + "Colour")};
}

void WriteStep(Writer& write, const std::string& prefix, const TimerStep& step) {
    write(prefix + "Label", step.label).Number(prefix + "Length", step.seconds);
    write(prefix + "Colour", step.colour ? ColourText(*step.colour) : "");
}

}  // namespace

KeptTimer ReadTimer(RegistryValues& values) {
    KeptTimer timer;
    TimerPlan& plan = timer.plan;
    plan.label = Read(values, "Label");
    // The first step is the timer's own length; a sequence names the others Step2.., Step3...
    plan.steps.push_back({"", ReadNumber(values, "Length", 300), ReadColour(values, "StepColour")});
    plan.steps[0].label = Read(values, "StepLabel");
    const int64_t steps = std::clamp<int64_t>(ReadNumber(values, "Steps", 1), 1, 20);
    for (int64_t n = 2; n <= steps; ++n)
        plan.steps.push_back(ReadStep(values, "Step" + std::to_string(n)));
    plan.rounds = int(std::clamp<int64_t>(ReadNumber(values, "Rounds", 1), 0, 999));
    if (ReadNumber(values, "ClosingLength", 0) > 0) plan.closing = ReadStep(values, "Closing");
    plan.untilMs = ParseUniversalTime(Read(values, "Until")).value_or(0);
    plan.warnSeconds = std::max<int64_t>(ReadNumber(values, "Warn", 0), 0);

    TimerRun& run = timer.run;
    const std::string state = Read(values, "State");
    for (size_t i = 0; i < std::size(kStates); ++i)
        if (state == kStates[i]) run.state = TimerState(i);
    const std::optional<int64_t> ends = ParseUniversalTime(Read(values, "Ends"));
    const int64_t left = ReadNumber(values, "Left", -1);
    // A running timer with no end it can trust, or a paused one with no time left, is ready.
    if (((run.state == TimerState::Running || run.state == TimerState::Ringing) && !ends) ||
        (run.state == TimerState::Paused && left < 0)) {
        run.state = TimerState::Ready;
    }
    run.endsMs = ends.value_or(0);
    run.leftMs = std::max<int64_t>(left, 0) * 1000;
    run.step = size_t(std::clamp<int64_t>(ReadNumber(values, "Step", 0), 0, steps));
    run.round = int(std::max<int64_t>(ReadNumber(values, "Round", 1), 1));
    run.stepMs = std::max<int64_t>(ReadNumber(values, "StepLength", 0), 0) * 1000;
    run.warned = ParseBoolean(Read(values, "Warned"));

    TimerLook& look = timer.look;
    look.colour = ReadColour(values, "Colour").value_or(look.colour);
    look.opacity = int(std::clamp<int64_t>(ReadNumber(values, "Opacity", look.opacity), 10, 100));
    look.clock = int(std::max<int64_t>(ReadNumber(values, "Clock", 0), 0));
    const StoredText onClock = values.ReadValue("OnClock");
    look.onClock = !onClock.text || ParseBoolean(*onClock.text);
    const StoredText wake = values.ReadValue("Wake");
    look.wake = !wake.text || ParseBoolean(*wake.text);
    look.sound = Read(values, "Sound");
    return timer;
}

std::string WriteTimer(const KeptTimer& timer, RegistryValues& values) {
    Writer write(values);
    const TimerPlan& plan = timer.plan;
    write("Label", plan.label).Number("Length", plan.steps.empty() ? 0 : plan.steps[0].seconds);
    if (!plan.steps.empty()) {
        write("StepLabel", plan.steps[0].label);
        write("StepColour", plan.steps[0].colour ? ColourText(*plan.steps[0].colour) : "");
    }
    write.Number("Steps", int64_t(plan.steps.size()));
    for (size_t n = 2; n <= plan.steps.size(); ++n)
        WriteStep(write, "Step" + std::to_string(n), plan.steps[n - 1]);
    write.Number("Rounds", plan.rounds);
    WriteStep(write, "Closing", plan.closing.value_or(TimerStep{}));
    write("Until", plan.untilMs ? UniversalTimeText(plan.untilMs) : "")
        .Number("Warn", plan.warnSeconds);

    const TimerRun& run = timer.run;
    const bool ends = run.state == TimerState::Running || run.state == TimerState::Ringing;
    write("State", kStates[size_t(run.state)]);
    write("Ends", ends ? UniversalTimeText(run.endsMs) : "");
    write("Left", run.state == TimerState::Paused ? std::to_string(run.leftMs / 1000) : "");
    write.Number("Step", int64_t(run.step)).Number("Round", run.round);
    write.Number("StepLength", run.stepMs / 1000)("Warned", std::string(BooleanText(run.warned)));

    const TimerLook& look = timer.look;
    write("Colour", ColourText(look.colour))
        .Number("Opacity", look.opacity)
        .Number("Clock", look.clock);
    write("OnClock", std::string(BooleanText(look.onClock)))("Sound", look.sound);
    write("Wake", std::string(BooleanText(look.wake)));
    return write.Error();
}

Stopwatch ReadStopwatch(RegistryValues& values) {
    Stopwatch stopwatch;
    const std::optional<int64_t> started = ParseUniversalTime(Read(values, "Started"));
    stopwatch.running = started.has_value();
    stopwatch.startedMs = started.value_or(0);
    stopwatch.runMs = std::max<int64_t>(ReadNumber(values, "Run", 0), 0);
    // "Laps": each lap's total in milliseconds, separated by spaces.
    stopwatch.onClock = ParseBoolean(Read(values, "OnClock"));
    stopwatch.clock = int(std::max<int64_t>(ReadNumber(values, "Clock", 0), 0));
    const std::string laps = Read(values, "Laps");
    for (size_t at = 0; at < laps.size();) {
        const size_t end = std::min(laps.find(' ', at), laps.size());
        const std::optional<int64_t> lap = Number(std::string_view(laps).substr(at, end - at));
        if (lap && *lap >= 0) stopwatch.lapsMs.push_back(*lap);
        at = end + 1;
    }
    return stopwatch;
}

std::string WriteStopwatch(const Stopwatch& stopwatch, RegistryValues& values) {
    std::string laps;
    for (int64_t lap : stopwatch.lapsMs) laps += (laps.empty() ? "" : " ") + std::to_string(lap);
    Writer write(values);
    write("Started", stopwatch.running ? UniversalTimeText(stopwatch.startedMs, true) : "");
    write.Number("Run", stopwatch.running ? 0 : stopwatch.runMs)("Laps", laps);
    write("OnClock", std::string(BooleanText(stopwatch.onClock))).Number("Clock", stopwatch.clock);
    return write.Error();
}

}  // namespace marvix
