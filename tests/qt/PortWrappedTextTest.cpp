#include "platform/WindowPort.h"
#include "tests/qt/PortTestSupport.h"

#include <gtest/gtest.h>

using namespace WindowPort;

namespace {

// The lowest row with ink in the rectangle, or -1.
int32_t LastInkRow(WindowHandle window, const SRect& rect)
{
    int32_t last = -1;
    for (int32_t y = rect.top; y < rect.bottom; ++y) {
        for (int32_t x = rect.left; x < rect.right; ++x) {
            if (GetPixel(window, x, y).red < 0x80)
                last = y;
        }
    }
    return last;
}

} // namespace

TEST(PortWrappedText, EveryPlatformLineBreakBreaksTheLine)
{
    CTestWindow window(200, 100);
    const FontHandle font = GetSystemFont();
    const int32_t lineHeight = GetTextMetrics(font).height;
    const SRect rect{0, 0, 200, 100};
    int32_t lastRow[4] = {};
    const char* texts[4] = {"Hello", "Hello\rWorld", "Hello\r\nWorld", "Hello\nWorld"};
    for (int i = 0; i < 4; ++i) {
        FillRect(window.Get(), rect, {255, 255, 255}, EMix::kCopy);
        DrawWrappedText(window.Get(), rect, texts[i], font, {0, 0, 0});
        lastRow[i] = LastInkRow(window.Get(), rect);
    }
    ASSERT_GE(lastRow[0], 0);
    for (int i = 1; i < 4; ++i)
        EXPECT_EQ(lastRow[i], lastRow[0] + lineHeight) << texts[i];
}
