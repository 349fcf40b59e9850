#pragma once

#include <cstdint>

// A key as the framework's key table knows it: the original platform's virtual
// key number, the key's own character and whether it is one of the extended keys.
struct SVirtualKey {
    uint32_t virtualKey = 0; // 0: a key the framework has no number for
    char character = 0;      // without modifiers, letters in upper case; 0 for none
    bool extended = false;
};

// Translates a Qt key code (Qt::Key) and whether it came from the keypad. A
// shifted symbol of the standard layout's top row and punctuation keys maps to
// the key that makes it ('!' is the key '1'), since virtual keys name keys, not
// the characters they type.
SVirtualKey TranslateKey(int qtKey, bool keypad);
