#include "platform/WindowPort.h"
#include "platform/qt/PortState.h"
#include "platform/qt/PortWindow.h"
#include "tests/qt/PortTestSupport.h"

#include <QApplication>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include <algorithm>

using namespace WindowPort;

namespace {

QWidget* WidgetOf(WindowHandle window)
{
    return CPortState::Get().FindWindow(window);
}

bool IsKind(const SMessage& message, EMessage kind, WindowHandle window)
{
    return message.kind == kind && message.window == window;
}

// The window procedure for one test: records what it is sent, answers `answer`.
class CRecordingProcedure {
public:
    explicit CRecordingProcedure(std::function<int32_t(const SMessage&)> answer = {}) : mAnswer(std::move(answer))
    {
        SetWindowProcedure([this](const SMessage& message) {
            mMessages.push_back(message);
            return mAnswer ? mAnswer(message) : 1;
        });
    }
    ~CRecordingProcedure() { SetWindowProcedure({}); }
    const std::vector<SMessage>& Messages() const { return mMessages; }

private:
    std::function<int32_t(const SMessage&)> mAnswer;
    std::vector<SMessage> mMessages;
};

// A quit message is handed out like any other: the windows and the queue go on.
TEST(PortMessagesTest, QuitMessageEndsNothingByItself)
{
    CTestWindow window;
    DrainMessages();
    PostQuitMessage();
    SMessage posted;
    posted.kind = EMessage::kCommand;
    posted.window = window.Get();
    posted.command = 7;
    PostMessage(posted);

    SMessage message;
    EXPECT_FALSE(GetMessage(message));
    EXPECT_EQ(message.kind, EMessage::kQuit);
    EXPECT_TRUE(IsWindow(window.Get()));
    ASSERT_TRUE(GetMessage(message));
    EXPECT_EQ(message.kind, EMessage::kCommand);
    EXPECT_EQ(message.command, 7u);
}

TEST(PortMessagesTest, TimersTickForTheirWindowAndForTheApplication)
{
    CTestWindow window;
    EXPECT_EQ(SetTimer(window.Get(), 5), window.Get());
    const uint32_t application = SetTimer(0, 5);
    EXPECT_NE(application, 0u);
    std::vector<SMessage> taken;
    EXPECT_TRUE(WaitForMessage([&](const SMessage& m) { return IsKind(m, EMessage::kTimer, window.Get()); }, taken));
    EXPECT_EQ(taken.back().timer, window.Get());
    EXPECT_TRUE(WaitForMessage([&](const SMessage& m) { return IsKind(m, EMessage::kTimer, 0); }, taken));
    EXPECT_EQ(taken.back().timer, application);
    KillTimer(0, application);
    KillTimer(window.Get(), window.Get());
    EXPECT_EQ(SetTimer(12345, 5), 0u) << "no such window";
}

// A killed timer's waiting tick goes, and no other comes: a second timer ticks
// three times meanwhile.
TEST(PortMessagesTest, KilledTimerTicksNoMore)
{
    CTestWindow window;
    const uint32_t killed = SetTimer(0, 1);
    const uint32_t other = SetTimer(0, 5);
    std::vector<SMessage> taken;
    ASSERT_TRUE(WaitForMessage([&](const SMessage& m) { return m.kind == EMessage::kTimer && m.timer == killed; },
                               taken));
    KillTimer(0, killed);
    taken.clear();
    for (int tick = 0; tick < 3; ++tick)
        ASSERT_TRUE(WaitForMessage([&](const SMessage& m) { return m.kind == EMessage::kTimer && m.timer == other; },
                                   taken));
    EXPECT_TRUE(std::none_of(taken.begin(), taken.end(), [&](const SMessage& m) { return m.timer == killed; }));
    KillTimer(0, other);
}

// However long nobody takes them, one tick per timer waits.
TEST(PortMessagesTest, OneTickWaitsPerTimer)
{
    CTestWindow window;
    SetTimer(window.Get(), 1);
    const uint32_t start = GetTickCount();
    while (GetTickCount() - start < 30)
        QApplication::processEvents();
    const std::vector<SMessage> taken = DrainMessages();
    EXPECT_EQ(std::count_if(taken.begin(), taken.end(),
                            [&](const SMessage& m) { return IsKind(m, EMessage::kTimer, window.Get()); }),
              1);
    KillTimer(window.Get(), window.Get());
}

TEST(PortMessagesTest, InvalidatedPartsComeAsOnePaint)
{
    CTestWindow window(100, 60);
    DrainMessages();
    Invalidate(window.Get(), {0, 0, 5, 5});
    Invalidate(window.Get(), {10, 10, 20, 20});
    Invalidate(window.Get(), {90, 50, 200, 200});
    SMessage message;
    ASSERT_TRUE(PeekMessage(message, ERemove::kNo));
    ASSERT_TRUE(PeekMessage(message, ERemove::kYes));
    EXPECT_EQ(message.kind, EMessage::kPaint);
    EXPECT_EQ(message.area.left, 0);
    EXPECT_EQ(message.area.top, 0);
    EXPECT_EQ(message.area.right, 100);
    EXPECT_EQ(message.area.bottom, 60);
    EXPECT_FALSE(PeekMessage(message, ERemove::kYes));
}

TEST(PortMessagesTest, HiddenWindowPaintsWhenShown)
{
    CTestWindow window(50, 40, false);
    Invalidate(window.Get());
    for (const SMessage& message : DrainMessages())
        EXPECT_NE(message.kind, EMessage::kPaint);
    Show(window.Get());
    std::vector<SMessage> taken;
    EXPECT_TRUE(WaitForMessage([&](const SMessage& m) { return IsKind(m, EMessage::kPaint, window.Get()); }, taken));
    EXPECT_EQ(taken.back().area.right, 50);
    EXPECT_EQ(taken.back().area.bottom, 40);
}

TEST(PortMessagesTest, InputComesInOrderWithTimeStamps)
{
    CTestWindow window(100, 60);
    DrainMessages();
    QWidget* widget = WidgetOf(window.Get());
    const uint32_t before = GetTickCount();
    QTest::mousePress(widget, Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 20));
    QTest::mouseMove(widget, QPoint(30, 40));
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, QPoint(31, 41));
    QTest::keyPress(widget, Qt::Key_A);
    QTest::keyRelease(widget, Qt::Key_A);
    QTest::keyPress(widget, Qt::Key_Enter, Qt::KeypadModifier);

    std::vector<SMessage> input;
    for (const SMessage& message : DrainMessages()) {
        if (message.kind != EMessage::kPaint && message.kind != EMessage::kActivate &&
            message.kind != EMessage::kDeactivate)
            input.push_back(message);
    }
    ASSERT_EQ(input.size(), 6u);
    const EMessage kinds[] = {EMessage::kMouseDown, EMessage::kMouseMove, EMessage::kMouseUp,
                              EMessage::kKeyDown,   EMessage::kKeyUp,     EMessage::kKeyDown};
    for (size_t i = 0; i < input.size(); ++i) {
        EXPECT_EQ(input[i].kind, kinds[i]) << i;
        EXPECT_EQ(input[i].window, window.Get());
        EXPECT_GE(input[i].time - before, 0u);
        EXPECT_LE(input[i].time - before, 5000u);
        if (i > 0) {
            EXPECT_GE(input[i].time, input[i - 1].time);
        }
    }
    EXPECT_EQ(input[0].point.x, 10);
    EXPECT_EQ(input[0].point.y, 20);
    EXPECT_EQ(input[0].keyFlags & kKeyFlagShift, kKeyFlagShift);
    EXPECT_EQ(input[1].point.x, 30);
    EXPECT_EQ(input[2].point.y, 41);
    EXPECT_EQ(input[3].virtualKey, 'A');
    EXPECT_EQ(input[3].character, 'A');
    EXPECT_EQ(input[5].virtualKey, 13u);
    EXPECT_TRUE(input[5].extended);
}

