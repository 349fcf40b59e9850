#include "platform/WindowPort.h"
#include "platform/qt/KeyTranslation.h"
#include "platform/qt/PortState.h"
#include "platform/qt/PortWindow.h"
#include "tests/qt/PortTestSupport.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

using namespace WindowPort;

namespace {

QWidget* ControlWidget(ControlHandle control)
{
    return CPortState::Get().FindControl(control)->widget.data();
}

std::vector<SMessage> MessagesOf(EMessage kind)
{
    std::vector<SMessage> found;
    for (const SMessage& message : DrainMessages()) {
        if (message.kind == kind)
            found.push_back(message);
    }
    return found;
}

TEST(PortWindowTest, OuterAndClientRectanglesDifferByTheFrame)
{
    SWindowStyle style;
    style.sizingFrame = true;
    const SFrameMetrics frame = GetFrameMetrics(style);
    EXPECT_GT(frame.top, frame.left) << "the caption is part of the top";
    const WindowHandle window = CreateWindow(style, "Title", {50, 60, 410, 460}, 0);
    EXPECT_EQ(GetClientSize(window).width, 360 - frame.left - frame.right);
    EXPECT_EQ(GetClientSize(window).height, 400 - frame.top - frame.bottom);
    const SRect outer = GetOuterRect(window);
    EXPECT_EQ(outer.left, 50);
    EXPECT_EQ(outer.top, 60);
    EXPECT_EQ(outer.right, 410);
    EXPECT_EQ(outer.bottom, 460);
    EXPECT_EQ(GetTitle(window), "Title");
    EXPECT_FALSE(IsVisible(window));
    DestroyWindow(window);
    DrainMessages();
}

// A new size keeps the old pixels, paints the new part in the face colour and
// reports the new client size through the queue.
TEST(PortWindowTest, ResizeKeepsPixelsAndQueuesTheSize)
{
    CTestWindow window(20, 10);
    FillRect(window.Get(), {0, 0, 20, 10}, {1, 2, 3}, EMix::kCopy);
    DrainMessages();
    SRect outer = GetOuterRect(window.Get());
    outer.right += 10;
    SetOuterRect(window.Get(), outer);
    EXPECT_EQ(GetClientSize(window.Get()).width, 30);
    EXPECT_EQ(GetPixel(window.Get(), 19, 9), (SColour{1, 2, 3}));
    EXPECT_EQ(GetPixel(window.Get(), 20, 9), GetSystemColour(ESystemColour::kFace3D));
    const std::vector<SMessage> sizes = MessagesOf(EMessage::kSize);
    ASSERT_EQ(sizes.size(), 1u);
    EXPECT_EQ(sizes[0].size.width, 30);
    EXPECT_EQ(sizes[0].size.height, 10);
}

TEST(PortWindowTest, PushButtonClickIsACommand)
{
    CTestWindow window(200, 100);
    const ControlHandle button = CreateControl(window.Get(), EControlKind::kPushButton, {10, 10, 90, 33}, "OK");
    ASSERT_NE(button, 0u);
    SetDefaultButton(button, true);
    EXPECT_TRUE(static_cast<QPushButton*>(ControlWidget(button))->isDefault());
    EXPECT_EQ(ControlWidget(button)->geometry(), QRect(10, 10, 80, 23));
    DrainMessages();
    QTest::mouseClick(ControlWidget(button), Qt::LeftButton);
    const std::vector<SMessage> commands = MessagesOf(EMessage::kCommand);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].window, window.Get());
    EXPECT_EQ(commands[0].control, button);
    DestroyControl(button);
    EXPECT_EQ(CPortState::Get().FindControl(button), nullptr);
}

// The scroll bar reports what the user did; its position is the framework's to set.
TEST(PortWindowTest, ScrollBarReportsActionsAndStaysPut)
{
    CTestWindow window(200, 100);
    const ControlHandle bar =
        CreateControl(window.Get(), EControlKind::kVerticalScrollBar, {180, 0, 196, 100}, "");
    SetControlRange(bar, 0, 50);
    SetControlValue(bar, 20);
    DrainMessages();
    auto* scrollBar = static_cast<QScrollBar*>(ControlWidget(bar));
    const std::pair<QAbstractSlider::SliderAction, EScrollCode> actions[] = {
        {QAbstractSlider::SliderSingleStepAdd, EScrollCode::kLineDown},
        {QAbstractSlider::SliderSingleStepSub, EScrollCode::kLineUp},
        {QAbstractSlider::SliderPageStepAdd, EScrollCode::kPageDown},
        {QAbstractSlider::SliderPageStepSub, EScrollCode::kPageUp},
        {QAbstractSlider::SliderToMinimum, EScrollCode::kTop},
        {QAbstractSlider::SliderToMaximum, EScrollCode::kBottom},
    };
    for (const auto& [action, code] : actions) {
        scrollBar->triggerAction(action);
        const std::vector<SMessage> scrolls = MessagesOf(EMessage::kScroll);
        ASSERT_EQ(scrolls.size(), 1u);
        EXPECT_EQ(scrolls[0].scrollCode, code);
        EXPECT_EQ(scrolls[0].control, bar);
        EXPECT_EQ(GetControlValue(bar), 20);
    }
    SetControlValue(bar, 35);
    EXPECT_EQ(GetControlValue(bar), 35);
}

