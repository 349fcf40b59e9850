// What the views draw into their window, through paints and updates, and the
// splash screen's picture and wait.
#include "images/Bitmap.h"
#include "images/Screen.h"
#include "tests/ui/windows/UiTestSupport.h"
#include "ui/DocumentWindow.h"
#include "ui/IconView.h"
#include "ui/SplashScreen.h"
#include "ui/StaticTextView.h"
#include "ui/WindowGroupView.h"

#include <gtest/gtest.h>

#include <memory>

using WindowPort::SColour;
using WindowPort::SRect;

namespace {

int Brightness(SColour colour)
{
    return (colour.red + colour.green + colour.blue) / 3;
}

struct SPixelCount {
    int changed = 0; // pixels that are not the face colour
    int darkest = 255;
};

SPixelCount CountPixels(WindowPort::WindowHandle window, const SRect& area)
{
    const SColour face = WindowPort::GetSystemColour(WindowPort::ESystemColour::kFace3D);
    SPixelCount count;
    for (int32_t y = area.top; y < area.bottom; ++y) {
        for (int32_t x = area.left; x < area.right; ++x) {
            const SColour pixel = WindowPort::GetPixel(window, x, y);
            if (!(pixel == face)) {
                ++count.changed;
                count.darkest = std::min(count.darkest, Brightness(pixel));
            }
        }
    }
    return count;
}

// Every pixel of the client area outside `inside` is the face colour.
bool OnlyInside(WindowPort::WindowHandle window, const SRect& inside)
{
    const WindowPort::SSize client = WindowPort::GetClientSize(window);
    const int all = CountPixels(window, {0, 0, client.width, client.height}).changed;
    return all == CountPixels(window, inside).changed;
}

// Paints what the queue holds for the window until its invalid area is gone.
void PaintNow(CApplication& application)
{
    WindowPort::SMessage message;
    while (WindowPort::PeekMessage(message, WindowPort::ERemove::kYes))
        application.DispatchOne(message);
}

TEST(ViewDrawing, StaticTextDrawsInsideItsBoundsAndGreyWhenDisabled)
{
    RunInApplication([](CTestApplication& application) {
        CDocumentWindow window(0, "text");
        CStaticTextView text(&window.GetRootView(), {10, 10, 150, 60}, "Drop a folder on this window to pack it");
        window.Open(window.OuterRectForClient({50, 50}, {200, 100}));
        PaintNow(application);
        const SPixelCount enabled = CountPixels(window.GetHandle(), {10, 10, 150, 60});
        EXPECT_GT(enabled.changed, 20);
        EXPECT_LT(enabled.darkest, 60);
        EXPECT_TRUE(OnlyInside(window.GetHandle(), {10, 10, 150, 60}));

        // Nothing changed: an update draws nothing.
        const uint64_t calls = WindowPort::GetPaintCounts(window.GetHandle()).drawingCalls;
        window.UpdateControls();
        EXPECT_EQ(WindowPort::GetPaintCounts(window.GetHandle()).drawingCalls, calls);

        text.SetEnabled(false);
        window.UpdateControls();
        EXPECT_GT(WindowPort::GetPaintCounts(window.GetHandle()).drawingCalls, calls);
        const SPixelCount disabled = CountPixels(window.GetHandle(), {10, 10, 150, 60});
        EXPECT_GT(disabled.changed, 20);
        const SColour shadow = WindowPort::GetSystemColour(WindowPort::ESystemColour::kButtonShadow);
        EXPECT_GE(disabled.darkest, Brightness(shadow) - 2);

        // A new text is stored until the update draws it.
        text.SetText("");
        EXPECT_GT(CountPixels(window.GetHandle(), {10, 10, 150, 60}).changed, 20);
        window.UpdateControls();
        EXPECT_EQ(CountPixels(window.GetHandle(), {10, 10, 150, 60}).changed, 0);
    });
}

TEST(ViewDrawing, IconsDrawInsideTheirBoundsAndKindNoneDrawsNothing)
{
    RunInApplication([](CTestApplication& application) {
        CDocumentWindow window(0, "icons");
        CIconView stop(&window.GetRootView(), {10, 10, 42, 42}, CIconView::kStop);
        CIconView none(&window.GetRootView(), {60, 10, 92, 42}, 99);
        EXPECT_EQ(none.GetKind(), CIconView::kNone);
        window.Open(window.OuterRectForClient({50, 50}, {120, 60}));
        PaintNow(application);
        EXPECT_GT(CountPixels(window.GetHandle(), {10, 10, 42, 42}).changed, 50);
        EXPECT_TRUE(OnlyInside(window.GetHandle(), {10, 10, 42, 42}));

        none.SetKind(CIconView::kExclamation);
        PaintNow(application);
        EXPECT_GT(CountPixels(window.GetHandle(), {60, 10, 92, 42}).changed, 50);
    });
}

// The splash picture is the program's JPEG resource 900, copied unchanged at
// the window's top left; the window waits out its time when it goes.
TEST(ViewDrawing, TheSplashScreenShowsItsPictureAndWaitsItsTime)
{
    RunInApplication([](CTestApplication& application) {
        CScreen& screen = *application.GetScreen();
        auto splash = std::make_unique<CSplashScreen>(900, 15);
        const WindowPort::WindowHandle handle = splash->GetHandle();
        const CBitmap* picture = screen.GetBitmap(handle, 900);
        ASSERT_NE(picture, nullptr);
        const WindowPort::SSize client = WindowPort::GetClientSize(handle);
        EXPECT_EQ(client.width, picture->GetWidth());
        EXPECT_EQ(client.height, picture->GetHeight());
        EXPECT_EQ(splash->GetTitle(), application.GetName());
        for (const auto& [x, y] : {std::pair{0, 0}, {client.width / 2, client.height / 3}, {client.width - 1, client.height - 1}}) {
            const uint32_t pixel = picture->GetPixel(x, y);
            EXPECT_EQ(WindowPort::GetPixel(handle, x, y), (SColour{uint8_t(pixel >> 16), uint8_t(pixel >> 8), uint8_t(pixel)}))
                << x << "," << y;
        }

        const uint32_t created = splash->GetCreationTicks();
        const size_t cached = screen.GetCachedCount();
        splash.reset();
        EXPECT_GE(CLowLevelApplication::GetTicks() - created, 15u);
        EXPECT_EQ(screen.GetCachedCount(), cached - 1);
    });
}

} // namespace
