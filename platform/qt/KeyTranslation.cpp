#include "platform/qt/KeyTranslation.h"

#include <Qt>

#include <array>
#include <utility>

namespace {

constexpr uint32_t kVkNumpad0 = 96;
constexpr uint32_t kVkF1 = 112;

struct SKeyEntry {
    int qtKey;
    uint32_t virtualKey;
    char character;
    bool extended; // away from the keypad
};

// Keys that are not characters. The navigation keys are extended: they are the
// separate block, not the keypad's doubles.
constexpr std::array kNamedKeys{
    SKeyEntry{Qt::Key_Backspace, 8, 8, false},   SKeyEntry{Qt::Key_Tab, 9, 9, false},
    SKeyEntry{Qt::Key_Backtab, 9, 9, false},     SKeyEntry{Qt::Key_Clear, 12, 0, false},
    SKeyEntry{Qt::Key_Return, 13, 13, false},    SKeyEntry{Qt::Key_Enter, 13, 13, true},
    SKeyEntry{Qt::Key_Shift, 16, 0, false},      SKeyEntry{Qt::Key_Control, 17, 0, false},
    SKeyEntry{Qt::Key_Alt, 18, 0, false},        SKeyEntry{Qt::Key_AltGr, 18, 0, true},
    SKeyEntry{Qt::Key_Pause, 19, 0, false},      SKeyEntry{Qt::Key_CapsLock, 20, 0, false},
    SKeyEntry{Qt::Key_Escape, 27, 27, false},    SKeyEntry{Qt::Key_Space, 32, ' ', false},
    SKeyEntry{Qt::Key_PageUp, 33, 0, true},      SKeyEntry{Qt::Key_PageDown, 34, 0, true},
    SKeyEntry{Qt::Key_End, 35, 0, true},         SKeyEntry{Qt::Key_Home, 36, 0, true},
    SKeyEntry{Qt::Key_Left, 37, 0, true},        SKeyEntry{Qt::Key_Up, 38, 0, true},
    SKeyEntry{Qt::Key_Right, 39, 0, true},       SKeyEntry{Qt::Key_Down, 40, 0, true},
    SKeyEntry{Qt::Key_Print, 44, 0, true},       SKeyEntry{Qt::Key_Insert, 45, 0, true},
    SKeyEntry{Qt::Key_Delete, 46, 0, true},      SKeyEntry{Qt::Key_Help, 47, 0, false},
    SKeyEntry{Qt::Key_Meta, 91, 0, true},        SKeyEntry{Qt::Key_Super_L, 91, 0, true},
    SKeyEntry{Qt::Key_Super_R, 92, 0, true},     SKeyEntry{Qt::Key_Menu, 93, 0, true},
    SKeyEntry{Qt::Key_NumLock, 144, 0, true},    SKeyEntry{Qt::Key_ScrollLock, 145, 0, false},
};

// Printable keys other than letters and digits: the character a key types and,
// shifted, the key it stands for on the standard layout.
struct SSymbolEntry {
    char symbol;
    uint32_t virtualKey;
    char character;
};
constexpr std::array kSymbols{
    SSymbolEntry{'!', '1', '1'},  SSymbolEntry{'@', '2', '2'},  SSymbolEntry{'#', '3', '3'},
    SSymbolEntry{'$', '4', '4'},  SSymbolEntry{'%', '5', '5'},  SSymbolEntry{'^', '6', '6'},
    SSymbolEntry{'&', '7', '7'},  SSymbolEntry{'*', '8', '8'},  SSymbolEntry{'(', '9', '9'},
    SSymbolEntry{')', '0', '0'},  SSymbolEntry{';', 0xBA, ';'}, SSymbolEntry{':', 0xBA, ';'},
    SSymbolEntry{'=', 0xBB, '='}, SSymbolEntry{'+', 0xBB, '='}, SSymbolEntry{',', 0xBC, ','},
    SSymbolEntry{'<', 0xBC, ','}, SSymbolEntry{'-', 0xBD, '-'}, SSymbolEntry{'_', 0xBD, '-'},
    SSymbolEntry{'.', 0xBE, '.'}, SSymbolEntry{'>', 0xBE, '.'}, SSymbolEntry{'/', 0xBF, '/'},
    SSymbolEntry{'?', 0xBF, '/'}, SSymbolEntry{'`', 0xC0, '`'}, SSymbolEntry{'~', 0xC0, '`'},
    SSymbolEntry{'[', 0xDB, '['}, SSymbolEntry{'{', 0xDB, '['}, SSymbolEntry{'\\', 0xDC, '\\'},
    SSymbolEntry{'|', 0xDC, '\\'}, SSymbolEntry{']', 0xDD, ']'}, SSymbolEntry{'}', 0xDD, ']'},
    SSymbolEntry{'\'', 0xDE, '\''}, SSymbolEntry{'"', 0xDE, '\''},
};

// The keypad's own keys, as the keypad reports them with number lock on.
struct SKeypadEntry {
    int qtKey;
    uint32_t virtualKey;
    char character;
    bool extended;
};
constexpr std::array kKeypadKeys{
    SKeypadEntry{Qt::Key_Asterisk, 106, '*', false}, SKeypadEntry{Qt::Key_Plus, 107, '+', false},
    SKeypadEntry{Qt::Key_Minus, 109, '-', false},    SKeypadEntry{Qt::Key_Period, 110, '.', false},
    SKeypadEntry{Qt::Key_Comma, 110, '.', false},    SKeypadEntry{Qt::Key_Slash, 111, '/', true},
    SKeypadEntry{Qt::Key_Enter, 13, 13, true},       SKeypadEntry{Qt::Key_Return, 13, 13, true},
};

std::pair<bool, SVirtualKey> TranslateKeypadKey(int qtKey)
{
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return {true, {kVkNumpad0 + uint32_t(qtKey - Qt::Key_0), char(qtKey), false}};
    for (const SKeypadEntry& entry : kKeypadKeys) {
        if (entry.qtKey == qtKey)
            return {true, {entry.virtualKey, entry.character, entry.extended}};
    }
    return {false, {}};
}

// Keypad navigation (number lock off) sends the same keys without the extended flag.
SVirtualKey TranslateNamedKey(int qtKey, bool keypad)
{
    for (const SKeyEntry& entry : kNamedKeys) {
        if (entry.qtKey == qtKey)
            return {entry.virtualKey, entry.character, entry.extended && !keypad};
    }
    return {};
}

} // namespace

SVirtualKey TranslateKey(int qtKey, bool keypad)
{
    if (keypad) {
        auto [found, key] = TranslateKeypadKey(qtKey);
        if (found)
            return key;
    }
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return {uint32_t(qtKey), char(qtKey), false};
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return {kVkF1 + uint32_t(qtKey - Qt::Key_F1), 0, false};
    if (qtKey > 0x20 && qtKey < 0x7F) {
        for (const SSymbolEntry& entry : kSymbols) {
            if (entry.symbol == char(qtKey))
                return {entry.virtualKey, entry.character, false};
        }
    }
    return TranslateNamedKey(qtKey, keypad);
}
