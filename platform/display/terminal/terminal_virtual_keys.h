// The Windows virtual-key codes the terminal display reports. The display sits
// below the user layer, so it keeps its own copy of the values it sends.
#pragma once

namespace lumenbox::display::terminal_keys {

enum VirtualKey : int {
    kBack = 0x08, kTab = 0x09, kReturn = 0x0D,
    kShift = 0x10, kControl = 0x11, kMenu = 0x12,
    kEscape = 0x1B, kSpace = 0x20,
    kPrior = 0x21, kNext = 0x22, kEnd = 0x23, kHome = 0x24,
    kLeft = 0x25, kUp = 0x26, kRight = 0x27, kDown = 0x28,
    kInsert = 0x2D, kDelete = 0x2E,
    kF1 = 0x70,
    kLeftShift = 0xA0, kLeftControl = 0xA2, kLeftMenu = 0xA4,
    kOem1 = 0xBA, kOemPlus = 0xBB, kOemComma = 0xBC, kOemMinus = 0xBD, kOemPeriod = 0xBE,
    kOem2 = 0xBF, kOem3 = 0xC0, kOem4 = 0xDB, kOem5 = 0xDC, kOem6 = 0xDD, kOem7 = 0xDE,
};

}  // namespace lumenbox::display::terminal_keys
