#pragma once

#include <cstdint>
#include <memory>

class CFileSpec;
class CPackUserInterface;
class WAVE_SAMPLE;

// The checks that decide whether a file carrying a catalogue name may be
// embedded. They read the file themselves and never let a failure out.

enum class EImageCheck { kNotDecodable, kStandardSize, kNonstandardSize };

// Decodes the image for the screen's pixel format and compares its size with
// row `row` of the skin image sizes. Logs nothing: the pack run does.
EImageCheck CheckSkinImage(const CFileSpec& spec, int32_t row);

// True when the sample is mono, 16-bit, 44100 Hz and its data can be read; logs
// each reason that it is not, in a fixed order. The sample loaded to prove its
// data readable is handed to the caller when `loaded` is given.
bool CheckAiffSample(const CFileSpec& spec, CPackUserInterface& log, std::unique_ptr<WAVE_SAMPLE>* loaded = nullptr);
bool CheckWaveSample(const CFileSpec& spec, CPackUserInterface& log, std::unique_ptr<WAVE_SAMPLE>* loaded = nullptr);
