#include "platform/qt/PortWindow.h"

#include "platform/qt/KeyTranslation.h"
#include "platform/qt/PortState.h"
#include "platform/qt/Raster.h"
#include "platform/qt/TextCodec.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QResizeEvent>
#include <QUrl>

#include <algorithm>

using WindowPort::EMessage;
using WindowPort::EWindowKind;
using WindowPort::SMessage;
using WindowPort::SRect;
using WindowPort::SWindowStyle;
using WindowPort::WindowHandle;

namespace {

Qt::WindowFlags FlagsFor(const SWindowStyle& style)
{
    if (style.kind == EWindowKind::kSplash)
        return Qt::SplashScreen | Qt::FramelessWindowHint;
    Qt::WindowFlags flags = style.kind == EWindowKind::kDialog ? Qt::Dialog : Qt::Window;
    flags |= Qt::CustomizeWindowHint;
    if (style.caption)
        flags |= Qt::WindowTitleHint;
    if (style.systemMenu)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (style.minimiseBox)
        flags |= Qt::WindowMinimizeButtonHint;
    if (style.maximiseBox)
        flags |= Qt::WindowMaximizeButtonHint;
    if (style.contextHelp)
        flags |= Qt::WindowContextHelpButtonHint;
    return flags;
}

uint32_t KeyFlagsOf(Qt::KeyboardModifiers modifiers)
{
    uint32_t flags = 0;
    if (modifiers & Qt::ShiftModifier)
        flags |= WindowPort::kKeyFlagShift;
    if (modifiers & Qt::ControlModifier)
        flags |= WindowPort::kKeyFlagControl;
    return flags;
}

QColor FaceColour()
{
    const WindowPort::SColour face = WindowPort::GetSystemColour(WindowPort::ESystemColour::kFace3D);
    return QColor(face.red, face.green, face.blue);
}

// Only local files and folders can be opened; a drop of anything else is refused whole.
std::vector<std::string> LocalPaths(const QMimeData* data)
{
    std::vector<std::string> paths;
    if (data == nullptr || !data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile())
            return {};
        paths.push_back(ToLocalPath(url.toLocalFile()));
    }
    return paths;
}

} // namespace

CPortWindow::CPortWindow(WindowHandle handle, const SWindowStyle& style, QWidget* owner)
    : QWidget(owner, FlagsFor(style)), mHandle(handle), mStyle(style)
{
    // The backing image covers every pixel, so Qt needs to erase nothing.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void CPortWindow::SetTitleText(const std::string& title)
{
    mTitle = title;
    setWindowTitle(ToQString(title));
}

void CPortWindow::ResizeBacking(QSize size)
{
    size = size.expandedTo(QSize(0, 0));
    if (size == mBacking.size())
        return;
    QImage resized(size, QImage::Format_RGB32);
    resized.fill(FaceColour());
    if (!mBacking.isNull() && !resized.isNull()) {
        QPainter painter(&resized);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, mBacking);
    }
    mBacking = std::move(resized);
    Invalidate({});
    SMessage message;
    message.kind = EMessage::kSize;
    message.window = mHandle;
    message.size = {size.width(), size.height()};
    message.time = WindowPort::GetTickCount();
    CPortState::Get().Post(message);
}

void CPortWindow::Invalidate(const SRect& area)
{
    const SRect client{0, 0, mBacking.width(), mBacking.height()};
    const SRect part = area.IsEmpty() ? client : IntersectRects(area, client);
    mInvalid = UniteRects(mInvalid, part);
}

SRect CPortWindow::GetClip() const
{
    const SRect client{0, 0, mBacking.width(), mBacking.height()};
    return mClipped ? IntersectRects(mClip, client) : client;
}

void CPortWindow::Drawn(const SRect& area)
{
    ++mCounts.drawingCalls;
    if (!area.IsEmpty())
        update(QRect(area.left, area.top, area.Width(), area.Height()));
}

