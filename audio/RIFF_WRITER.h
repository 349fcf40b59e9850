#pragma once

#include "chunks/IFFWriter.h"

class CMedia;

// The flat chunk writer for RIFF files: sizes little-endian.
class RIFF_WRITER : public CIFFWriter {
public:
    RIFF_WRITER();
    // `media` is not owned and must outlive the writer.
    explicit RIFF_WRITER(CMedia& media);
    ~RIFF_WRITER() override;
};
