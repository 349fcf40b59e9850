#pragma once

#include "platform/WindowPort.h"

#include <QImage>
#include <QWidget>

#include <string>
#include <utility>

// One top-level window of the framework: a plain widget whose client area shows
// a backing image. The framework draws into the image at any time; a repaint
// only copies the image, so uncovering a window costs no drawing of the
// framework's. Every platform event becomes a message in the port's queue.
class CPortWindow : public QWidget {
public:
    CPortWindow(WindowPort::WindowHandle handle, const WindowPort::SWindowStyle& style, QWidget* owner);

    WindowPort::WindowHandle GetHandle() const { return mHandle; }
    const WindowPort::SWindowStyle& GetStyle() const { return mStyle; }
    // False when the window is already on its way out (kDestroy may destroy again).
    bool BeginDestroy() { return !std::exchange(mDestroying, true); }
    void SetTitleText(const std::string& title);
    const std::string& GetTitleText() const { return mTitle; }

    QImage& GetBacking() { return mBacking; }
    // Follows a new client size: the old pixels stay where they were, new ones
    // take the face colour, everything is invalid, and a kSize message is queued.
    void ResizeBacking(QSize size);

    // Parts of the client area waiting for the framework's kPaint.
    void Invalidate(const WindowPort::SRect& area);
    WindowPort::SRect GetInvalidArea() const { return mInvalid; }
    void Validate() { mInvalid = {}; }

    void SetClip(const WindowPort::SRect& clip) { mClip = clip; mClipped = true; }
    void ResetClip() { mClipped = false; }
    WindowPort::SRect GetClip() const;

    // After drawing into the backing image: counts the call and asks the platform
    // to show the changed pixels.
    void Drawn(const WindowPort::SRect& area);
    WindowPort::SPaintCounts GetPaintCounts() const { return mCounts; }

    // A disabled window takes no input, yet the windows it owns (Qt children
    // of its widget) stay usable: Qt's own disabling would take them along,
    // leaving a modal alert over its owner dead to keys and clicks.
    void SetInputEnabled(bool enabled);
    bool IsInputEnabled() const { return mInputEnabled; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // Tab is a key for the framework, not a move between Qt's focus chain.
    bool focusNextPrevChild(bool) override { return false; }

private:
    void PostMouse(WindowPort::EMessage kind, QMouseEvent* event);
    void Post(WindowPort::EMessage kind);

    WindowPort::WindowHandle mHandle = 0;
    WindowPort::SWindowStyle mStyle;
    std::string mTitle;
    QImage mBacking;
    WindowPort::SRect mInvalid;
    WindowPort::SRect mClip;
    bool mClipped = false;
    WindowPort::SPaintCounts mCounts;
    bool mDestroying = false;
    bool mInputEnabled = true;
};

// Posts the key event as a kKeyDown or kKeyUp of the window: the window's own
// keys, and those of its native controls, which leave the keys to the framework.
void PostKeyMessage(WindowPort::WindowHandle window, QKeyEvent* event);
