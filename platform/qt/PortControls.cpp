// Native controls: real Qt widgets inside a window's client area. They take no
// keyboard focus unless asked, and hand keys on to the framework either way, so
// the framework's key table sees every key as the original's did.

#include "platform/WindowPort.h"
#include "platform/qt/PortState.h"
#include "platform/qt/PortWindow.h"
#include "platform/qt/TextCodec.h"

#include <QKeyEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>

namespace WindowPort {

namespace {

// Keys of a focused control go to its window's queue; a release of the mouse on
// a scroll bar's arrows or page areas ends the scroll.
class CControlFilter : public QObject {
public:
    CControlFilter(QObject* parent, WindowHandle window, ControlHandle control)
        : QObject(parent), mWindow(window), mControl(control)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    WindowHandle mWindow;
    ControlHandle mControl;
};

SMessage ControlMessage(EMessage kind, WindowHandle window, ControlHandle control)
{
    SMessage message;
    message.kind = kind;
    message.window = window;
    message.control = control;
    message.time = GetTickCount();
    return message;
}

void PostScroll(WindowHandle window, ControlHandle control, EScrollCode code, int32_t position)
{
    SMessage message = ControlMessage(EMessage::kScroll, window, control);
    message.scrollCode = code;
    message.scrollPosition = position;
    CPortState::Get().Post(message);
}

bool CControlFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        PostKeyMessage(mWindow, static_cast<QKeyEvent*>(event));
        return true;
    }
    auto* scrollBar = qobject_cast<QScrollBar*>(watched);
    // A drag of the thumb ends through sliderReleased, after its final position.
    if (event->type() == QEvent::MouseButtonRelease && scrollBar != nullptr && !scrollBar->isSliderDown())
        PostScroll(mWindow, mControl, EScrollCode::kEndScroll, scrollBar->value());
    return false;
}

// The original's scroll bar reports what the user did and moves only when the
// program sets its position: Qt's own step is taken back at once, and the thumb
// being dragged reports where it is.
void ConnectScrollBar(QScrollBar* scrollBar, WindowHandle window, ControlHandle control)
{
    scrollBar->setTracking(false);
    QObject::connect(scrollBar, &QAbstractSlider::actionTriggered, [scrollBar, window, control](int action) {
        EScrollCode code = EScrollCode::kEndScroll;
        switch (action) {
        case QAbstractSlider::SliderSingleStepAdd: code = EScrollCode::kLineDown; break;
        case QAbstractSlider::SliderSingleStepSub: code = EScrollCode::kLineUp; break;
        case QAbstractSlider::SliderPageStepAdd: code = EScrollCode::kPageDown; break;
        case QAbstractSlider::SliderPageStepSub: code = EScrollCode::kPageUp; break;
        case QAbstractSlider::SliderToMinimum: code = EScrollCode::kTop; break;
        case QAbstractSlider::SliderToMaximum: code = EScrollCode::kBottom; break;
        case QAbstractSlider::SliderMove:
            PostScroll(window, control, EScrollCode::kThumbTrack, scrollBar->sliderPosition());
            return;
        default: return;
        }
        PostScroll(window, control, code, scrollBar->value());
        scrollBar->setSliderPosition(scrollBar->value());
    });
    QObject::connect(scrollBar, &QAbstractSlider::sliderReleased, [scrollBar, window, control] {
        PostScroll(window, control, EScrollCode::kThumbPosition, scrollBar->sliderPosition());
        PostScroll(window, control, EScrollCode::kEndScroll, scrollBar->sliderPosition());
    });
}

QWidget* MakeWidget(EControlKind kind, QWidget* parent, const std::string& text)
{
    switch (kind) {
    case EControlKind::kPushButton: {
        auto* button = new QPushButton(ToQString(text), parent);
        button->setAutoDefault(false);
        return button;
    }
    case EControlKind::kVerticalScrollBar:
        return new QScrollBar(Qt::Vertical, parent);
    case EControlKind::kProgressBar: {
        auto* progress = new QProgressBar(parent);
        progress->setTextVisible(false);
        return progress;
    }
    }
    return nullptr;
}

const CPortState::SControl* Find(ControlHandle control)
{
    return CPortState::Get().FindControl(control);
}

template <typename Widget>
Widget* FindAs(ControlHandle control)
{
    const CPortState::SControl* found = Find(control);
    return found == nullptr ? nullptr : qobject_cast<Widget*>(found->widget.data());
}

} // namespace

ControlHandle CreateControl(WindowHandle window, EControlKind kind, const SRect& rect, const std::string& text)
{
    CPortState& state = CPortState::Get();
    CPortWindow* portWindow = state.FindWindow(window);
    if (portWindow == nullptr)
        return 0;
    QWidget* widget = MakeWidget(kind, portWindow, text);
    widget->setFocusPolicy(Qt::NoFocus);
    widget->setGeometry(rect.left, rect.top, rect.Width(), rect.Height());
    const ControlHandle control = state.AddControl({widget, kind, window});
    widget->installEventFilter(new CControlFilter(widget, window, control));
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        QObject::connect(button, &QPushButton::clicked, [window, control] {
            CPortState::Get().Post(ControlMessage(EMessage::kCommand, window, control));
        });
    }
    if (auto* scrollBar = qobject_cast<QScrollBar*>(widget))
        ConnectScrollBar(scrollBar, window, control);
    widget->show();
    return control;
}

void DestroyControl(ControlHandle control)
{
    if (!CPortState::IsRunning())
        return;
    if (const CPortState::SControl* found = Find(control))
        delete found->widget.data();
    CPortState::Get().RemoveControl(control);
}

void SetControlRect(ControlHandle control, const SRect& rect)
{
    if (const CPortState::SControl* found = Find(control))
        found->widget->setGeometry(rect.left, rect.top, rect.Width(), rect.Height());
}

void SetControlText(ControlHandle control, const std::string& text)
{
    if (auto* button = FindAs<QPushButton>(control))
        button->setText(ToQString(text));
}

void EnableControl(ControlHandle control, bool enabled)
{
    if (const CPortState::SControl* found = Find(control))
        found->widget->setEnabled(enabled);
}

void FocusControl(ControlHandle control)
{
    if (const CPortState::SControl* found = Find(control)) {
        found->widget->setFocusPolicy(Qt::StrongFocus);
        found->widget->setFocus();
    }
}

void SetDefaultButton(ControlHandle control, bool isDefault)
{
    if (auto* button = FindAs<QPushButton>(control))
        button->setDefault(isDefault);
}

void SetButtonPressedLook(ControlHandle control, bool pressed)
{
    if (auto* button = FindAs<QPushButton>(control))
        button->setDown(pressed);
}

void SetControlRange(ControlHandle control, int32_t minimum, int32_t maximum)
{
    if (auto* slider = FindAs<QAbstractSlider>(control))
        slider->setRange(minimum, maximum);
    else if (auto* progress = FindAs<QProgressBar>(control))
        progress->setRange(minimum, maximum);
}

void SetControlValue(ControlHandle control, int32_t value)
{
    if (auto* slider = FindAs<QAbstractSlider>(control))
        slider->setValue(value);
    else if (auto* progress = FindAs<QProgressBar>(control))
        progress->setValue(value);
}

int32_t GetControlValue(ControlHandle control)
{
    if (auto* slider = FindAs<QAbstractSlider>(control))
        return slider->value();
    if (auto* progress = FindAs<QProgressBar>(control))
        return progress->value();
    return 0;
}

} // namespace WindowPort
