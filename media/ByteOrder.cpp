#include "media/ByteOrder.h"

#include <cmath>
#include <cstring>

namespace {

const uint8_t* Bytes(const void* p)
{
    return static_cast<const uint8_t*>(p);
}

uint8_t* Bytes(void* p)
{
    return static_cast<uint8_t*>(p);
}

} // namespace

uint16_t GetBE16(const void* p)
{
    return static_cast<uint16_t>(Bytes(p)[0] << 8 | Bytes(p)[1]);
}

void SetBE16(void* p, uint16_t v)
{
    Bytes(p)[0] = static_cast<uint8_t>(v >> 8);
    Bytes(p)[1] = static_cast<uint8_t>(v);
}

uint32_t GetBE24(const void* p)
{
    return uint32_t{Bytes(p)[0]} << 16 | uint32_t{Bytes(p)[1]} << 8 | Bytes(p)[2];
}

void SetBE24(void* p, uint32_t v)
{
    Bytes(p)[0] = static_cast<uint8_t>(v >> 16);
    Bytes(p)[1] = static_cast<uint8_t>(v >> 8);
    Bytes(p)[2] = static_cast<uint8_t>(v);
}

uint32_t GetBE32(const void* p)
{
    return uint32_t{Bytes(p)[0]} << 24 | GetBE24(Bytes(p) + 1);
}

void SetBE32(void* p, uint32_t v)
{
    Bytes(p)[0] = static_cast<uint8_t>(v >> 24);
    SetBE24(Bytes(p) + 1, v);
}

uint16_t GetLE16(const void* p)
{
    return static_cast<uint16_t>(Bytes(p)[1] << 8 | Bytes(p)[0]);
}

void SetLE16(void* p, uint16_t v)
{
    Bytes(p)[0] = static_cast<uint8_t>(v);
    Bytes(p)[1] = static_cast<uint8_t>(v >> 8);
}

uint32_t GetLE32(const void* p)
{
    return uint32_t{GetLE16(Bytes(p) + 2)} << 16 | GetLE16(p);
}

void SetLE32(void* p, uint32_t v)
{
    SetLE16(p, static_cast<uint16_t>(v));
    SetLE16(Bytes(p) + 2, static_cast<uint16_t>(v >> 16));
}

void PackFourCC(void* dst, const char* text)
{
    std::memcpy(dst, text, 4);
}

void UnpackFourCC(const void* src, char* text)
{
    std::memcpy(text, src, 4);
    text[4] = 0;
}

double GetExtended(const void* p)
{
    const uint16_t exponent = GetBE16(p);
    const uint32_t hi = GetBE32(Bytes(p) + 2);
    const uint32_t lo = GetBE32(Bytes(p) + 6);
    if (exponent == 0 && hi == 0 && lo == 0)
        return 0.0;
    double f = std::ldexp(double(lo), -63) + std::ldexp(double(hi), -31);
    f = std::ldexp(f, int(exponent & 0x7FFF) - 16383);
    return (exponent & 0x8000) ? -f : f;
}

void SetExtended(void* p, double x)
{
    if (x == 0.0 || std::isnan(x)) {
        std::memset(p, 0, 10);
        return;
    }
    const bool negative = x < 0;
    x = std::fabs(x);
    uint16_t exponent = 0x7FFF;
    uint32_t hi = 0;
    uint32_t lo = 0;
    if (!std::isinf(x)) {
        // frexp gives the exponent exactly, where a logarithm may land one off near powers of two.
        int binaryExponent = 0;
        const double mantissa = std::frexp(x, &binaryExponent); // x = mantissa * 2^binaryExponent, 0.5 <= mantissa < 1
        exponent = static_cast<uint16_t>(binaryExponent - 1 + 16383);
        const double scaled = std::ldexp(mantissa, 32);
        hi = static_cast<uint32_t>(scaled);
        lo = static_cast<uint32_t>(std::ldexp(scaled - hi, 32));
    }
    SetBE16(p, static_cast<uint16_t>(exponent | (negative ? 0x8000 : 0)));
    SetBE32(Bytes(p) + 2, hi);
    SetBE32(Bytes(p) + 6, lo);
}

int32_t GetExtendedAsInteger(const void* p)
{
    const double value = GetExtended(p);
    // A hostile exponent must not make the conversion undefined.
    if (!(value > double(INT32_MIN) - 1.0) || !(value < double(INT32_MAX) + 1.0))
        return value < 0 ? INT32_MIN : INT32_MAX;
    return static_cast<int32_t>(value);
}

void SetExtendedFromInteger(void* p, int32_t n)
{
    SetExtended(p, double(n));
}
