#pragma once

#include "chunks/IFFReader.h"

class CMedia;

// The flat chunk reader for RIFF files: outer group "RIFF", sizes little-endian.
class RIFF_READER : public CIFFReader {
public:
    RIFF_READER();
    // `media` is not owned and must outlive the reader.
    explicit RIFF_READER(CMedia& media);
    ~RIFF_READER() override;
};
