#include "images/Colour.h"

WindowPort::SColour CColour::ToPlatform() const
{
    return {uint8_t(mRed >> 8), uint8_t(mGreen >> 8), uint8_t(mBlue >> 8)};
}

CColour CColour::FromPlatform(WindowPort::SColour colour)
{
    return {uint16_t(colour.red << 8), uint16_t(colour.green << 8), uint16_t(colour.blue << 8)};
}
