// Drawing on the windows' backing images, and the repaint counts.

#include "platform/WindowPort.h"
#include "platform/qt/PortState.h"
#include "platform/qt/PortWindow.h"
#include "platform/qt/Raster.h"
#include "platform/qt/TextCodec.h"

#include <QApplication>
#include <QFontMetrics>
#include <QIcon>
#include <QPainter>
#include <QStyle>

namespace WindowPort {

namespace {

CPortWindow* Find(WindowHandle window)
{
    return CPortState::Get().FindWindow(window);
}

QRect ToQRect(const SRect& rect)
{
    return QRect(rect.left, rect.top, rect.Width(), rect.Height());
}

QColor ToQColor(SColour colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

// A painter on the window's backing image, cut to its clip.
void SetUpPainter(QPainter& painter, CPortWindow& window)
{
    painter.setClipRect(ToQRect(window.GetClip()));
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setRenderHint(QPainter::Antialiasing, false);
}

// Runs one pixel operation on the window's backing image and shows what changed.
template <typename Operation>
void WithRaster(WindowHandle window, Operation operation)
{
    CPortWindow* portWindow = Find(window);
    if (portWindow == nullptr)
        return;
    CRaster raster(portWindow->GetBacking(), portWindow->GetClip());
    operation(raster);
    portWindow->Drawn(raster.GetTouched());
}

QStyle::StandardPixmap PixmapFor(EStandardIcon icon)
{
    switch (icon) {
    case EStandardIcon::kStop:
        return QStyle::SP_MessageBoxCritical;
    case EStandardIcon::kInformation:
        return QStyle::SP_MessageBoxInformation;
    case EStandardIcon::kExclamation:
        return QStyle::SP_MessageBoxWarning;
    }
    return QStyle::SP_MessageBoxInformation;
}

} // namespace

void SetClipRect(WindowHandle window, const SRect& clip)
{
    if (CPortWindow* portWindow = Find(window))
        portWindow->SetClip(clip);
}

void ResetClip(WindowHandle window)
{
    if (CPortWindow* portWindow = Find(window))
        portWindow->ResetClip();
}

SRect GetClipBox(WindowHandle window)
{
    CPortWindow* portWindow = Find(window);
    return portWindow == nullptr ? SRect{} : portWindow->GetClip();
}

void FillRect(WindowHandle window, const SRect& rect, SColour colour, EMix mix)
{
    WithRaster(window, [&](CRaster& raster) { raster.FillRect(rect, colour, mix); });
}

void Polyline(WindowHandle window, const std::vector<SPoint>& points, SColour colour, EMix mix)
{
    WithRaster(window, [&](CRaster& raster) { raster.Polyline(points, colour, mix); });
}

void DrawText(WindowHandle window, int32_t x, int32_t top, const std::string& text, FontHandle font,
              SColour colour, const SColour* background)
{
    CPortWindow* portWindow = Find(window);
    const QFont* qFont = CPortState::Get().FindFont(font);
    if (portWindow == nullptr || qFont == nullptr || portWindow->GetBacking().isNull())
        return;
    const QString qText = ToQString(text);
    const QFontMetrics metrics(*qFont);
    const QRect box(x, top, metrics.horizontalAdvance(qText), metrics.height());
    QPainter painter(&portWindow->GetBacking());
    SetUpPainter(painter, *portWindow);
    if (background != nullptr)
        painter.fillRect(box, ToQColor(*background));
    painter.setFont(*qFont);
    painter.setPen(ToQColor(colour));
    painter.drawText(QPoint(x, top + metrics.ascent()), qText);
    // Italic glyphs may lean past their advance; the repaint takes a margin.
    const SRect touched{box.left() - box.height(), box.top(), box.left() + box.width() + box.height(),
                        box.top() + box.height()};
    portWindow->Drawn(IntersectRects(touched, portWindow->GetClip()));
}

void DrawWrappedText(WindowHandle window, const SRect& rect, const std::string& text, FontHandle font,
                     SColour colour)
{
    CPortWindow* portWindow = Find(window);
    const QFont* qFont = CPortState::Get().FindFont(font);
    if (portWindow == nullptr || qFont == nullptr || portWindow->GetBacking().isNull())
        return;
    QPainter painter(&portWindow->GetBacking());
    SetUpPainter(painter, *portWindow);
    painter.setClipRect(ToQRect(rect), Qt::IntersectClip);
    painter.setFont(*qFont);
    painter.setPen(ToQColor(colour));
    painter.drawText(ToQRect(rect), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, ToQString(text));
    portWindow->Drawn(IntersectRects(rect, portWindow->GetClip()));
}

void CopyPixels(WindowHandle window, int32_t x, int32_t y, const uint32_t* pixels, int32_t width, int32_t height,
                const SRect& source)
{
    WithRaster(window, [&](CRaster& raster) { raster.CopyPixels(x, y, pixels, width, height, source); });
}

void DrawStandardIcon(WindowHandle window, const SRect& rect, EStandardIcon icon)
{
    CPortWindow* portWindow = Find(window);
    if (portWindow == nullptr || rect.IsEmpty() || portWindow->GetBacking().isNull())
        return;
    const QPixmap pixmap = QApplication::style()->standardIcon(PixmapFor(icon)).pixmap(rect.Width(), rect.Height());
    QPainter painter(&portWindow->GetBacking());
    SetUpPainter(painter, *portWindow);
    painter.drawPixmap(ToQRect(rect), pixmap);
    portWindow->Drawn(IntersectRects(rect, portWindow->GetClip()));
}

SColour GetPixel(WindowHandle window, int32_t x, int32_t y)
{
    CPortWindow* portWindow = Find(window);
    if (portWindow == nullptr || !portWindow->GetBacking().valid(x, y))
        return {};
    const QRgb pixel = portWindow->GetBacking().pixel(x, y);
    return {uint8_t(qRed(pixel)), uint8_t(qGreen(pixel)), uint8_t(qBlue(pixel))};
}

SPaintCounts GetPaintCounts(WindowHandle window)
{
    CPortWindow* portWindow = Find(window);
    return portWindow == nullptr ? SPaintCounts{} : portWindow->GetPaintCounts();
}

void RepaintNow(WindowHandle window)
{
    CPortWindow* portWindow = Find(window);
    if (portWindow != nullptr && portWindow->isVisible())
        portWindow->repaint();
}

} // namespace WindowPort
