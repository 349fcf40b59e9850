#include "ui/KeyEvent.h"

#include <gtest/gtest.h>

TEST(KeyEvent, VirtualKeysToTheFrameworksCodes)
{
    const struct {
        uint32_t virtualKey;
        bool extended;
        int32_t code;
    } cases[] = {
        {27, false, 1},   {112, false, 2},  {126, false, 16}, {'1', false, 18}, {'9', false, 26},
        {'0', false, 27}, {187, false, 28}, {8, false, 30},   {9, false, 31},   {'Q', false, 32},
        {'P', false, 41}, {219, false, 42}, {13, false, 44},  {13, true, 105},  {20, false, 45},
        {'A', false, 46}, {'L', false, 54}, {186, false, 55}, {222, false, 56}, {220, false, 57},
        {16, false, 58},  {'Z', false, 60}, {'X', false, 61}, {'M', false, 66}, {188, false, 67},
        {190, false, 68}, {191, false, 69}, {17, false, 71},  {18, false, 72},  {32, false, 74},
        {45, false, 78},  {36, false, 79},  {33, false, 80},  {46, false, 81},  {35, false, 82},
        {34, false, 83},  {38, false, 84},  {37, false, 85},  {40, false, 86},  {39, false, 87},
        {103, false, 92}, {105, false, 94}, {100, false, 96}, {102, false, 98}, {97, false, 100},
        {99, false, 102}, {96, false, 103}, {106, false, 91}, {109, false, 95}, {107, false, 99},
        // Keys without a code share 61 with "X".
        {127, false, 61}, {189, false, 61}, {0, false, 61},   {255, false, 61}, {1000, false, 61},
    };
    for (const auto& c : cases)
        EXPECT_EQ(KeyCodeFromVirtualKey(c.virtualKey, c.extended), c.code) << c.virtualKey;
}

TEST(KeyEvent, RecordOfAKeyMessage)
{
    WindowPort::SMessage message;
    message.kind = WindowPort::EMessage::kKeyDown;
    message.virtualKey = 'O';
    message.character = 'O';
    CKeyEvent key = MakeKeyEvent(message, {.shift = false, .control = true, .alt = false});
    EXPECT_TRUE(key.control);
    EXPECT_TRUE(key.command);
    EXPECT_FALSE(key.alt);
    EXPECT_EQ(key.keyCode, 40);
    EXPECT_EQ(key.kind, CKeyEvent::kPressed);
    EXPECT_EQ(key.character, 'O');

    message.repeat = true;
    EXPECT_EQ(MakeKeyEvent(message, {}).kind, CKeyEvent::kRepeated);
    message.kind = WindowPort::EMessage::kKeyUp;
    key = MakeKeyEvent(message, {.shift = true, .alt = true});
    EXPECT_EQ(key.kind, CKeyEvent::kReleased);
    EXPECT_TRUE(key.shift);
    EXPECT_TRUE(key.alt);
    EXPECT_FALSE(key.command);
}
