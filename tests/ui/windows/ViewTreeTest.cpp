// The view tree: dispatch through groups, hit testing, the shared references
// (view under the mouse, capture and tracking holders) and the keyboard focus.
#include "tests/ui/windows/UiTestSupport.h"
#include "ui/DocumentWindow.h"
#include "ui/GroupView.h"
#include "ui/View.h"
#include "ui/WindowGroupView.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// Writes every event it gets into the shared log as "name:event".
class CRecordingView : public CView {
public:
    CRecordingView(CGroupView* parent, const SViewRect& bounds, std::string name, std::vector<std::string>& log)
        : CView(parent, bounds), mName(std::move(name)), mLog(log)
    {
    }
    void Idle() override { Log("idle"); }
    void MouseDown(int16_t x, int16_t y) override
    {
        Log("down " + std::to_string(x) + "," + std::to_string(y));
        CView::MouseDown(x, y);
    }
    void DoubleClick(int16_t, int16_t) override { Log("double"); }
    void MouseEnter() override { Log("enter"); }
    void MouseLeave() override { Log("leave"); }
    void TrackingEnded() override { Log("tracking ended"); }
    void FocusGained() override { Log("focus gained"); }
    void FocusLost() override { Log("focus lost"); }

private:
    void Log(const std::string& event) { mLog.push_back(mName + ":" + event); }

    std::string mName;
    std::vector<std::string>& mLog;
};

using Log = std::vector<std::string>;

TEST(ViewTree, OverlappingChildrenBothGetAPressInListOrder)
{
    Log log;
    CGroupView group(nullptr, {0, 0, 100, 100});
    CRecordingView a(&group, {10, 10, 50, 50}, "a", log);
    CRecordingView b(&group, {30, 30, 80, 80}, "b", log);
    CRecordingView c(&group, {60, 0, 100, 20}, "c", log);

    group.MouseDown(40, 40);
    group.DoubleClick(45, 35);
    group.MouseDown(100, 10); // right edge: outside the group
    EXPECT_EQ(log, (Log{"a:down 40,40", "b:down 40,40", "a:double", "b:double"}));
}

TEST(ViewTree, GroupWithoutIdlePassesNoIdleToItsChildren)
{
    Log log;
    CGroupView group(nullptr, {0, 0, 10, 10});
    CRecordingView wanting(&group, {0, 0, 5, 5}, "wanting", log);
    CRecordingView other(&group, {0, 0, 5, 5}, "other", log);
    wanting.SetWantsIdle(true);

    group.Idle();
    EXPECT_EQ(log, (Log{"wanting:idle"}));
    group.SetWantsIdle(false);
    group.Idle();
    EXPECT_EQ(log, (Log{"wanting:idle"}));
}

TEST(ViewTree, HitTestFindsTheDeepestViewAlongTheFirstContainingChild)
{
    Log log;
    CGroupView root(nullptr, {0, 0, 100, 100});
    CGroupView first(&root, {0, 0, 50, 50});
    CGroupView inner(&first, {10, 10, 40, 40});
    CRecordingView leaf(&inner, {20, 20, 30, 30}, "leaf", log);
    CRecordingView later(&root, {0, 0, 100, 100}, "later", log); // also holds every point, but comes second

    EXPECT_EQ(root.HitTest(25, 25), &leaf);
    EXPECT_EQ(root.HitTest(15, 15), &inner);
    EXPECT_EQ(root.HitTest(45, 45), &first);
    EXPECT_EQ(root.HitTest(75, 75), &later);
    EXPECT_EQ(root.HitTest(100, 5), nullptr); // outside the root: its parent, none
    EXPECT_EQ(leaf.HitTest(5, 5), &inner);    // a view answers its parent for a point outside it
}

TEST(ViewTree, AChildThatIsDeletedLeavesItsGroup)
{
    Log log;
    CGroupView group(nullptr, {0, 0, 100, 100});
    auto gone = std::make_unique<CRecordingView>(&group, SViewRect{0, 0, 50, 50}, "gone", log);
    CRecordingView kept(&group, {0, 0, 50, 50}, "kept", log);
    gone.reset();
    group.MouseDown(10, 10);
    EXPECT_EQ(log, (Log{"kept:down 10,10"}));
    EXPECT_EQ(group.GetChildCount(), 1u);

    // And children outlive a group deleted first.
    auto parent = std::make_unique<CGroupView>(nullptr, SViewRect{0, 0, 10, 10});
    CRecordingView orphan(parent.get(), {0, 0, 5, 5}, "orphan", log);
    parent.reset();
    EXPECT_EQ(orphan.GetParent(), nullptr);
}

