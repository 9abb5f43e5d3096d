// Scripted input for the headless display.
#include "platform/display/headless/input_script.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "platform/display/headless/headless_display.h"

namespace lumenbox::display {

namespace {

constexpr long kPollMilliseconds = 10;

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// The numbers a step accepts: a wait of up to a day (longer is surely a
// typing error, and must not overflow the clock's arithmetic), and the
// virtual-key codes 1 to 254.
struct NumberRange {
    long lowest;
    long highest;
    const char* what;
};
constexpr NumberRange kWaitRange{0, 24L * 60 * 60 * 1000, "a wait of 0 to 86400000 milliseconds"};
constexpr NumberRange kKeyRange{1, 254, "a virtual-key code of 1 to 254"};

const NumberRange* RangeOf(std::string_view verb) {
    if (verb == "wait-ms") return &kWaitRange;
    if (verb == "key") return &kKeyRange;
    return nullptr;
}

bool TakesNothing(std::string_view verb) { return verb == "wait-shown" || verb == "close"; }

// A decimal number within the range; anything else (signs, letters, a number
// too large for any type) is refused.
bool ParseNumber(std::string_view text, const NumberRange& range, long& number) {
    const std::string digits(Trim(text));
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos) return false;
    char* end = nullptr;
    errno = 0;
    number = std::strtol(digits.c_str(), &end, 10);
    return errno == 0 && end == digits.c_str() + digits.size() && number >= range.lowest && number <= range.highest;
}

void ReportBadStep(std::size_t position, std::string_view item, const NumberRange* range) {
    std::fprintf(stderr, "lumenbox: LUMENBOX_HEADLESS_SCRIPT: step %zu '%.*s' %s%s; the script does not run\n",
                 position, static_cast<int>(item.size()), item.data(), range ? "needs " : "is unknown",
                 range ? range->what : "");
}

}  // namespace

std::vector<InputScript::Step> InputScript::Parse(std::string_view text) {
    std::vector<Step> steps;
    std::size_t position = 0;
    while (!text.empty()) {
        const auto end = text.find(';');
        const std::string_view item = Trim(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (item.empty()) continue;
        ++position;
        const auto space = item.find(' ');
        Step step{std::string(item.substr(0, space)), 0};
        const std::string_view rest = space == std::string_view::npos ? std::string_view{} : item.substr(space);
        const NumberRange* range = RangeOf(step.verb);
        const bool valid = range ? ParseNumber(rest, *range, step.argument)
                                 : TakesNothing(step.verb) && Trim(rest).empty();
        if (!valid) {
            ReportBadStep(position, item, range);
            return {};
        }
        steps.push_back(std::move(step));
    }
    return steps;
}

InputScript::InputScript(HeadlessDisplay& display, std::vector<Step> steps)
    : display_(display), steps_(std::move(steps)), thread_([this] { Run(); }) {}

InputScript::~InputScript() { Stop(); }

void InputScript::Stop() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    stopped_.notify_all();
    if (thread_.joinable()) thread_.join();
}

void InputScript::Run() {
    for (const Step& step : steps_) {
        {
            std::lock_guard lock(mutex_);
            if (stopping_) return;
        }
        RunStep(step);
    }
}

void InputScript::RunStep(const Step& step) {
    if (step.verb == "wait-shown") {
        WaitForShownWindow();
    } else if (step.verb == "wait-ms") {
        WaitFor(step.argument);
    } else if (step.verb == "key") {
        const int key = static_cast<int>(step.argument);
        display_.PressKey(key);
        display_.ReleaseKey(key);
    } else if (step.verb == "close") {
        for (WindowId window : display_.Windows()) {
            const auto view = display_.Window(window);
            if (view && view->focused) display_.ClickClose(window);
        }
    }
}

bool InputScript::WaitFor(long milliseconds) {
    std::unique_lock lock(mutex_);
    return !stopped_.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return stopping_; });
}

bool InputScript::WaitForShownWindow() {
    for (;;) {
        for (WindowId window : display_.Windows()) {
            const auto view = display_.Window(window);
            if (view && view->visible && view->focused) return true;
        }
        if (!WaitFor(kPollMilliseconds)) return false;
    }
}

}  // namespace lumenbox::display
