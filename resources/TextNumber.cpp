#include "resources/TextNumber.h"

STextNumber SplitTextNumber(uint32_t textNumber)
{
    STextNumber parts;
    parts.module = textNumber / 100000000u;
    const uint32_t rest = textNumber % 100000000u;
    parts.resourceId = static_cast<uint16_t>(rest / 1000u);
    parts.index = rest % 1000u;
    return parts;
}

uint32_t MakeTextNumber(uint16_t resourceId, uint32_t index)
{
    return uint32_t{resourceId} * 1000u + index % 1000u;
}
