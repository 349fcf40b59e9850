// Looking at windows as a person would: the client area with the native
// controls that sit on it, which the backing image leaves out.

#include "platform/WindowPort.h"
#include "platform/qt/PortState.h"
#include "platform/qt/PortWindow.h"

#include <QImage>
#include <QPixmap>

namespace WindowPort {

std::vector<uint32_t> GrabClientArea(WindowHandle window, SSize& size)
{
    size = {};
    CPortWindow* portWindow = CPortState::Get().FindWindow(window);
    if (portWindow == nullptr)
        return {};
    const QImage image = portWindow->grab().toImage().convertToFormat(QImage::Format_RGB32);
    size = {image.width(), image.height()};
    std::vector<uint32_t> pixels;
    pixels.reserve(static_cast<size_t>(image.width()) * static_cast<size_t>(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(image.constScanLine(y));
        pixels.insert(pixels.end(), row, row + image.width());
    }
    return pixels;
}

SRect GetControlRect(ControlHandle control)
{
    const CPortState::SControl* found = CPortState::Get().FindControl(control);
    if (found == nullptr)
        return {};
    const QRect rect = found->widget->geometry();
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

} // namespace WindowPort
