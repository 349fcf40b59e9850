#include "ui/DialogLayout.h"

#include "media/MemoryMedia.h"
#include "media/OpenResourceItem.h"
#include "media/XBase.h"
#include "platform/WindowPort.h"

#include <memory>

namespace {

// The framework lays its dialogs out at 96 dots per inch, as the platform's
// dialog fonts were made for; a point is 1/72 inch.
constexpr int32_t kDotsPerInch = 96;
constexpr int32_t kPointsPerInch = 72;
constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

int16_t Fit16(int64_t value)
{
    if (value < INT16_MIN || value > INT16_MAX)
        throw XBadFormat();
    return static_cast<int16_t>(value);
}

// The platform font of a template's font request, deleted with the object.
class CTemplateFont {
public:
    explicit CTemplateFont(const SDialogTemplate& dialog)
    {
        // A font record holds its cell height in 8 bits.
        const int32_t cellHeight = CDialogLayout::CellHeightForPoints(dialog.pointSize);
        if (dialog.pointSize == 0 || cellHeight > 255)
            throw XBadFormat();
        mFont = WindowPort::CreateFont({dialog.fontFace, cellHeight, false, false, false});
        if (mFont == 0)
            throw XBase();
    }
    ~CTemplateFont() { WindowPort::DeleteFont(mFont); }
    CTemplateFont(const CTemplateFont&) = delete;
    CTemplateFont& operator=(const CTemplateFont&) = delete;

    WindowPort::FontHandle Get() const { return mFont; }

private:
    WindowPort::FontHandle mFont = 0;
};

} // namespace

CDialogLayout::CDialogLayout(const SDialogTemplate& dialog, const SDialogBaseUnits& units)
    : mTitle(dialog.title)
    , mBox(ToPixels(dialog.x, dialog.y, dialog.width, dialog.height, units))
    , mUnits(units)
{
    mItems.reserve(dialog.items.size());
    for (const SDialogTemplateItem& item : dialog.items) {
        mItems.push_back({item.id, ToPixels(item.x, item.y, item.width, item.height, units), item.classAtom,
                          item.className, item.text});
    }
}

std::unique_ptr<CDialogLayout> CDialogLayout::Load(uint16_t id)
{
    const std::unique_ptr<CMemoryMedia> bytes(CResourceModule(nullptr).LoadResourceIntoMemory(kDialogTemplateType, id));
    const SDialogTemplate dialog = ReadDialogTemplate(bytes->GetBuffer(), size_t(bytes->GetSize()));
    return std::make_unique<CDialogLayout>(dialog, GetBaseUnits(dialog));
}

SDialogBaseUnits CDialogLayout::GetBaseUnits(const SDialogTemplate& dialog)
{
    if (!dialog.NamesFont()) {
        const WindowPort::SSize units = WindowPort::GetDialogBaseUnits();
        return {units.width, units.height};
    }
    const CTemplateFont font(dialog);
    const int32_t letters = WindowPort::GetTextExtent(font.Get(), kAlphabet).width;
    return {(letters / 26 + 1) / 2, WindowPort::GetTextMetrics(font.Get()).height};
}

int32_t CDialogLayout::CellHeightForPoints(int32_t points)
{
    return (points * kDotsPerInch + kPointsPerInch / 2) / kPointsPerInch;
}

SViewRect CDialogLayout::ToPixels(int32_t x, int32_t y, int32_t width, int32_t height, const SDialogBaseUnits& units)
{
    const int64_t left = int64_t(x) * units.horizontal / 4;
    const int64_t top = int64_t(y) * units.vertical / 8;
    const int64_t right = left + int64_t(width) * units.horizontal / 4;
    const int64_t bottom = top + int64_t(height) * units.vertical / 8;
    return {Fit16(left), Fit16(top), Fit16(right), Fit16(bottom)};
}

const CDialogLayout::SItem* CDialogLayout::FindItem(uint16_t id) const
{
    for (const SItem& item : mItems) {
        if (item.id == id)
            return &item;
    }
    return nullptr;
}

std::optional<SViewRect> CDialogLayout::GetItemRect(uint16_t id) const
{
    if (const SItem* item = FindItem(id))
        return item->rect;
    return std::nullopt;
}
