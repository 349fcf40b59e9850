#pragma once

#include "files/FileTypeDescriptor.h"

// The kinds of sample file the audio layer reads and writes, for file dialogs
// and for recognising files by extension.
extern const CFileTypeDescriptor kAIFFFileType; // "Audio IFF", ".AIF", "AIFF"
extern const CFileTypeDescriptor kWaveFileType; // "Wave File", ".WAV", "WAVE"
