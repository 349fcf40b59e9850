#include "audio/RIFF_WRITER.h"

RIFF_WRITER::RIFF_WRITER()
{
    SetLittleEndian();
}

RIFF_WRITER::RIFF_WRITER(CMedia& media)
    : CIFFWriter(media)
{
    SetLittleEndian();
}

RIFF_WRITER::~RIFF_WRITER() = default;
