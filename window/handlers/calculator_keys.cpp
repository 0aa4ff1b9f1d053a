#include "window/handlers/calculator_keys.h"

#include <array>

namespace ombrelo::window {
namespace {

struct KeyRow {
    int key;
    bool keypad;
    int virtualKey;
};

constexpr int kVkEnd = 35;
constexpr int kVkHome = 36;
constexpr int kVkLeft = 37;
constexpr int kVkUp = 38;
constexpr int kVkRight = 39;
constexpr int kVkDown = 40;
constexpr int kVkPrior = 33;
constexpr int kVkNext = 34;
constexpr int kVkInsert = 45;

// clang-format off
constexpr auto kKeys = std::to_array<KeyRow>({
    // The keypad with Num Lock on.
    {Qt::Key_0, true, kVkNumpad0 + 0}, {Qt::Key_1, true, kVkNumpad0 + 1},
    {Qt::Key_2, true, kVkNumpad0 + 2}, {Qt::Key_3, true, kVkNumpad0 + 3},
    {Qt::Key_4, true, kVkNumpad0 + 4}, {Qt::Key_5, true, kVkNumpad0 + 5},
    {Qt::Key_6, true, kVkNumpad0 + 6}, {Qt::Key_7, true, kVkNumpad0 + 7},
    {Qt::Key_8, true, kVkNumpad0 + 8}, {Qt::Key_9, true, kVkNumpad0 + 9},
    {Qt::Key_Period, true, kVkDecimal},
    {Qt::Key_Comma, true, kVkDecimal},  // the keypad's decimal key under a decimal comma
    // Whatever Num Lock says.
    {Qt::Key_Asterisk, true, kVkMultiply}, {Qt::Key_Plus, true, kVkAdd},
    {Qt::Key_Minus, true, kVkSubtract},    {Qt::Key_Slash, true, kVkDivide},
    {Qt::Key_Enter, true, kVkReturn},
    // The keypad with Num Lock off.
    {Qt::Key_Insert, true, kVkInsert}, {Qt::Key_End, true, kVkEnd},
    {Qt::Key_Down, true, kVkDown},     {Qt::Key_PageDown, true, kVkNext},
    {Qt::Key_Left, true, kVkLeft},     {Qt::Key_Clear, true, kVkClear},
    {Qt::Key_Right, true, kVkRight},   {Qt::Key_Home, true, kVkHome},
    {Qt::Key_Up, true, kVkUp},         {Qt::Key_PageUp, true, kVkPrior},
    {Qt::Key_Delete, true, kVkDelete},
    // The main keys the handlers know.
    {Qt::Key_Backspace, false, kVkBack}, {Qt::Key_Delete, false, kVkDelete},
    {Qt::Key_Return, false, kVkReturn},
});
// clang-format on

}  // namespace

int VirtualKeyCode(int key, Qt::KeyboardModifiers modifiers) {
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    for (const KeyRow& row : kKeys) {
        if (row.key == key && row.keypad == keypad) return row.virtualKey;
    }
    return kVkNone;
}

}  // namespace ombrelo::window
