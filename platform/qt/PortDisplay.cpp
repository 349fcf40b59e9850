// Start, display facts, the clock, the keyboard's live state, the cursor and the
// desktop's file handler.

#include "platform/WindowPort.h"
#include "platform/qt/PortState.h"
#include "platform/qt/TextCodec.h"

#include <QApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QFontMetrics>
#include <QPalette>
#include <QScreen>
#include <QStyle>
#include <QStyleHints>
#include <QUrl>

#include <chrono>
#include <thread>

namespace WindowPort {

namespace {

// The frame the framework's arithmetic expects around a client area: the
// original platform's fixed dialog frame, sizing frame and caption. The window
// manager draws its own decoration around the client area, which the port
// places exactly, so these numbers only have to agree with themselves.
constexpr int32_t kFixedFrame = 3;
constexpr int32_t kSizingFrame = 4;
constexpr int32_t kCaption = 19;

SColour FromQColor(const QColor& colour)
{
    return {uint8_t(colour.red()), uint8_t(colour.green()), uint8_t(colour.blue())};
}

} // namespace

void Initialise(int& argc, char** argv)
{
    CPortState::Start(argc, argv);
}

void Shutdown()
{
    CPortState::Stop();
}

SSize GetScreenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return {};
    return {screen->geometry().width(), screen->geometry().height()};
}

int32_t GetScreenDepth()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen == nullptr ? 24 : screen->depth();
}

SFrameMetrics GetFrameMetrics(const SWindowStyle& style)
{
    int32_t frame = 0;
    if (style.sizingFrame)
        frame = kSizingFrame;
    else if (style.caption || style.modalFrame)
        frame = kFixedFrame;
    return {frame, frame + (style.caption ? kCaption : 0), frame, frame};
}

// As the original platform measures its dialog font: the average width of the
// alphabet, rounded, and the line height.
SSize GetDialogBaseUnits()
{
    const QFontMetrics metrics(QApplication::font());
    const int width = metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return {(width / 26 + 1) / 2, metrics.height()};
}

uint32_t GetDoubleClickTime()
{
    return uint32_t(QGuiApplication::styleHints()->mouseDoubleClickInterval());
}

int32_t GetVerticalScrollBarWidth()
{
    return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

SColour GetSystemColour(ESystemColour which)
{
    const QPalette palette = QApplication::palette();
    switch (which) {
    case ESystemColour::kFace3D:
        return FromQColor(palette.color(QPalette::Active, QPalette::Button));
    case ESystemColour::kButtonShadow:
        return FromQColor(palette.color(QPalette::Active, QPalette::Dark));
    case ESystemColour::kButtonText:
        return FromQColor(palette.color(QPalette::Active, QPalette::ButtonText));
    case ESystemColour::kWindow:
        return FromQColor(palette.color(QPalette::Active, QPalette::Base));
    case ESystemColour::kWindowText:
        return FromQColor(palette.color(QPalette::Active, QPalette::Text));
    case ESystemColour::kHighlight:
        return FromQColor(palette.color(QPalette::Active, QPalette::Highlight));
    case ESystemColour::kGrayText:
        return FromQColor(palette.color(QPalette::Disabled, QPalette::Text));
    }
    return {};
}

uint32_t GetTickCount()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return uint32_t(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

void Sleep(uint32_t milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

SPoint GetCursorPosition()
{
    const QPoint position = QCursor::pos();
    return {position.x(), position.y()};
}

bool IsKeyDown(EModifierKey key)
{
    const Qt::KeyboardModifiers modifiers = QGuiApplication::queryKeyboardModifiers();
    switch (key) {
    case EModifierKey::kShift:
        return modifiers & Qt::ShiftModifier;
    case EModifierKey::kControl:
        return modifiers & Qt::ControlModifier;
    case EModifierKey::kAlt:
        return modifiers & Qt::AltModifier;
    }
    return false;
}

// The busy cursor covers every window of the program, as the original's global
// cursor does; Qt animates it where the desktop has an animated one.
void SetCursor(ECursor cursor)
{
    CPortState& state = CPortState::Get();
    const bool busy = cursor == ECursor::kBusy;
    if (busy == state.IsBusyCursor())
        return;
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
    state.SetBusyCursor(busy);
}

bool OpenWithDesktop(const std::string& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(FromLocalPath(path)));
}

} // namespace WindowPort
