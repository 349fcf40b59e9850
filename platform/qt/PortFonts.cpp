// Fonts from the framework's font requests, with their metrics and extents.

#include "platform/WindowPort.h"
#include "platform/qt/PortState.h"
#include "platform/qt/TextCodec.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

namespace WindowPort {

namespace {

// Far above any cell the framework asks for; a larger request is refused rather
// than handed to the font engine.
constexpr int32_t kMaxCellHeight = 1000;

// The system's sans-serif face, as the font engine resolves it.
QString SansSerifFamily()
{
    const QFont general = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    return QFontInfo(general).family();
}

int CellHeightAt(QFont font, int pixelSize)
{
    font.setPixelSize(pixelSize);
    return QFontMetrics(font).height();
}

// The original platform's request names the cell height (ascent plus descent);
// Qt's pixel size names the em. The largest em whose cell fits is taken.
int PixelSizeForCell(const QFont& font, int cellHeight)
{
    int size = std::max(1, cellHeight);
    const int cell = CellHeightAt(font, size);
    if (cell > cellHeight)
        size = std::max(1, cellHeight * size / cell);
    while (size > 1 && CellHeightAt(font, size) > cellHeight)
        --size;
    while (CellHeightAt(font, size + 1) <= cellHeight)
        ++size;
    return size;
}

const QFont* Find(FontHandle font)
{
    return CPortState::Get().FindFont(font);
}

} // namespace

// Drawn without smoothing, as the original's draft-quality fonts are: every
// pixel of a glyph is the text colour, so the mixes and the tests see whole pixels.
FontHandle CreateFont(const SFontRequest& request)
{
    if (request.cellHeight < 0 || request.cellHeight > kMaxCellHeight)
        return 0;
    QString family = ToQString(request.face);
    if (family.isEmpty() || !QFontDatabase::hasFamily(family))
        family = SansSerifFamily();
    QFont font(family);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setWeight(request.bold ? QFont::Bold : QFont::Normal);
    font.setItalic(request.italic);
    font.setUnderline(request.underline);
    if (request.cellHeight == 0)
        font.setPixelSize(QFontInfo(QApplication::font()).pixelSize());
    else
        font.setPixelSize(PixelSizeForCell(font, request.cellHeight));
    return CPortState::Get().AddFont(font);
}

void DeleteFont(FontHandle font)
{
    if (!CPortState::IsRunning())
        return;
    CPortState::Get().RemoveFont(font);
}

STextMetrics GetTextMetrics(FontHandle font)
{
    const QFont* qFont = Find(font);
    if (qFont == nullptr)
        return {};
    const QFontMetrics metrics(*qFont);
    return {metrics.height(), metrics.ascent(), metrics.descent(), metrics.averageCharWidth()};
}

SSize GetTextExtent(FontHandle font, const std::string& text)
{
    const QFont* qFont = Find(font);
    if (qFont == nullptr)
        return {};
    const QFontMetrics metrics(*qFont);
    return {metrics.horizontalAdvance(ToQString(text)), metrics.height()};
}

FontHandle GetSystemFont()
{
    return CPortState::Get().GetSystemFont();
}

} // namespace WindowPort
