#pragma once

#include <cstdint>

// A text is named by one number: 100 000 000 x module + 1000 x resource id + index.
// The function called tells the script's type; the module part is split off and
// not used, because every script is read from the running program itself.
struct STextNumber {
    uint32_t module = 0;
    uint16_t resourceId = 0; // taken as a 16-bit value, so ids above 65535 wrap
    uint32_t index = 0;      // 0 to 999
};

STextNumber SplitTextNumber(uint32_t textNumber);
uint32_t MakeTextNumber(uint16_t resourceId, uint32_t index);
