// SDL keys to Windows virtual-key codes (values as Windows defines them).
#include "platform/display/sdl/sdl_key_map.h"

#include <initializer_list>

namespace lumenbox::display {

namespace {

// Windows virtual-key codes. The display sits below the user layer, so it
// keeps its own copy of the few values it sends.
enum VirtualKey : int {
    kBack = 0x08, kTab = 0x09, kClear = 0x0C, kReturn = 0x0D,
    kShift = 0x10, kControl = 0x11, kMenu = 0x12, kPause = 0x13, kCapital = 0x14,
    kEscape = 0x1B, kSpace = 0x20,
    kPrior = 0x21, kNext = 0x22, kEnd = 0x23, kHome = 0x24,
    kLeft = 0x25, kUp = 0x26, kRight = 0x27, kDown = 0x28,
    kSnapshot = 0x2C, kInsert = 0x2D, kDelete = 0x2E,
    kLeftWin = 0x5B, kRightWin = 0x5C, kApps = 0x5D,
    kNumpad0 = 0x60, kMultiply = 0x6A, kAdd = 0x6B, kSubtract = 0x6D, kDecimal = 0x6E, kDivide = 0x6F,
    kF1 = 0x70, kF13 = 0x7C,
    kNumLock = 0x90, kScroll = 0x91,
    kLeftShift = 0xA0, kRightShift = 0xA1, kLeftControl = 0xA2, kRightControl = 0xA3,
    kLeftMenu = 0xA4, kRightMenu = 0xA5,
    kOem1 = 0xBA, kOemPlus = 0xBB, kOemComma = 0xBC, kOemMinus = 0xBD, kOemPeriod = 0xBE,
    kOem2 = 0xBF, kOem3 = 0xC0, kOem4 = 0xDB, kOem5 = 0xDC, kOem6 = 0xDD, kOem7 = 0xDE,
    kOem102 = 0xE2,
};

MappedKey Plain(int virtualKey) { return MappedKey{virtualKey, 0}; }

// Letters and digits as the layout prints them, when it prints a Latin letter
// or a digit there; 0 otherwise.
int LetterOrDigitFromLayout(SDL_Keycode keycode) {
    if (keycode >= SDLK_a && keycode <= SDLK_z) return 'A' + (keycode - SDLK_a);
    if (keycode >= SDLK_0 && keycode <= SDLK_9) return '0' + (keycode - SDLK_0);
    return 0;
}

// Letters and digits by position, for layouts whose keys there print
// something else.
int LetterOrDigitFromPosition(SDL_Scancode scancode) {
    if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z) return 'A' + (scancode - SDL_SCANCODE_A);
    if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9) return '1' + (scancode - SDL_SCANCODE_1);
    if (scancode == SDL_SCANCODE_0) return '0';
    return 0;
}

int FunctionKey(SDL_Scancode scancode) {
    if (scancode >= SDL_SCANCODE_F1 && scancode <= SDL_SCANCODE_F12) return kF1 + (scancode - SDL_SCANCODE_F1);
    if (scancode >= SDL_SCANCODE_F13 && scancode <= SDL_SCANCODE_F24) return kF13 + (scancode - SDL_SCANCODE_F13);
    return 0;
}

// The keypad's digit and decimal keys: digits with Num Lock on, otherwise the
// navigation key printed under the digit (5 is Clear), as Windows sends them.
int KeypadDigitKey(SDL_Scancode scancode, bool numLock) {
    static constexpr int kNavigation[10] = {kInsert, kEnd, kDown, kNext, kLeft, kClear, kRight, kHome, kUp, kPrior};
    if (scancode == SDL_SCANCODE_KP_PERIOD) return numLock ? kDecimal : kDelete;
    int digit = -1;
    if (scancode == SDL_SCANCODE_KP_0) digit = 0;
    if (scancode >= SDL_SCANCODE_KP_1 && scancode <= SDL_SCANCODE_KP_9) digit = 1 + (scancode - SDL_SCANCODE_KP_1);
    if (digit < 0) return 0;
    return numLock ? kNumpad0 + digit : kNavigation[digit];
}

int ModifierSide(SDL_Scancode scancode) {
    switch (scancode) {
        case SDL_SCANCODE_LSHIFT: return kLeftShift;
        case SDL_SCANCODE_RSHIFT: return kRightShift;
        case SDL_SCANCODE_LCTRL: return kLeftControl;
        case SDL_SCANCODE_RCTRL: return kRightControl;
        case SDL_SCANCODE_LALT: return kLeftMenu;
        case SDL_SCANCODE_RALT: return kRightMenu;
        default: return 0;
    }
}

