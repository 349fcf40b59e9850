#include "audio/RIFF_READER.h"

RIFF_READER::RIFF_READER()
{
    SetLittleEndian();
    SetGroupID("RIFF");
}

RIFF_READER::RIFF_READER(CMedia& media)
    : CIFFReader(media, "RIFF")
{
    SetLittleEndian();
}

RIFF_READER::~RIFF_READER() = default;