// Keys that reach a focused control are the framework's all the same.
TEST(PortWindowTest, FocusedControlHandsKeysToItsWindow)
{
    CTestWindow window(200, 100);
    const ControlHandle button = CreateControl(window.Get(), EControlKind::kPushButton, {0, 0, 80, 20}, "Go");
    FocusControl(button);
    DrainMessages();
    QTest::keyClick(ControlWidget(button), Qt::Key_Escape);
    const std::vector<SMessage> keys = MessagesOf(EMessage::kKeyDown);
    ASSERT_EQ(keys.size(), 1u);
    EXPECT_EQ(keys[0].window, window.Get());
    EXPECT_EQ(keys[0].virtualKey, 27u);
    EXPECT_TRUE(MessagesOf(EMessage::kCommand).empty());
}

TEST(KeyTranslationTest, KeysTakeTheOriginalNumbers)
{
    struct SCase {
        int qtKey;
        bool keypad;
        uint32_t virtualKey;
        char character;
        bool extended;
    };
    const SCase cases[] = {
        {Qt::Key_Return, false, 13, 13, false}, {Qt::Key_Enter, true, 13, 13, true},
        {Qt::Key_Escape, false, 27, 27, false}, {Qt::Key_Q, false, 'Q', 'Q', false},
        {Qt::Key_7, false, '7', '7', false},    {Qt::Key_7, true, 103, '7', false},
        {Qt::Key_Exclam, false, '1', '1', false}, {Qt::Key_Question, false, 0xBF, '/', false},
        {Qt::Key_F1, false, 112, 0, false},     {Qt::Key_F12, false, 123, 0, false},
        {Qt::Key_Delete, false, 46, 0, true},   {Qt::Key_Delete, true, 46, 0, false},
        {Qt::Key_Left, false, 37, 0, true},     {Qt::Key_Slash, true, 111, '/', true},
        {Qt::Key_Tab, false, 9, 9, false},      {Qt::Key_unknown, false, 0, 0, false},
    };
    for (const SCase& test : cases) {
        const SVirtualKey key = TranslateKey(test.qtKey, test.keypad);
        EXPECT_EQ(key.virtualKey, test.virtualKey) << std::hex << test.qtKey;
        EXPECT_EQ(key.character, test.character) << std::hex << test.qtKey;
        EXPECT_EQ(key.extended, test.extended) << std::hex << test.qtKey;
    }
}

} // namespace

namespace {

// Activation is the window manager's to grant, and its word may come late, so
// the test waits for the messages in whatever order they come.
TEST(PortWindowStateTest, ActivationAndStayOnTop)
{
    CTestWindow window(50, 50);
    CTestWindow other(50, 50);
    Activate(other.Get());
    std::vector<SMessage> taken;
    ASSERT_TRUE(WaitForMessage(
        [&](const SMessage& m) { return m.kind == EMessage::kActivate && m.window == other.Get(); }, taken));
    Activate(window.Get());
    bool activated = false;
    bool deactivated = false;
    EXPECT_TRUE(WaitForMessage(
        [&](const SMessage& m) {
            activated |= m.kind == EMessage::kActivate && m.window == window.Get();
            deactivated |= m.kind == EMessage::kDeactivate && m.window == other.Get();
            return activated && deactivated;
        },
        taken));
    EXPECT_EQ(GetActiveWindow(), window.Get());
    SetStayOnTop(window.Get(), true);
    EXPECT_TRUE(IsVisible(window.Get()));
    Enable(window.Get(), false);
    EXPECT_FALSE(IsEnabled(window.Get()));
    Hide(window.Get());
    EXPECT_FALSE(IsVisible(window.Get()));
}

// The busy cursor covers the whole program, once however often it is asked for.
TEST(PortWindowStateTest, BusyCursorComesAndGoes)
{
    SetCursor(ECursor::kBusy);
    SetCursor(ECursor::kBusy);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    SetCursor(ECursor::kArrow);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

} // namespace
