// Terminal bytes to keys: characters by the US layout, control bytes as the
// Ctrl combinations that type them, and xterm's escape sequences.
#include "platform/display/terminal/terminal_key_parser.h"

#include <cstddef>
#include <optional>
#include <utility>

#include "platform/display/terminal/terminal_virtual_keys.h"

namespace lumenbox::display {

namespace {

using namespace terminal_keys;

constexpr char kEsc = '\x1b';
// A sequence longer than any the parser knows is line noise, not a key.
constexpr std::size_t kLongestSequence = 32;

TerminalKey Key(int virtualKey, bool shift = false, bool control = false, bool alt = false) {
    return TerminalKey{virtualKey, shift, control, alt};
}

// The punctuation of the US layout: the key that types each character and
// whether Shift is needed for it.
struct Punctuation {
    char character;
    int virtualKey;
    bool shift;
};

constexpr Punctuation kPunctuation[] = {
    {'-', kOemMinus, false}, {'_', kOemMinus, true},  {'=', kOemPlus, false},  {'+', kOemPlus, true},
    {'[', kOem4, false},     {'{', kOem4, true},      {']', kOem6, false},     {'}', kOem6, true},
    {'\\', kOem5, false},    {'|', kOem5, true},      {';', kOem1, false},     {':', kOem1, true},
    {'\'', kOem7, false},    {'"', kOem7, true},      {',', kOemComma, false}, {'<', kOemComma, true},
    {'.', kOemPeriod, false}, {'>', kOemPeriod, true}, {'/', kOem2, false},    {'?', kOem2, true},
    {'`', kOem3, false},     {'~', kOem3, true},
    // The shifted digit row.
    {'!', '1', true}, {'@', '2', true}, {'#', '3', true}, {'$', '4', true}, {'%', '5', true},
    {'^', '6', true}, {'&', '7', true}, {'*', '8', true}, {'(', '9', true}, {')', '0', true},
};

std::optional<TerminalKey> PrintableKey(char c) {
    if (c >= 'a' && c <= 'z') return Key('A' + (c - 'a'));
    if (c >= 'A' && c <= 'Z') return Key(c, true);
    if (c >= '0' && c <= '9') return Key(c);
    if (c == ' ') return Key(kSpace);
    for (const Punctuation& p : kPunctuation)
        if (p.character == c) return Key(p.virtualKey, p.shift);
    return std::nullopt;
}

// Control bytes: the keys of their own (Enter, Tab, Backspace), then the Ctrl
// combinations that type the rest.
std::optional<TerminalKey> ControlByteKey(unsigned char c) {
    switch (c) {
        case '\r': case '\n': return Key(kReturn);
        case '\t': return Key(kTab);
        case 0x7f: case 0x08: return Key(kBack);
        case 0x00: return Key(kSpace, false, true);
        case kEsc: return Key(kEscape);
        case 0x1c: return Key(kOem5, false, true);
        case 0x1d: return Key(kOem6, false, true);
        case 0x1e: return Key('6', true, true);
        case 0x1f: return Key(kOemMinus, true, true);
        default: break;
    }
    if (c >= 1 && c <= 26) return Key('A' + (c - 1), false, true);
    return std::nullopt;
}

// Bytes of 0x80 and above belong to characters outside ASCII, which no key
// of the US layout types: dropped.
std::optional<TerminalKey> ByteKey(char byte) {
    const auto c = static_cast<unsigned char>(byte);
    if (c < 0x20 || c == 0x7f) return ControlByteKey(c);
    if (c < 0x7f) return PrintableKey(byte);
    return std::nullopt;
}

// xterm's modifier parameter: 1 plus a bit set of Shift 1, Alt 2, Ctrl 4.
void ApplyModifierParameter(TerminalKey& key, int parameter) {
    if (parameter < 2) return;
    const int bits = parameter - 1;
    key.shift = key.shift || (bits & 1) != 0;
    key.alt = key.alt || (bits & 2) != 0;
    key.control = key.control || (bits & 4) != 0;
}

// The key a sequence's final letter names (CSI and SS3 share these).
int LetterFinalKey(char final) {
    switch (final) {
        case 'A': return kUp;
        case 'B': return kDown;
        case 'C': return kRight;
        case 'D': return kLeft;
        case 'H': return kHome;
        case 'F': return kEnd;
        case 'P': return kF1;
        case 'Q': return kF1 + 1;
        case 'R': return kF1 + 2;
        case 'S': return kF1 + 3;
        default: return 0;
    }
}

// The key of "CSI n ~" by its number.
int TildeKey(int number) {
    switch (number) {
        case 1: case 7: return kHome;
        case 2: return kInsert;
        case 3: return kDelete;
        case 4: case 8: return kEnd;
        case 5: return kPrior;
        case 6: return kNext;
        case 11: case 12: case 13: case 14: case 15: return kF1 + (number - 11);
        case 17: case 18: case 19: case 20: case 21: return kF1 + 5 + (number - 17);
        case 23: case 24: return kF1 + 10 + (number - 23);
        default: return 0;
    }
}

// What one step of parsing found: how many bytes it used (0: the sequence is
// unfinished) and the key, if those bytes made one.
struct Step {
    std::size_t consumed;
    std::optional<TerminalKey> key;
    std::optional<TerminalMouse> mouse = std::nullopt;
};

constexpr Step kUnfinished{0, std::nullopt};

std::vector<int> Parameters(std::string_view text) {
    std::vector<int> numbers{0};
    for (char c : text) {
        if (c == ';') {
            numbers.push_back(0);
        } else if (c >= '0' && c <= '9' && numbers.back() < 10000) {
            numbers.back() = numbers.back() * 10 + (c - '0');
        }
    }
    return numbers;
}

// The button byte of an SGR report: the low two bits name the button (left,
// middle, right) or, with 64 added, the wheel's direction; 4, 8 and 16 are
// Shift, Alt and Ctrl; 32 marks movement. Other buttons (128 and up) and
// numbers missing or out of range make no report.
std::optional<TerminalMouse> SgrMouse(std::string_view parameters, char final) {
    const std::vector<int> numbers = Parameters(parameters.substr(1));
    if (numbers.size() != 3 || numbers[1] < 1 || numbers[2] < 1 || numbers[0] >= 128) return std::nullopt;
    if (parameters.substr(1).find_first_not_of("0123456789;") != std::string_view::npos) return std::nullopt;
    const int code = numbers[0];
    TerminalMouse mouse;
    mouse.column = numbers[1] - 1;
    mouse.row = numbers[2] - 1;
    mouse.shift = (code & 4) != 0;
    mouse.alt = (code & 8) != 0;
    mouse.control = (code & 16) != 0;
    constexpr int kButtonOf[4] = {1, 3, 2, 0};  // left, middle, right, none
    const int low = code & 3;
    if (code & 64) {
        if (low > 1 || final != 'M') return std::nullopt;
        mouse.kind = TerminalMouse::Kind::Wheel;
        mouse.notches = low == 0 ? 1 : -1;
        return mouse;
    }
    mouse.button = kButtonOf[low];
    if (code & 32) {
        mouse.kind = TerminalMouse::Kind::Drag;
    } else {
        if (mouse.button == 0) return std::nullopt;
        mouse.kind = final == 'M' ? TerminalMouse::Kind::Press : TerminalMouse::Kind::Release;
    }
    return mouse;
}

std::optional<TerminalKey> CsiKey(std::string_view parameters, char final) {
    // Private forms ("CSI ? ...", "CSI > ...") are the terminal's reports, not keys.
    if (!parameters.empty() && (parameters[0] < '0' || parameters[0] > ';')) return std::nullopt;
    const std::vector<int> numbers = Parameters(parameters);
    TerminalKey key;
    if (final == '~') {
        key.virtualKey = TildeKey(numbers[0]);
    } else if (final == 'Z') {
        key = Key(kTab, true);  // Shift+Tab
    } else {
        key.virtualKey = LetterFinalKey(final);
    }
    if (key.virtualKey == 0) return std::nullopt;
    if (numbers.size() > 1) ApplyModifierParameter(key, numbers[1]);
    return key;
}

// "ESC [ [ A" to "ESC [ [ E": the Linux console's F1 to F5.
Step LinuxConsoleFunctionKey(std::string_view s) {
    if (s.size() < 4) return kUnfinished;
    if (s[3] >= 'A' && s[3] <= 'E') return Step{4, Key(kF1 + (s[3] - 'A'))};
    return Step{4, std::nullopt};
}

Step ParseCsi(std::string_view s) {
    if (s.size() > 2 && s[2] == '[') return LinuxConsoleFunctionKey(s);
    std::size_t i = 2;
    while (i < s.size() && s[i] >= 0x20 && s[i] <= 0x3f) ++i;  // parameters and intermediates
    if (i == s.size()) return i >= kLongestSequence ? Step{i, std::nullopt} : kUnfinished;
    if (s[i] < 0x40 || s[i] > 0x7e) return Step{i, std::nullopt};  // broken off by another byte
    const std::string_view parameters = s.substr(2, i - 2);
    if (!parameters.empty() && parameters[0] == '<') {
        if (s[i] != 'M' && s[i] != 'm') return Step{i + 1, std::nullopt};
        return Step{i + 1, std::nullopt, SgrMouse(parameters, s[i])};
    }
    return Step{i + 1, CsiKey(parameters, s[i])};
}

// SS3: "ESC O" and a letter, as terminals send cursor keys in application
// mode and F1 to F4; some put a modifier digit in between.
Step ParseSs3(std::string_view s) {
    std::size_t i = 2;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
    if (i == s.size()) return i >= kLongestSequence ? Step{i, std::nullopt} : kUnfinished;
    TerminalKey key{s[i] == 'M' ? kReturn : LetterFinalKey(s[i])};  // M: keypad Enter
    if (key.virtualKey == 0) return Step{i + 1, std::nullopt};
    if (i > 2) ApplyModifierParameter(key, Parameters(s.substr(2, i - 2))[0]);
    return Step{i + 1, key};
}

Step ParseEscape(std::string_view s) {
    if (s.size() < 2) return kUnfinished;
    if (s[1] == '[') return ParseCsi(s);
    if (s[1] == 'O') return ParseSs3(s);
    // Escape pressed twice: the first is a key of its own.
    if (s[1] == kEsc) return Step{1, Key(kEscape)};
    std::optional<TerminalKey> key = ByteKey(s[1]);
    if (key) key->alt = true;
    return Step{2, key};
}

Step ParseAt(std::string_view s) {
    if (s[0] == kEsc) return ParseEscape(s);
    return Step{1, ByteKey(s[0])};
}

}  // namespace

std::vector<TerminalInput> TerminalKeyParser::FeedInput(std::string_view bytes) {
    pending_.append(bytes);
    std::vector<TerminalInput> input;
    std::size_t at = 0;
    while (at < pending_.size()) {
        const Step step = ParseAt(std::string_view(pending_).substr(at));
        if (step.consumed == 0) break;
        if (step.key || step.mouse) input.push_back(TerminalInput{step.key, step.mouse});
        at += step.consumed;
    }
    pending_.erase(0, at);
    return input;
}

std::vector<TerminalKey> TerminalKeyParser::Feed(std::string_view bytes) {
    std::vector<TerminalKey> keys;
    for (const TerminalInput& input : FeedInput(bytes))
        if (input.key) keys.push_back(*input.key);
    return keys;
}

std::vector<TerminalInput> TerminalKeyParser::ExpireInput() {
    std::vector<TerminalInput> input;
    for (const TerminalKey& key : Expire()) input.push_back(TerminalInput{key, std::nullopt});
    return input;
}

std::vector<TerminalKey> TerminalKeyParser::Expire() {
    std::vector<TerminalKey> keys;
    if (pending_.size() == 1 && pending_[0] == kEsc) {
        keys.push_back(Key(kEscape));
    } else if (pending_.size() == 2) {
        // "ESC [" or "ESC O" with nothing after: Alt with that key after all.
        if (std::optional<TerminalKey> key = ByteKey(pending_[1])) {
            key->alt = true;
            keys.push_back(*key);
        }
    }
    pending_.clear();
    return keys;
}

}  // namespace lumenbox::display
