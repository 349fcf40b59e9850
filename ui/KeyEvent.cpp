#include "ui/KeyEvent.h"

#include <array>

namespace {

struct SKeyRow {
    const char* keys; // the virtual keys of letters and digits are their characters
    int32_t firstCode;
};

// The letter and digit rows, left to right.
constexpr SKeyRow kCharacterRows[] = {
    {"123456789", 18}, {"0", 27}, {"QWERTYUIOP", 32}, {"ASDFGHJKL", 46}, {"ZXCVBNM", 60}};

struct SKeyCode {
    uint32_t virtualKey;
    int32_t code;
};

constexpr SKeyCode kOtherKeys[] = {
    {27, 1},   {187, 28}, {8, 30},   {9, 31},   {219, 42}, {13, 44},  {20, 45},  {186, 55},
    {222, 56}, {220, 57}, {16, 58},  {188, 67}, {190, 68}, {191, 69}, {17, 71},  {18, 72},
    {32, 74},  {45, 78},  {36, 79},  {33, 80},  {46, 81},  {35, 82},  {34, 83},  {38, 84},
    {37, 85},  {40, 86},  {39, 87},  {103, 92}, {104, 93}, {105, 94}, {100, 96}, {101, 97},
    {102, 98}, {97, 100}, {98, 101}, {99, 102}, {96, 103}, {106, 91}, {109, 95}, {107, 99},
};

constexpr uint32_t kVirtualF1 = 112;
constexpr uint32_t kFunctionKeyCount = 15;
constexpr uint32_t kVirtualReturn = 13;

std::array<int32_t, 256> BuildTable()
{
    std::array<int32_t, 256> table;
    table.fill(CKeyEvent::kNoKeyCode);
    for (const SKeyRow& row : kCharacterRows) {
        for (int32_t i = 0; row.keys[i] != 0; ++i)
            table[static_cast<uint8_t>(row.keys[i])] = row.firstCode + i;
    }
    for (uint32_t i = 0; i < kFunctionKeyCount; ++i)
        table[kVirtualF1 + i] = 2 + static_cast<int32_t>(i);
    for (const SKeyCode& key : kOtherKeys)
        table[key.virtualKey] = key.code;
    return table;
}

} // namespace

int32_t KeyCodeFromVirtualKey(uint32_t virtualKey, bool extended)
{
    static const std::array<int32_t, 256> table = BuildTable();
    if (virtualKey == kVirtualReturn && extended)
        return CKeyEvent::kEnterKey;
    return virtualKey < table.size() ? table[virtualKey] : CKeyEvent::kNoKeyCode;
}

CKeyEvent MakeKeyEvent(const WindowPort::SMessage& message, const SKeyModifiers& modifiers)
{
    CKeyEvent key;
    key.alt = modifiers.alt;
    key.control = modifiers.control;
    key.command = modifiers.control;
    key.shift = modifiers.shift;
    key.capsLock = modifiers.capsLock;
    key.keyCode = KeyCodeFromVirtualKey(message.virtualKey, message.extended);
    if (message.kind == WindowPort::EMessage::kKeyUp)
        key.kind = CKeyEvent::kReleased;
    else
        key.kind = message.repeat ? CKeyEvent::kRepeated : CKeyEvent::kPressed;
    key.character = message.character;
    return key;
}

