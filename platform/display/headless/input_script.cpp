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

bool ParseNumber(std::string_view text, long& number) {
    const std::string digits(Trim(text));
    if (digits.empty()) return false;
    char* end = nullptr;
    errno = 0;
    number = std::strtol(digits.c_str(), &end, 10);
    return errno == 0 && end == digits.c_str() + digits.size() && number >= 0;
}

bool TakesNumber(std::string_view verb) { return verb == "wait-ms" || verb == "key"; }
bool TakesNothing(std::string_view verb) { return verb == "wait-shown" || verb == "close"; }

}  // namespace

std::vector<InputScript::Step> InputScript::Parse(std::string_view text) {
    std::vector<Step> steps;
    while (!text.empty()) {
        const auto end = text.find(';');
        const std::string_view item = Trim(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (item.empty()) continue;
        const auto space = item.find(' ');
        Step step{std::string(item.substr(0, space)), 0};
        const std::string_view rest = space == std::string_view::npos ? std::string_view{} : item.substr(space);
        const bool valid = TakesNumber(step.verb) ? ParseNumber(rest, step.argument)
                                                  : TakesNothing(step.verb) && Trim(rest).empty();
        if (!valid) {
            std::fprintf(stderr, "lumenbox: LUMENBOX_HEADLESS_SCRIPT: unknown step '%.*s'\n",
                         static_cast<int>(item.size()), item.data());
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
