#include "ui/DialogTemplate.h"

#include "media/XBase.h"

namespace {

// A cursor over the template's bytes that refuses to step past their end.
class CTemplateBytes {
public:
    CTemplateBytes(const uint8_t* bytes, size_t size) : mBytes(bytes), mSize(size) {}

    uint16_t Word()
    {
        Need(2);
        const uint16_t value = uint16_t(mBytes[mPosition] | mBytes[mPosition + 1] << 8);
        mPosition += 2;
        return value;
    }
    uint32_t DoubleWord()
    {
        const uint32_t low = Word();
        return low | uint32_t(Word()) << 16;
    }
    int16_t Short() { return static_cast<int16_t>(Word()); }
    // A zero-terminated UTF-16 text.
    std::string Text()
    {
        std::string text;
        for (uint16_t unit = Word(); unit != 0; unit = Word())
            text += unit <= 0xFF ? char(unit) : '?';
        return text;
    }
    // A text, or 0xFFFF and a number: the number goes to `ordinal`, the text is empty.
    std::string TextOrOrdinal(uint16_t& ordinal)
    {
        ordinal = 0;
        Need(2);
        if (mBytes[mPosition] == 0xFF && mBytes[mPosition + 1] == 0xFF) {
            Word();
            ordinal = Word();
            return {};
        }
        return Text();
    }
    void Skip(size_t count)
    {
        Need(count);
        mPosition += count;
    }
    // Item records start on a four-byte boundary of the template.
    void AlignToDoubleWord()
    {
        const size_t padding = (4 - mPosition % 4) % 4;
        if (mPosition + padding <= mSize)
            mPosition += padding;
        else
            throw XBadFormat();
    }

private:
    void Need(size_t count) const
    {
        if (count > mSize - mPosition)
            throw XBadFormat();
    }

    const uint8_t* mBytes;
    size_t mSize;
    size_t mPosition = 0;
};

void CheckSize(int16_t width, int16_t height)
{
    if (width < 0 || height < 0)
        throw XBadFormat();
}

SDialogTemplateItem ReadItem(CTemplateBytes& bytes)
{
    bytes.AlignToDoubleWord();
    SDialogTemplateItem item;
    item.style = bytes.DoubleWord();
    item.extendedStyle = bytes.DoubleWord();
    item.x = bytes.Short();
    item.y = bytes.Short();
    item.width = bytes.Short();
    item.height = bytes.Short();
    CheckSize(item.width, item.height);
    item.id = bytes.Word();
    item.className = bytes.TextOrOrdinal(item.classAtom);
    item.text = bytes.TextOrOrdinal(item.textOrdinal);
    // Creation data for the control: a byte count, then the bytes.
    bytes.Skip(bytes.Word());
    return item;
}

} // namespace

SDialogTemplate ReadDialogTemplate(const uint8_t* data, size_t size)
{
    CTemplateBytes bytes(data, size);
    SDialogTemplate dialog;
    dialog.style = bytes.DoubleWord();
    // The extended form starts with version 1 and the signature 0xFFFF.
    if (dialog.style == 0xFFFF0001)
        throw XUnsupportedFormat();
    dialog.extendedStyle = bytes.DoubleWord();
    const uint16_t count = bytes.Word();
    dialog.x = bytes.Short();
    dialog.y = bytes.Short();
    dialog.width = bytes.Short();
    dialog.height = bytes.Short();
    CheckSize(dialog.width, dialog.height);
    uint16_t ordinal = 0;
    bytes.TextOrOrdinal(ordinal); // the menu
    bytes.TextOrOrdinal(ordinal); // the window class
    dialog.title = bytes.Text();
    if (dialog.NamesFont()) {
        dialog.pointSize = bytes.Word();
        dialog.fontFace = bytes.Text();
    }
    // Each item takes at least 24 bytes, so the count cannot outrun the bytes
    // without a read being refused first.
    for (uint16_t i = 0; i < count; ++i)
        dialog.items.push_back(ReadItem(bytes));
    return dialog;
}
