// The press-and-release events of one typed key.
#include "platform/display/terminal/terminal_key_strokes.h"

#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/display/terminal/terminal_virtual_keys.h"

namespace lumenbox::display {

namespace {

using namespace terminal_keys;

constexpr std::uint8_t kDownBit = 0x80;

struct Modifier {
    int generic;
    int side;  // a terminal cannot tell the sides apart; the left one it is
};

constexpr std::array<Modifier, 3> kModifiers{{{kShift, kLeftShift}, {kControl, kLeftControl}, {kMenu, kLeftMenu}}};

bool Held(const TerminalKey& key, const Modifier& modifier) {
    if (modifier.generic == kShift) return key.shift;
    if (modifier.generic == kControl) return key.control;
    return key.alt;
}

void SetDown(KeyStates& states, int virtualKey, bool down) {
    if (virtualKey <= 0 || virtualKey >= 256) return;
    auto& state = states[static_cast<std::size_t>(virtualKey)];
    state = static_cast<std::uint8_t>(down ? (state | kDownBit) : (state & ~kDownBit));
}

}  // namespace

std::vector<KeyEvent> TerminalKeyStrokes::Strike(const TerminalKey& key) {
    std::lock_guard lock(mutex_);
    std::vector<KeyEvent> events;
    for (const Modifier& modifier : kModifiers)
        if (Held(key, modifier)) events.push_back(Record(modifier.generic, modifier.side, true));
    events.push_back(Record(key.virtualKey, 0, true));
    events.push_back(Record(key.virtualKey, 0, false));
    for (auto modifier = kModifiers.rbegin(); modifier != kModifiers.rend(); ++modifier)
        if (Held(key, *modifier)) events.push_back(Record(modifier->generic, modifier->side, false));
    return events;
}

KeyStates TerminalKeyStrokes::Current() const {
    std::lock_guard lock(mutex_);
    return states_;
}

KeyEvent TerminalKeyStrokes::Record(int virtualKey, int sideKey, bool down) {
    SetDown(states_, virtualKey, down);
    SetDown(states_, sideKey, down);
    return KeyEvent{virtualKey, down, false, states_};
}

}  // namespace lumenbox::display
