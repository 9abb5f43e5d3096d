// Scripted input for the headless display, so that a program in another
// process (a test running the real vyr, say) can be given keys.
//
// LUMENBOX_HEADLESS_SCRIPT holds steps separated by ';':
//   wait-shown   wait until a window is visible and has the focus
//   wait-ms N    wait N milliseconds (0 to 86400000)
//   key VK       type the virtual key VK (decimal, 1 to 254) to the focused window
//   close        click the focused window's close button
// An unknown step or a number out of its range is reported on standard
// error, naming the step by its position, and then no step runs.
#pragma once

#include <condition_variable>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace lumenbox::display {

class HeadlessDisplay;

class InputScript {
public:
    struct Step {
        std::string verb;
        long argument = 0;
    };

    // Steps of a script, or nothing (with a line on standard error) if any
    // step is malformed.
    static std::vector<Step> Parse(std::string_view text);

    // Runs the steps on a thread of its own against the display.
    InputScript(HeadlessDisplay& display, std::vector<Step> steps);
    ~InputScript();
    InputScript(const InputScript&) = delete;
    InputScript& operator=(const InputScript&) = delete;

    // Ends the script at its next step or wait, and joins its thread.
    void Stop();

private:
    void Run();
    void RunStep(const Step& step);
    // Waits up to `milliseconds`; false when the script was stopped.
    bool WaitFor(long milliseconds);
    bool WaitForShownWindow();

    HeadlessDisplay& display_;
    std::vector<Step> steps_;
    std::mutex mutex_;
    std::condition_variable stopped_;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace lumenbox::display