// The window manager's close box only asks; the window stays until the
// framework destroys it, and kDestroy reaches the procedure before that returns.
TEST(PortMessagesTest, CloseAsksAndDestroyIsSentAtOnce)
{
    CRecordingProcedure procedure;
    CTestWindow window;
    DrainMessages();
    WidgetOf(window.Get())->close();
    std::vector<SMessage> taken;
    EXPECT_TRUE(WaitForMessage([&](const SMessage& m) { return IsKind(m, EMessage::kClose, window.Get()); }, taken));
    EXPECT_TRUE(IsVisible(window.Get()));

    SWindowStyle style;
    const WindowHandle other = CreateWindow(style, "other", {0, 0, 50, 50}, 0);
    SMessage pending;
    pending.kind = EMessage::kCommand;
    pending.window = other;
    PostMessage(pending);
    DestroyWindow(other);
    ASSERT_FALSE(procedure.Messages().empty());
    EXPECT_TRUE(IsKind(procedure.Messages().back(), EMessage::kDestroy, other));
    EXPECT_FALSE(IsWindow(other));
    for (const SMessage& message : DrainMessages())
        EXPECT_NE(message.window, other) << "a destroyed window's messages go with it";
}

TEST(PortMessagesTest, SessionEndStopsAtTheFirstRefusal)
{
    CTestWindow first;
    CTestWindow refusing;
    CTestWindow last;
    CRecordingProcedure procedure([&](const SMessage& m) { return m.window == refusing.Get() ? 0 : 1; });
    EXPECT_FALSE(QueryEndSession());
    ASSERT_EQ(procedure.Messages().size(), 2u);
    EXPECT_TRUE(IsKind(procedure.Messages()[0], EMessage::kQueryEndSession, first.Get()));
    EXPECT_TRUE(IsKind(procedure.Messages()[1], EMessage::kQueryEndSession, refusing.Get()));
}

TEST(PortMessagesTest, DroppedPathsComeInTheirOrder)
{
    CTestWindow window;
    AcceptDrops(window.Get(), true);
    DrainMessages();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile("/tmp/My Mod"), QUrl::fromLocalFile("/tmp/b.jpg")});
    QDragEnterEvent enter(QPoint(5, 6), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(WidgetOf(window.Get()), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 6), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(WidgetOf(window.Get()), &drop);
    std::vector<SMessage> taken;
    ASSERT_TRUE(
        WaitForMessage([&](const SMessage& m) { return IsKind(m, EMessage::kDropFiles, window.Get()); }, taken));
    EXPECT_EQ(taken.back().paths, (std::vector<std::string>{"/tmp/My Mod", "/tmp/b.jpg"}));
}

TEST(PortMessagesTest, CaptureChangesAreReported)
{
    CTestWindow first;
    CTestWindow second;
    DrainMessages();
    SetCapture(first.Get());
    SetCapture(second.Get());
    EXPECT_EQ(GetCapture(), second.Get());
    ReleaseCapture();
    EXPECT_EQ(GetCapture(), 0u);
    std::vector<SMessage> changes;
    for (const SMessage& message : DrainMessages()) {
        if (message.kind == EMessage::kCaptureChanged)
            changes.push_back(message);
    }
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[0].window, first.Get());
    EXPECT_EQ(changes[0].otherWindow, second.Get());
    EXPECT_EQ(changes[1].window, second.Get());
    EXPECT_EQ(changes[1].otherWindow, 0u);
}

} // namespace
