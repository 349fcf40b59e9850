#include "images/ImageHeader.h"

SImageHeader MakeImageHeader(int32_t width, int32_t height, uint16_t depth)
{
    SImageHeader header;
    header.info.width = width;
    header.info.height = height;
    header.info.bitCount = depth;
    header.info.compression = depth == 8 ? kCompressionRLE8 : kCompressionNone;
    return header;
}
