#pragma once

#include <cstdint>

// Byte-order helpers on memory. They work byte by byte, so they depend neither on
// the host's byte order nor on alignment.

uint16_t GetBE16(const void* p);
void SetBE16(void* p, uint16_t v);
uint32_t GetBE24(const void* p);
void SetBE24(void* p, uint32_t v);
uint32_t GetBE32(const void* p);
void SetBE32(void* p, uint32_t v);
uint16_t GetLE16(const void* p);
void SetLE16(void* p, uint16_t v);
uint32_t GetLE32(const void* p);
void SetLE32(void* p, uint32_t v);

// Four-character codes: packed without a terminator, unpacked with one as the fifth byte.
void PackFourCC(void* dst, const char* text);
void UnpackFourCC(const void* src, char* text);

// The 80-bit extended number (sample rates in AIFF): a big-endian word of sign and
// biased exponent, then the 64-bit mantissa with its explicit integer bit.
double GetExtended(const void* p);
void SetExtended(void* p, double x);
int32_t GetExtendedAsInteger(const void* p);
void SetExtendedFromInteger(void* p, int32_t n);
