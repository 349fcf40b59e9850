#pragma once

#include <cstdint>
#include <memory>
#include <string>

class CFileSpec;
class CMedia;
class CPackUserInterface;
class WAVE_SAMPLE;

// The checks that decide whether a file carrying a catalogue name may be
// embedded. They never let a failure out. Images and AIFF samples are checked
// from the file's bytes as the pack run has read them; WAVE samples, which the
// pack run never reads whole, from the file itself.

enum class EImageCheck { kNotDecodable, kStandardSize, kNonstandardSize };

// Decodes the image (the medium from its position to its end) for the screen's
// pixel format and compares its size with row `row` of the skin image sizes.
// Logs nothing: the pack run does.
EImageCheck CheckSkinImage(CMedia& image, int32_t row);

// True when the sample is mono, 16-bit, 44100 Hz and its data can be read; logs
// each reason that it is not, in a fixed order, naming the file `fileName`. The
// sample loaded to prove its data readable is handed to the caller when `loaded`
// is given. `file` holds the whole file from position 0.
bool CheckAiffSample(CMedia& file, const std::string& fileName, CPackUserInterface& log,
                     std::unique_ptr<WAVE_SAMPLE>* loaded = nullptr);
// The same for the WAVE file `spec` names, which it opens itself.
bool CheckWaveSample(const CFileSpec& spec, CPackUserInterface& log, std::unique_ptr<WAVE_SAMPLE>* loaded = nullptr);
