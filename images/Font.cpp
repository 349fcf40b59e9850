#include "images/Font.h"

#include "media/XBase.h"

namespace {

uint64_t gMadeCount = 0;

} // namespace

CFont::CFont(const SFontRecord& record) : mRecord(record)
{
    mHandle = WindowPort::CreateFont({record.GetFace(), record.size, record.bold != 0, record.italic != 0,
                                      record.underline != 0});
    if (mHandle == 0)
        throw XBase();
    ++gMadeCount;
}

CFont::~CFont()
{
    WindowPort::DeleteFont(mHandle);
}

uint64_t CFont::GetMadeCount()
{
    return gMadeCount;
}
