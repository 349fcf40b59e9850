#include "audio/AudioFileTypes.h"

// Constant-initialised, so they exist before any code that registers them runs.
constinit const CFileTypeDescriptor kAIFFFileType("Audio IFF", ".AIF", "AIFF");
constinit const CFileTypeDescriptor kWaveFileType("Wave File", ".WAV", "WAVE");