bool CPortWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        Post(EMessage::kActivate);
    else if (event->type() == QEvent::WindowDeactivate)
        Post(EMessage::kDeactivate);
    return QWidget::event(event);
}

void CPortWindow::paintEvent(QPaintEvent* event)
{
    ++mCounts.repaints;
    QPainter painter(this);
    for (const QRect& rect : event->region())
        painter.drawImage(rect, mBacking, rect);
}

void CPortWindow::resizeEvent(QResizeEvent* event)
{
    ResizeBacking(event->size());
}

// The window manager's close box asks; the framework decides. A disabled window,
// one a modal dialog waits over, takes no requests, as it takes no input.
void CPortWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (mInputEnabled)
        Post(EMessage::kClose);
}

void CPortWindow::SetInputEnabled(bool enabled)
{
    mInputEnabled = enabled;
    // The native controls are plain children; owned windows are left alone.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow())
            child->setEnabled(enabled);
    }
}

void CPortWindow::mousePressEvent(QMouseEvent* event)
{
    if (mInputEnabled && event->button() == Qt::LeftButton)
        PostMouse(EMessage::kMouseDown, event);
}

// The framework tells double clicks by their ticks, so the second press of a
// double click is an ordinary press.
void CPortWindow::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);
}

void CPortWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (mInputEnabled && event->button() == Qt::LeftButton)
        PostMouse(EMessage::kMouseUp, event);
}

void CPortWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (mInputEnabled)
        PostMouse(EMessage::kMouseMove, event);
}

void CPortWindow::keyPressEvent(QKeyEvent* event)
{
    if (mInputEnabled)
        PostKeyMessage(mHandle, event);
}

void CPortWindow::keyReleaseEvent(QKeyEvent* event)
{
    if (mInputEnabled)
        PostKeyMessage(mHandle, event);
}

void CPortWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!LocalPaths(event->mimeData()).empty())
        event->acceptProposedAction();
}

void CPortWindow::dragMoveEvent(QDragMoveEvent* event)
{
    if (!LocalPaths(event->mimeData()).empty())
        event->acceptProposedAction();
}

void CPortWindow::dropEvent(QDropEvent* event)
{
    if (!mInputEnabled)
        return;
    std::vector<std::string> paths = LocalPaths(event->mimeData());
    if (paths.empty())
        return;
    event->acceptProposedAction();
    SMessage message;
    message.kind = EMessage::kDropFiles;
    message.window = mHandle;
    message.time = WindowPort::GetTickCount();
    message.point = {event->position().toPoint().x(), event->position().toPoint().y()};
    message.paths = std::move(paths);
    CPortState::Get().Post(message);
}

void CPortWindow::PostMouse(EMessage kind, QMouseEvent* event)
{
    SMessage message;
    message.kind = kind;
    message.window = mHandle;
    message.time = WindowPort::GetTickCount();
    const QPoint point = event->position().toPoint();
    message.point = {point.x(), point.y()};
    message.keyFlags = KeyFlagsOf(event->modifiers());
    if (event->buttons() & Qt::LeftButton)
        message.keyFlags |= WindowPort::kKeyFlagLeftButton;
    CPortState::Get().Post(message);
}

void CPortWindow::Post(EMessage kind)
{
    SMessage message;
    message.kind = kind;
    message.window = mHandle;
    message.time = WindowPort::GetTickCount();
    CPortState::Get().Post(message);
}

void PostKeyMessage(WindowHandle window, QKeyEvent* event)
{
    const SVirtualKey key = TranslateKey(event->key(), event->modifiers() & Qt::KeypadModifier);
    SMessage message;
    message.kind = event->type() == QEvent::KeyRelease ? EMessage::kKeyUp : EMessage::kKeyDown;
    message.window = window;
    message.time = WindowPort::GetTickCount();
    message.virtualKey = key.virtualKey;
    message.character = key.character;
    message.extended = key.extended;
    message.repeat = event->isAutoRepeat();
    message.keyFlags = KeyFlagsOf(event->modifiers());
    CPortState::Get().Post(message);
}
