#pragma once

#include <Qt>

namespace ombrelo::window {

// The key codes the calculator's key-release handlers know: the platform's virtual-key codes.
enum VirtualKey : int {
    kVkNone = 0,
    kVkBack = 8,
    kVkReturn = 13,
    kVkClear = 12,
    kVkDelete = 46,
    kVkNumpad0 = 96,  // 96 to 105: keypad 0 to 9
    kVkMultiply = 106,
    kVkAdd = 107,
    kVkSeparator = 108,
    kVkSubtract = 109,
    kVkDecimal = 110,
    kVkDivide = 111,
};

// The virtual-key code the platform reports for a key, from Qt's key and its keypad modifier.
// With Num Lock off the keypad's digit keys arrive as navigation keys (keypad 5 is Clear) and
// its decimal key as Delete, exactly as the platform reports them. Keys the calculator never
// looks at give kVkNone.
int VirtualKeyCode(int key, Qt::KeyboardModifiers modifiers);

// A keypad key that types its character when pressed (a digit or the point with Num Lock on,
// an operator always): it has acted through that character by the time it is released.
constexpr bool TypesOnKeypad(int virtualKey) {
    return virtualKey >= kVkNumpad0 && virtualKey <= kVkDivide;
}

}  // namespace ombrelo::window