TEST(ViewTree, ViewUnderTheMouseGetsEnterAndLeaveAndForgetsADeletedView)
{
    Log log;
    CGroupView root(nullptr, {0, 0, 100, 100});
    CRecordingView a(&root, {0, 0, 10, 10}, "a", log);
    auto b = std::make_unique<CRecordingView>(&root, SViewRect{10, 0, 20, 10}, "b", log);

    CView::SetViewUnderMouse(&a);
    CView::SetViewUnderMouse(&a);
    CView::SetViewUnderMouse(b.get());
    EXPECT_EQ(log, (Log{"a:enter", "a:leave", "b:enter"}));
    b.reset();
    EXPECT_EQ(CView::GetViewUnderMouse(), nullptr);
}

// Views in a real window, inside a running application.
TEST(ViewTree, CaptureGoesToOneViewAtATimeAndADeletedHolderReleasesIt)
{
    RunInApplication([](CTestApplication& application) {
        Log log;
        CDocumentWindow window(0, "capture");
        CRecordingView first(&window.GetRootView(), {0, 0, 10, 10}, "first", log);
        auto second = std::make_unique<CRecordingView>(&window.GetRootView(), SViewRect{0, 0, 10, 10}, "second", log);

        ASSERT_TRUE(second->TrackMouse());
        EXPECT_EQ(CView::GetCaptureView(), second.get());
        EXPECT_EQ(WindowPort::GetCapture(), window.GetHandle());
        EXPECT_EQ(application.GetContinuousIdleCount(), 1);

        EXPECT_FALSE(first.TrackMouse());
        EXPECT_EQ(CView::GetCaptureView(), second.get());
        EXPECT_EQ(application.GetContinuousIdleCount(), 1);

        second.reset();
        EXPECT_EQ(CView::GetCaptureView(), nullptr);
        EXPECT_EQ(WindowPort::GetCapture(), 0u);
        EXPECT_EQ(application.GetContinuousIdleCount(), 0);

        // The capture going to another window is a loss for the holder.
        ASSERT_TRUE(first.TrackMouse());
        WindowPort::SMessage changed;
        changed.kind = WindowPort::EMessage::kCaptureChanged;
        changed.window = window.GetHandle();
        changed.otherWindow = 0;
        application.DispatchOne(changed);
        EXPECT_EQ(CView::GetCaptureView(), nullptr);
        EXPECT_EQ(application.GetContinuousIdleCount(), 0);
        EXPECT_EQ(log, (Log{"first:tracking ended"}));
    });
}

TEST(ViewTree, TrackingOnlyForAViewOfTheActiveWindowAndLostOnDeactivation)
{
    RunInApplication([](CTestApplication& application) {
        Log log;
        CDocumentWindow window(0, "tracking");
        CRecordingView first(&window.GetRootView(), {0, 0, 10, 10}, "first", log);
        CRecordingView second(&window.GetRootView(), {0, 0, 10, 10}, "second", log);
        EXPECT_FALSE(first.BeginTracking()); // hidden, so not active

        window.Open({100, 100, 300, 300});
        WindowPort::Activate(window.GetHandle());
        ASSERT_TRUE(PumpUntil(application, [] { return WindowPort::GetActiveWindow() != 0; }));
        ASSERT_TRUE(first.BeginTracking());
        EXPECT_FALSE(second.BeginTracking());
        EXPECT_EQ(CView::GetTrackingView(), &first);

        window.Deactivated();
        EXPECT_EQ(CView::GetTrackingView(), nullptr);
        EXPECT_EQ(application.GetContinuousIdleCount(), 0);
        EXPECT_EQ(log, (Log{"first:tracking ended"}));
    });
}

TEST(ViewTree, FocusGoesOnlyToViewsThatAcceptItAndForgetsADeletedView)
{
    RunInApplication([](CTestApplication&) {
        Log log;
        CDocumentWindow window(0, "focus");
        CRecordingView plain(&window.GetRootView(), {0, 0, 10, 10}, "plain", log);
        CRecordingView first(&window.GetRootView(), {20, 0, 30, 10}, "first", log);
        auto second = std::make_unique<CRecordingView>(&window.GetRootView(), SViewRect{40, 0, 50, 10}, "second", log);
        first.SetAcceptsFocus(true);
        second->SetAcceptsFocus(true);

        window.MouseDown(5, 5); // a press asks for the focus; this view does not take it
        EXPECT_EQ(window.GetFocusView(), nullptr);
        window.MouseDown(25, 5);
        window.SetFocusView(second.get());
        EXPECT_EQ(window.GetFocusView(), second.get());
        second.reset();
        EXPECT_EQ(window.GetFocusView(), nullptr);
        window.SetFocusView(&first);
        window.SetFocusView(nullptr);
        EXPECT_EQ(log, (Log{"plain:down 5,5", "first:down 25,5", "first:focus gained", "first:focus lost",
                            "second:focus gained", "first:focus gained", "first:focus lost"}));
    });
}

} // namespace
