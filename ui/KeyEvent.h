#pragma once

#include "platform/WindowPort.h"

#include <cstdint>

// The framework's key event record, built from every key message. Key codes
// follow the keyboard's physical rows, whatever the keyboard's letters; the
// port delivers the original platform's virtual keys, which this maps.
struct CKeyEvent {
    static constexpr int32_t kNoKeyCode = 61; // shared with "X", as the framework always had it
    static constexpr int32_t kReturnKey = 44;
    static constexpr int32_t kEnterKey = 105; // keypad Enter
    static constexpr int32_t kEscapeKey = 1;

    enum EKind : int32_t { kPressed = 10, kRepeated = 11, kReleased = 12 };

    bool alt = false;
    bool control = false;
    bool command = false; // the framework's command modifier: the control key
    bool shift = false;
    bool capsLock = false;
    int32_t keyCode = kNoKeyCode;
    int32_t kind = kPressed;
    // The key's unshifted character, upper case for letters; 0 for none.
    char character = 0;
};

// The modifier keys' state when the key message is handled.
struct SKeyModifiers {
    bool shift = false;
    bool control = false;
    bool alt = false;
    bool capsLock = false;
};

// The framework key code of a virtual key; keypad Enter is Return with
// `extended` set. kNoKeyCode for keys without a code.
int32_t KeyCodeFromVirtualKey(uint32_t virtualKey, bool extended);

// The record of a kKeyDown or kKeyUp message.
CKeyEvent MakeKeyEvent(const WindowPort::SMessage& message, const SKeyModifiers& modifiers);

