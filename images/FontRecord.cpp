#include "images/FontRecord.h"

#include "media/XBase.h"

#include <cstring>

SFontRecord::SFontRecord(std::string_view faceName, uint8_t cellHeight, bool isBold, bool isItalic,
                         bool isUnderlined)
    : size(cellHeight), bold(isBold), italic(isItalic), underline(isUnderlined)
{
    if (faceName.size() > kFaceLength)
        throw XBadFormat();
    std::memcpy(face, faceName.data(), faceName.size());
}

std::string SFontRecord::GetFace() const
{
    return std::string(face, strnlen(face, kFaceLength));
}

// Bytes after a face's terminator are not part of the name.
bool SFontRecord::operator==(const SFontRecord& other) const
{
    return GetFace() == other.GetFace() && size == other.size && bold == other.bold && italic == other.italic &&
           underline == other.underline;
}

SFontRecord GetDefaultFontRecord()
{
    return SFontRecord("MS Sans Serif", 8);
}
