#pragma once

#include "platform/WindowPort.h"
#include "ui/ViewGeometry.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class CCanvas;
class CDialogLayout;
struct SDialogLayoutItem;
struct CMenuItem;
class CView;
class CWindowBitmapLoader;
class CWindowGroupView;
struct CKeyEvent;

// Every top-level window of the framework: it owns one platform window and a
// root view that fills the client area, and forwards mouse, key, idle, drawing
// and layout events to that view tree. Windows stand in one framework-wide list
// (CWindowList). They are not deleted by their users but marked with Destroy;
// the application's idle pass deletes marked windows.
class CABCWindow {
public:
    // 0 document, 1 dialog (modal and modeless dialogs, alerts, progress
    // windows), 2 splash screen: decides the handling of close and destroy.
    enum class EKind : int32_t { kDocument = 0, kDialog = 1, kSplash = 2 };

    // Destroys the platform window and leaves the window list.
    virtual ~CABCWindow();
    CABCWindow(const CABCWindow&) = delete;
    CABCWindow& operator=(const CABCWindow&) = delete;

    // SetBounds(outer), HandleControls, UpdateControls, show, bring to the top.
    virtual void Open(const WindowPort::SRect& outer);
    virtual bool IsModeless() const { return true; }
    // A hook returning a number; the framework gives it no meaning.
    virtual int32_t NumberHook() { return 0; }
    virtual void MouseDown(int16_t x, int16_t y);
    virtual void DoubleClick(int16_t x, int16_t y);
    virtual void KeyEvent(const CKeyEvent& key);
    virtual void DoCommand(const CMenuItem& /*item*/) {}
    virtual void UpdateMenus() {}
    virtual void Idle();
    virtual void Draw(CCanvas& canvas);
    // Each view redraws what changed.
    virtual void UpdateControls();
    // The views read their controls' flags; dialogs override it to read their buttons.
    virtual void HandleControls();
    virtual bool CanClose() { return true; }
    virtual void Activated() {}
    // Tells the view holding active-window tracking, if it is one of ours, that it lost it.
    virtual void Deactivated();
    // Moves and sizes the platform window to `outer` (screen coordinates), gives
    // the root view the client area, then Layout.
    virtual void SetBounds(const WindowPort::SRect& outer);
    // Outer sizes in pixels.
    virtual void GetSizeLimits(WindowPort::SSize& minimum, WindowPort::SSize& maximum) const;
    virtual void Layout() {}
    // The frame around the client area: left plus right edge, and top (with the
    // caption) plus bottom edge. The outer size is the client size plus these.
    virtual int32_t GetFrameWidth() const;
    virtual int32_t GetFrameHeight() const;

    // Marks the window; the idle pass or the close protocol deletes it.
    void Destroy() { mMarkedForDeletion = true; }
    bool IsMarkedForDeletion() const { return mMarkedForDeletion; }
    // Destroy when CanClose agrees.
    void Close();
    // Opens the window at its layout's outer size, centred on the screen.
    void CentreOnScreen();
    // The outer rectangle of a client area of that size at `topLeft`.
    WindowPort::SRect OuterRectForClient(WindowPort::SPoint topLeft, WindowPort::SSize client) const;

    // The layout item's pixel rectangle, or none (also without a layout).
    std::optional<SViewRect> GetLayoutRect(uint16_t item) const;
    const CDialogLayout* GetLayout() const { return mLayout.get(); }
    // The layout item a dialog builds a view on: XBadFormat when the layout
    // lacks it (or the window has no layout), since the dialog cannot be made.
    const SDialogLayoutItem& GetLayoutItem(uint16_t item) const;

    void SetTitle(const std::string& title);
    std::string GetTitle() const;
    void Show();
    void Hide();
    void BringToFront();
    // The whole client area for an empty rectangle.
    void Invalidate(const SViewRect& area = {});

    // Focus goes only to a view that accepts it; none clears it. The old view
    // gets FocusLost, the new one FocusGained.
    void SetFocusView(CView* view);
    CView* GetFocusView() const { return mFocusView; }
    // A view of this window is being deleted: the focus forgets it, unnotified.
    void ViewDeleted(const CView* view);

    WindowPort::WindowHandle GetHandle() const { return mHandle; }
    CWindowGroupView& GetRootView() const { return *mRootView; }
    EKind GetKind() const { return mKind; }
    CWindowBitmapLoader& GetBitmapLoader() const { return *mBitmapLoader; }
    // A number no other window of this run has had; a window list lookup by it
    // cannot be fooled by a new window at a dead one's address.
    uint64_t GetSerial() const { return mSerial; }
    // 0 or 1: whether a modal window disabled this one.
    int16_t GetDisableCount() const { return mDisableCount; }

    // The window procedure's handling of one message for this window; the
    // answer matters for kQueryEndSession only.
    int32_t HandleMessage(const WindowPort::SMessage& message);

protected:
    // Creates the platform window hidden at `outer` and the root view, and starts
    // the idle timer. Document windows take dropped files and become the
    // application's main window. XBase when the platform makes no window.
    CABCWindow(EKind kind, const WindowPort::SWindowStyle& style, const std::string& title,
               const WindowPort::SRect& outer, CWindowBitmapLoader& loader);

    // The framework subclasses call it last in their constructors.
    void AddToWindowList();
    // Reads layout resource `id`; the title (or the application's name when it is
    // empty) becomes the window's, and the window takes the box's size.
    void ReadLayout(uint16_t id);
    // Modality: every other window not yet disabled is disabled. On the way out
    // every disabled window is enabled again, whatever disabled it.
    void DisableOtherWindows();
    void EnableOtherWindows();
    // The application's main window, or 0: dialogs stand above it.
    static WindowPort::WindowHandle GetOwnerForDialogs();

private:
    void HandleDestroy();
    void HandleClose();
    void HandlePaint(const WindowPort::SMessage& message);
    void HandleSize();
    void HandleActivate();
    void HandleDeactivate();
    void HandleCaptureChanged(const WindowPort::SMessage& message);
    void HandleCommand(const WindowPort::SMessage& message);
    void HandleScroll(const WindowPort::SMessage& message);
    void HandleDropFiles(const WindowPort::SMessage& message);
    int32_t HandleQueryEndSession();
    void HandleInitMenu();
    void HandleHelp(const WindowPort::SMessage& message);
    void StartIdleTimer(uint32_t milliseconds);
    friend class CApplication; // restarts the idle timers

    EKind mKind;
    WindowPort::SWindowStyle mStyle;
    CWindowBitmapLoader* mBitmapLoader; // the loader outlives its windows
    WindowPort::WindowHandle mHandle = 0;
    std::unique_ptr<CDialogLayout> mLayout;
    std::unique_ptr<CWindowGroupView> mRootView;
    CView* mFocusView = nullptr;
    bool mMarkedForDeletion = false;
    bool mInDestructor = false;
    int16_t mDisableCount = 0;
    uint64_t mSerial = 0;
};