// Side codes come in pairs, left then right: Shift A0/A1, Ctrl A2/A3, Alt A4/A5.
int GenericOfSide(int side) { return kShift + (side - kLeftShift) / 2; }

int PunctuationKey(SDL_Scancode scancode) {
    switch (scancode) {
        case SDL_SCANCODE_SEMICOLON: return kOem1;
        case SDL_SCANCODE_EQUALS: return kOemPlus;
        case SDL_SCANCODE_COMMA: return kOemComma;
        case SDL_SCANCODE_MINUS: return kOemMinus;
        case SDL_SCANCODE_PERIOD: return kOemPeriod;
        case SDL_SCANCODE_SLASH: return kOem2;
        case SDL_SCANCODE_GRAVE: return kOem3;
        case SDL_SCANCODE_LEFTBRACKET: return kOem4;
        case SDL_SCANCODE_BACKSLASH: return kOem5;
        case SDL_SCANCODE_RIGHTBRACKET: return kOem6;
        case SDL_SCANCODE_APOSTROPHE: return kOem7;
        case SDL_SCANCODE_NONUSBACKSLASH: return kOem102;
        default: return 0;
    }
}

int EditingKey(SDL_Scancode scancode) {
    switch (scancode) {
        case SDL_SCANCODE_PAGEUP: return kPrior;
        case SDL_SCANCODE_PAGEDOWN: return kNext;
        case SDL_SCANCODE_END: return kEnd;
        case SDL_SCANCODE_HOME: return kHome;
        case SDL_SCANCODE_LEFT: return kLeft;
        case SDL_SCANCODE_UP: return kUp;
        case SDL_SCANCODE_RIGHT: return kRight;
        case SDL_SCANCODE_DOWN: return kDown;
        case SDL_SCANCODE_INSERT: return kInsert;
        case SDL_SCANCODE_DELETE: return kDelete;
        default: return 0;
    }
}

int KeypadOperatorKey(SDL_Scancode scancode) {
    switch (scancode) {
        case SDL_SCANCODE_KP_MULTIPLY: return kMultiply;
        case SDL_SCANCODE_KP_PLUS: return kAdd;
        case SDL_SCANCODE_KP_MINUS: return kSubtract;
        case SDL_SCANCODE_KP_DIVIDE: return kDivide;
        case SDL_SCANCODE_KP_ENTER: return kReturn;  // Windows tells it from Enter only by the extended flag
        default: return 0;
    }
}

int ControlKey(SDL_Scancode scancode) {
    switch (scancode) {
        case SDL_SCANCODE_ESCAPE: return kEscape;
        case SDL_SCANCODE_RETURN: return kReturn;
        case SDL_SCANCODE_RETURN2: return kReturn;
        case SDL_SCANCODE_TAB: return kTab;
        case SDL_SCANCODE_BACKSPACE: return kBack;
        case SDL_SCANCODE_SPACE: return kSpace;
        case SDL_SCANCODE_PAUSE: return kPause;
        case SDL_SCANCODE_CLEAR: return kClear;
        case SDL_SCANCODE_KP_CLEAR: return kClear;
        case SDL_SCANCODE_APPLICATION: return kApps;
        case SDL_SCANCODE_MENU: return kApps;
        case SDL_SCANCODE_PRINTSCREEN: return kSnapshot;
        case SDL_SCANCODE_CAPSLOCK: return kCapital;
        case SDL_SCANCODE_NUMLOCKCLEAR: return kNumLock;
        case SDL_SCANCODE_SCROLLLOCK: return kScroll;
        case SDL_SCANCODE_LGUI: return kLeftWin;
        case SDL_SCANCODE_RGUI: return kRightWin;
        default: return 0;
    }
}

}  // namespace

MappedKey MapSdlKey(SDL_Scancode scancode, SDL_Keycode keycode, bool numLock) {
    if (const int side = ModifierSide(scancode)) return MappedKey{GenericOfSide(side), side};
    if (const int key = LetterOrDigitFromLayout(keycode)) return Plain(key);
    if (const int key = LetterOrDigitFromPosition(scancode)) return Plain(key);
    if (const int key = KeypadDigitKey(scancode, numLock)) return Plain(key);
    for (auto lookup : {FunctionKey, PunctuationKey, EditingKey, KeypadOperatorKey, ControlKey}) {
        if (const int key = lookup(scancode)) return Plain(key);
    }
    return Plain(0);
}

}  // namespace lumenbox::display
