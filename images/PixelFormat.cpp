#include "images/PixelFormat.h"

CPixelFormat::CPixelFormat(uint8_t depth)
    : mDepth(depth)
{
}

CPixelFormat::CPixelFormat(const CPalette& palette)
    : mDepth(8)
    , mPalette(palette)
{
    for (int i = 0; i < palette.GetCount(); ++i) {
        const SPaletteEntry& entry = palette.GetEntry(i);
        mColourTable[i] = {entry.blue, entry.green, entry.red, 0};
        mColourMap[kBlueRow][i] = entry.blue;
        mColourMap[kGreenRow][i] = entry.green;
        mColourMap[kRedRow][i] = entry.red;
    }
}

namespace {

CPixelFormat& ScreenFormat()
{
    static CPixelFormat format(24);
    return format;
}

} // namespace

const CPixelFormat& GetScreenPixelFormat()
{
    return ScreenFormat();
}

void SetScreenPixelFormat(const CPixelFormat& format)
{
    ScreenFormat() = format;
}
