#pragma once

#include "platform/WindowPort.h"

#include <cstdint>

// The framework's colour: 16 bits for each of red, green and blue. The platform
// draws with the high byte of each; a colour read back from the platform is
// widened the other way (byte x 256), so 0xFFFF reads back as 0xFF00.
class CColour {
public:
    CColour() = default;
    CColour(uint16_t red, uint16_t green, uint16_t blue) : mRed(red), mGreen(green), mBlue(blue) {}

    uint16_t GetRed() const { return mRed; }
    uint16_t GetGreen() const { return mGreen; }
    uint16_t GetBlue() const { return mBlue; }
    bool operator==(const CColour&) const = default;

    // The original marks the platform colour as relative to the selected palette,
    // for 8-bit displays; this platform draws true colour, so the bytes are all.
    WindowPort::SColour ToPlatform() const;
    static CColour FromPlatform(WindowPort::SColour colour);

private:
    uint16_t mRed = 0;
    uint16_t mGreen = 0;
    uint16_t mBlue = 0;
};
