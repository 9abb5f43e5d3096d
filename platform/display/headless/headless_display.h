// The headless display: the smallest complete backend. Nothing is shown; its
// one thread presents changed windows while one is visible (see
// headless_presenter.h); tests set the screen up, drive input and look
// at the windows through <lumenbox/display/headless.h>.
//
// Input goes to the focused window by calling the event sink on the caller's
// thread, after the display's lock is released, so the sink may call back
// into the display.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <lumenbox/display/headless.h>

#include "platform/display/display.h"
#include "platform/display/headless/headless_presenter.h"
#include "platform/display/headless/input_script.h"
#include "platform/display/window_stack.h"

namespace lumenbox::display {

class HeadlessDisplay final : public Display {
public:
    HeadlessDisplay();
    ~HeadlessDisplay() override;
    HeadlessDisplay(const HeadlessDisplay&) = delete;
    HeadlessDisplay& operator=(const HeadlessDisplay&) = delete;

    // ---- Display -----------------------------------------------------------
    const char* Name() const override { return "headless"; }
    ScreenInfo Screen() const override;
    bool OpenGLAvailable() const override;
    bool OpenGLAltersFloatingPoint() const override;
    std::vector<std::string> FontFamilies() const override;
    KeyStates KeyState() const override;
    void SetEventSink(EventSink* sink) override;
    void AddWindow(WindowId window, const WindowPlacement& placement, std::shared_ptr<Surface> surface) override;
    void RemoveWindow(WindowId window) override;
    void SetVisible(WindowId window, bool visible) override;
    void SetFocus(WindowId window) override;
    void SurfaceChanged(WindowId) override {}
    void Shutdown() override;

    // Runs the input script's steps against this display until Shutdown.
    void StartInputScript(std::vector<InputScript::Step> steps);

    // ---- Test set-up -------------------------------------------------------
    void Reset();
    void SetScreen(int width, int height, int bitsPerPixel);
    void SetOpenGLAvailable(bool available);
    void SetOpenGLAltersFloatingPoint(bool alters);
    void SetFontFamilies(std::vector<std::string> families);
    void RemoveFontFamily(std::string_view family);

    // ---- What a user would see ---------------------------------------------
    std::vector<WindowId> Windows() const;
    std::optional<headless::WindowView> Window(WindowId window) const;
    std::shared_ptr<Surface> SurfaceOf(WindowId window) const;

    // ---- Presenting ----------------------------------------------------------
    void SetAutomaticPresenting(bool automatic) { presenter_.SetAutomatic(automatic); }
    bool PresentWindow(WindowId window, std::chrono::steady_clock::time_point shownAt) {
        return presenter_.PresentNow(window, shownAt);
    }

    // ---- Input -------------------------------------------------------------
    void PressKey(int virtualKey);
    void RepeatKey(int virtualKey);
    void ReleaseKey(int virtualKey);
    void SetToggle(int virtualKey, bool on);
    void ClickClose(WindowId window);
    void Expose(WindowId window, int left, int top, int right, int bottom);
    void MovePointer(WindowId window, int x, int y);
    void PressButton(int button);
    void ReleaseButton(int button);
    void TurnWheel(int notches);

private:
    // Changes the key state and reports the key to the focused window.
    void SendKey(int virtualKey, bool down, bool autoRepeat);
    // Reports a mouse event at the pointer's position, with the buttons and
    // keys as they are after it; nothing while the pointer is over no window.
    void SendPointer(PointerEvent::Kind kind, int button, int notches);
    // The visible windows with their surfaces, for the presenter.
    std::vector<HeadlessPresenter::Shown> VisibleWindows() const;

    mutable std::mutex mutex_;
    ScreenInfo screen_;
    bool openGL_;
    bool openGLAltersFloatingPoint_;
    std::optional<std::vector<std::string>> fonts_;  // unset: the machine's
    KeyStates keys_{};
    EventSink* sink_ = nullptr;
    WindowId pointerWindow_ = 0;  // the window the pointer was last moved over
    int pointerX_ = 0;            // in its client pixels
    int pointerY_ = 0;
    int buttons_ = 0;             // bit 0 left, 1 right, 2 middle
    WindowStack windows_;
    HeadlessPresenter presenter_;  // stopped before the windows go
    std::unique_ptr<InputScript> script_;  // last: stopped before the rest goes
};

// A headless display; it runs LUMENBOX_HEADLESS_SCRIPT when that is set.
std::unique_ptr<Display> CreateHeadlessDisplay();

}  // namespace lumenbox::display
