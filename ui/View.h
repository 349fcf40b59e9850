#pragma once

#include "ui/ViewGeometry.h"

#include <cstdint>
#include <string>

class CABCWindow;
class CCanvas;
class CGroupView;
struct CKeyEvent;

// Everything drawn inside a framework window: a rectangle in window client
// coordinates with overridable operations for drawing, mouse, keyboard, idle and
// control handling. A view is appended to its parent's children when it is made
// and lives until its creator deletes it; the parent never owns it.
//
// The framework keeps three shared references: the view under the mouse, the
// view holding the mouse capture and the view holding active-window tracking.
// Deleting a view clears every reference to it, its window's keyboard focus
// included, so nothing is left pointing at a dead view.
class CView {
public:
    // A small record of one text that views may hand around while dragging.
    class CDropping {
    public:
        virtual ~CDropping() = default;
        const std::string& GetText() const { return mText; }
        void SetText(const std::string& text) { mText = text; }

    private:
        std::string mText;
    };

    explicit CView(CGroupView* parent, const SViewRect& bounds = {});
    virtual ~CView();
    CView(const CView&) = delete;
    CView& operator=(const CView&) = delete;

    // The window the view draws in: its parent's, or none without a parent.
    virtual CABCWindow* GetWindow() const;
    virtual void Idle() {}
    // Asks the window to give this view the keyboard focus.
    virtual void MouseDown(int16_t x, int16_t y);
    virtual void DoubleClick(int16_t x, int16_t y) { MouseDown(x, y); }
    virtual void MouseUp(int16_t /*x*/, int16_t /*y*/) {}
    // The parent's cursor; at the root the arrow.
    virtual void AdjustCursor();
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}
    // The capture went elsewhere: the holder is cleared and tracking ends.
    virtual void CaptureLost();
    // Active-window tracking went elsewhere.
    virtual void TrackingLost();
    virtual void TrackingEnded() {}
    virtual void FocusGained() {}
    virtual void FocusLost() {}
    virtual void KeyEvent(const CKeyEvent& /*key*/) {}
    virtual void Draw(CCanvas& /*canvas*/) {}
    // Invalidates the bounds in the window, which repaints them through the queue.
    virtual void Invalidate();
    virtual void HandleControls() {}
    // Redraws what changed since the last drawing.
    virtual void Update() {}
    virtual void SetBounds(const SViewRect& bounds) { mBounds = bounds; }
    // A query and a hook the framework keeps for subclasses; nothing calls them here.
    virtual bool QueryHook() const { return false; }
    virtual void Hook() {}
    // This view when the point lies inside the bounds, else the parent (or none).
    virtual CView* HitTest(int16_t x, int16_t y);

    const SViewRect& GetBounds() const { return mBounds; }
    CGroupView* GetParent() const { return mParent; }
    bool WantsIdle() const { return mWantsIdle; }
    void SetWantsIdle(bool wantsIdle) { mWantsIdle = wantsIdle; }
    bool AcceptsFocus() const { return mAcceptsFocus; }
    void SetAcceptsFocus(bool acceptsFocus) { mAcceptsFocus = acceptsFocus; }
    bool IsEnabled() const { return mEnabled; }
    void SetEnabled(bool enabled) { mEnabled = enabled; }
    // 0 means the parent's topic.
    int32_t GetHelpTopic() const { return mHelpTopic; }
    void SetHelpTopic(int32_t topic) { mHelpTopic = topic; }
    // The topic that applies: the first non-zero one from here to the root.
    int32_t FindHelpTopic() const;

    // Takes the mouse capture unless another view holds it: the platform capture
    // goes to the view's window and the application idles continuously. False
    // when another view holds it (that view keeps it).
    bool TrackMouse();
    void ReleaseMouse();
    // Takes active-window tracking: only a view of the active framework window,
    // and only when no view holds it.
    bool BeginTracking();
    void EndTracking();

    // The shared references; null when no view holds them.
    static CView* GetViewUnderMouse();
    static CView* GetCaptureView();
    static CView* GetTrackingView();
    // The old view gets MouseLeave and the new one MouseEnter when they differ.
    static void SetViewUnderMouse(CView* view);

protected:
    // Called by the group when the view joins or leaves it.
    friend class CGroupView;
    void SetParent(CGroupView* parent) { mParent = parent; }
    // Whether the enabled state differs from the one last drawn; controls redraw then.
    bool EnabledChangedSinceDrawn() const { return mEnabled != mDrawnEnabled; }
    void SetDrawnEnabled() { mDrawnEnabled = mEnabled; }

private:
    SViewRect mBounds;
    CGroupView* mParent = nullptr;
    bool mWantsIdle = false;
    bool mAcceptsFocus = false;
    int32_t mHelpTopic = 0;
    bool mEnabled = true;
    bool mDrawnEnabled = true;
};
