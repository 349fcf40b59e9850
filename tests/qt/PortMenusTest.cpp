#include "platform/WindowPort.h"
#include "platform/qt/PortState.h"
#include "platform/qt/PortWindow.h"
#include "tests/qt/PortTestSupport.h"

#include <QApplication>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace WindowPort;

namespace {

SMenuItemState Item(const char* text, uint32_t id, bool enabled = true)
{
    SMenuItemState item;
    item.text = text;
    item.id = id;
    item.enabled = enabled;
    return item;
}

SMenuItemState Separator()
{
    SMenuItemState item;
    item.separator = true;
    return item;
}

// A file menu of Open, a separator and Quit.
class PortMenusTest : public testing::Test {
protected:
    void SetUp() override
    {
        mMenu = CreatePopupMenu();
        ASSERT_NE(mMenu, 0u);
        ASSERT_TRUE(InsertMenuItem(mMenu, 0, Item("Open\tCtrl+O", 51200)));
        ASSERT_TRUE(InsertMenuItem(mMenu, 1, Separator()));
        ASSERT_TRUE(InsertMenuItem(mMenu, 2, Item("Quit\tCtrl+Q", 51202)));
        SetWindowProcedure([this](const SMessage& message) {
            if (message.kind == EMessage::kInitMenu)
                mInitialised.push_back(message.window);
            return 0;
        });
    }
    void TearDown() override
    {
        DestroyMenu(mMenu);
        SetWindowProcedure(nullptr);
    }

    MenuHandle mMenu = 0;
    std::vector<WindowHandle> mInitialised;
};

// Presses the keys in the pop-up that opens next, once it is up.
void PressInNextPopup(std::vector<Qt::Key> keys)
{
    QTimer::singleShot(0, [keys] {
        QWidget* popup = QApplication::activePopupWidget();
        ASSERT_NE(popup, nullptr);
        for (Qt::Key key : keys)
            QTest::keyClick(popup, key);
    });
}

} // namespace

TEST_F(PortMenusTest, ItemsReadBackAsSet)
{
    EXPECT_EQ(GetMenuItemCount(mMenu), 3);
    SMenuItemState item;
    ASSERT_TRUE(GetMenuItem(mMenu, 0, item));
    EXPECT_EQ(item.text, "Open\tCtrl+O");
    EXPECT_EQ(item.id, 51200u);
    EXPECT_TRUE(item.enabled);
    EXPECT_FALSE(item.checked);
    ASSERT_TRUE(GetMenuItem(mMenu, 1, item));
    EXPECT_TRUE(item.separator);

    SMenuItemState changed = Item("Quit now", 7, false);
    changed.checked = true;
    ASSERT_TRUE(SetMenuItem(mMenu, 2, changed));
    ASSERT_TRUE(GetMenuItem(mMenu, 2, item));
    EXPECT_EQ(item.text, "Quit now");
    EXPECT_FALSE(item.enabled);
    EXPECT_TRUE(item.checked);
    EXPECT_EQ(item.id, 7u);

    RemoveMenuItem(mMenu, 1);
    EXPECT_EQ(GetMenuItemCount(mMenu), 2);
    EXPECT_FALSE(GetMenuItem(mMenu, 2, item));
    EXPECT_FALSE(InsertMenuItem(mMenu, 3, Item("past the end", 1)));
    EXPECT_FALSE(InsertMenuItem(0, 0, Item("no menu", 1)));
    EXPECT_EQ(GetMenuItemCount(12345), 0);
}

TEST_F(PortMenusTest, PopUpReturnsTheChosenItemAfterInitialising)
{
    CTestWindow window;
    PressInNextPopup({Qt::Key_Down, Qt::Key_Down, Qt::Key_Return}); // the separator is passed over
    EXPECT_EQ(TrackPopupMenu(mMenu, ClientToScreen(window.Get(), {10, 10}), window.Get()), 51202u);
    EXPECT_EQ(mInitialised, std::vector<WindowHandle>{window.Get()});

    PressInNextPopup({Qt::Key_Escape});
    EXPECT_EQ(TrackPopupMenu(mMenu, ClientToScreen(window.Get(), {10, 10}), window.Get()), 0u);
}

TEST_F(PortMenusTest, BarMenusInitialiseThenPostTheirCommand)
{
    CTestWindow window(200, 120);
    const MenuHandle bar = CreateMenuBar();
    ASSERT_TRUE(AppendMenuToBar(bar, mMenu, "File"));
    SetWindowMenuBar(window.Get(), bar);
    EXPECT_EQ(GetWindowMenuBar(window.Get()), bar);

    auto* widget = CPortState::Get().FindWindow(window.Get())->findChild<QMenuBar*>();
    ASSERT_NE(widget, nullptr);
    ASSERT_EQ(widget->actions().size(), 1);
    EXPECT_EQ(widget->actions().front()->text().toStdString(), "File");

    PressInNextPopup({Qt::Key_Down, Qt::Key_Return});
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->actionGeometry(widget->actions().front()).center());
    EXPECT_EQ(mInitialised, std::vector<WindowHandle>{window.Get()});
    std::vector<SMessage> taken;
    ASSERT_TRUE(WaitForMessage([](const SMessage& m) { return m.kind == EMessage::kCommand; }, taken));
    EXPECT_EQ(taken.back().window, window.Get());
    EXPECT_EQ(taken.back().command, 51200u);

    SetWindowMenuBar(window.Get(), 0);
    EXPECT_EQ(GetWindowMenuBar(window.Get()), 0u);
    DestroyMenu(bar);
}

TEST_F(PortMenusTest, GrabShowsTheBarAboveTheBackingImage)
{
    CTestWindow window(200, 120);
    FillRect(window.Get(), {0, 0, 200, 120}, {255, 255, 255}, EMix::kCopy);
    SSize size;
    std::vector<uint32_t> plain = GrabClientArea(window.Get(), size);
    ASSERT_EQ(size.width, 200);
    ASSERT_EQ(size.height, 120);
    EXPECT_EQ(plain[5 * 200 + 5] & 0xFFFFFF, 0xFFFFFFu);

    const MenuHandle bar = CreateMenuBar();
    ASSERT_TRUE(AppendMenuToBar(bar, mMenu, "File"));
    SetWindowMenuBar(window.Get(), bar);
    std::vector<uint32_t> withBar = GrabClientArea(window.Get(), size);
    EXPECT_NE(withBar[2 * 200 + 150] & 0xFFFFFF, 0xFFFFFFu); // the bar's face, not the image
    EXPECT_EQ(withBar[119 * 200 + 150] & 0xFFFFFF, 0xFFFFFFu);
    DestroyMenu(bar);
    EXPECT_TRUE(GrabClientArea(0, size).empty());
    EXPECT_EQ(size.width, 0);
}
