// The headless display's keyboard and window-frame input.
//
// Key codes follow Windows: a modifier is reported by its generic code
// (Shift 0x10, Ctrl 0x11, Alt 0x12) whichever side was pressed, and the key
// state keeps both the generic entry and the side entries, so that a program
// asking for either finds the key down.
#include <cstdint>

#include "platform/display/headless/headless_display.h"

namespace lumenbox::display {

namespace {

constexpr std::uint8_t kDown = 0x80;
constexpr std::uint8_t kToggled = 0x01;

constexpr int kShift = 0x10, kControl = 0x11, kMenu = 0x12;
constexpr int kCapital = 0x14, kNumLock = 0x90, kScroll = 0x91;
constexpr int kLeftShift = 0xA0, kRightMenu = 0xA5;

bool IsKeyCode(int virtualKey) { return virtualKey > 0 && virtualKey < 255; }
bool IsLockKey(int virtualKey) { return virtualKey == kCapital || virtualKey == kNumLock || virtualKey == kScroll; }
bool IsSideKey(int virtualKey) { return virtualKey >= kLeftShift && virtualKey <= kRightMenu; }
bool IsGenericModifier(int virtualKey) { return virtualKey == kShift || virtualKey == kControl || virtualKey == kMenu; }

// The side codes come in pairs, left then right: Shift A0/A1, Ctrl A2/A3, Alt A4/A5.
int GenericOf(int virtualKey) {
    if (!IsSideKey(virtualKey)) return virtualKey;
    return kShift + (virtualKey - kLeftShift) / 2;
}
int LeftSideOf(int generic) { return kLeftShift + (generic - kShift) * 2; }

void SetDown(KeyStates& keys, int virtualKey, bool down) {
    auto& state = keys[static_cast<std::size_t>(virtualKey)];
    state = static_cast<std::uint8_t>(down ? (state | kDown) : (state & ~kDown));
}
bool IsDown(const KeyStates& keys, int virtualKey) { return keys[static_cast<std::size_t>(virtualKey)] & kDown; }

// A generic modifier press stands for its left key; its release lets go of
// both sides, as no side can still be held once the modifier is up.
void ApplyModifier(KeyStates& keys, int virtualKey, bool down) {
    const int generic = GenericOf(virtualKey);
    const int left = LeftSideOf(generic);
    if (IsSideKey(virtualKey)) {
        SetDown(keys, virtualKey, down);
    } else {
        SetDown(keys, left, down);
        if (!down) SetDown(keys, left + 1, false);
    }
    SetDown(keys, generic, IsDown(keys, left) || IsDown(keys, left + 1));
}

void ApplyKey(KeyStates& keys, int virtualKey, bool down) {
    const bool wasDown = IsDown(keys, virtualKey);
    if (IsSideKey(virtualKey) || IsGenericModifier(virtualKey))
        ApplyModifier(keys, virtualKey, down);
    else
        SetDown(keys, virtualKey, down);
    // A lock key changes its toggle on each fresh press, not on auto-repeat.
    if (down && !wasDown && IsLockKey(virtualKey)) keys[static_cast<std::size_t>(virtualKey)] ^= kToggled;
}

}  // namespace

void HeadlessDisplay::SendKey(int virtualKey, bool down, bool autoRepeat) {
    if (!IsKeyCode(virtualKey)) return;
    EventSink* sink;
    WindowId target;
    KeyEvent event{};
    {
        std::lock_guard lock(mutex_);
        const bool wasDown = IsDown(keys_, virtualKey);
        // A key that is not held cannot be let go of.
        if (!down && !wasDown) return;
        ApplyKey(keys_, virtualKey, down);
        event = KeyEvent{GenericOf(virtualKey), down, down && autoRepeat && wasDown, keys_};
        sink = sink_;
        target = windows_.Focused();
    }
    if (sink && target) sink->Key(target, event);
}

void HeadlessDisplay::PressKey(int virtualKey) { SendKey(virtualKey, true, false); }
void HeadlessDisplay::RepeatKey(int virtualKey) { SendKey(virtualKey, true, true); }
void HeadlessDisplay::ReleaseKey(int virtualKey) { SendKey(virtualKey, false, false); }

void HeadlessDisplay::SetToggle(int virtualKey, bool on) {
    if (!IsLockKey(virtualKey)) return;
    std::lock_guard lock(mutex_);
    auto& state = keys_[static_cast<std::size_t>(virtualKey)];
    state = static_cast<std::uint8_t>(on ? (state | kToggled) : (state & ~kToggled));
}

void HeadlessDisplay::ClickClose(WindowId window) {
    EventSink* sink;
    {
        std::lock_guard lock(mutex_);
        if (!windows_.Find(window)) return;
        sink = sink_;
    }
    if (sink) sink->CloseRequested(window);
}

void HeadlessDisplay::Expose(WindowId window, int left, int top, int right, int bottom) {
    EventSink* sink;
    {
        std::lock_guard lock(mutex_);
        if (!windows_.Find(window)) return;
        sink = sink_;
    }
    if (sink) sink->Exposed(window, left, top, right, bottom);
}

}  // namespace lumenbox::display
