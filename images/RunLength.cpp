#include "images/RunLength.h"


#include <algorithm>
#include <cstring>

namespace {

// Pixels in the absolute run that starts a row remainder of `remaining` pixels.
uint32_t AbsoluteRun(uint32_t remaining)
{
    if (remaining < 256)
        return remaining;
    const uint32_t rest = remaining - 255;
    return rest == 1 || rest == 2 ? 240 : 255;
}

uint64_t RowSize(uint32_t width)
{
    if (width < 3)
        return uint64_t{width} * 2 + 2;
    uint64_t size = 2;
    for (uint32_t remaining = width; remaining > 0;) {
        const uint32_t run = AbsoluteRun(remaining);
        size += 2 + run + (run & 1);
        remaining -= run;
    }
    return size;
}

} // namespace

uint64_t GetRLE8EncodedSize(uint32_t width, uint32_t height)
{
    return RowSize(width) * height;
}

std::vector<uint8_t> EncodeRLE8(const uint8_t* indices, uint32_t width, uint32_t height)
{
    std::vector<uint8_t> out(static_cast<size_t>(GetRLE8EncodedSize(width, height)));
    uint8_t* p = out.data();
    for (uint32_t y = 0; y < height; ++y) {
        const uint8_t* row = indices + size_t{y} * width;
        if (width < 3) {
            // Too narrow for an absolute run: 0, 1 and 0, 2 are the end and move codes.
            for (uint32_t x = 0; x < width; ++x) {
                *p++ = 1;
                *p++ = row[x];
            }
        } else {
            for (uint32_t x = 0; x < width;) {
                const uint32_t run = AbsoluteRun(width - x);
                *p++ = 0;
                *p++ = static_cast<uint8_t>(run);
                std::memcpy(p, row + x, run);
                p += run;
                if (run & 1)
                    *p++ = 0; // keeps the next item at an even offset
                x += run;
            }
        }
        *p++ = 0;
        *p++ = 0;
    }
    if (!out.empty())
        out.back() = 1; // the last row's end becomes the image's end
    return out;
}

void DecodeRLE8(const uint8_t* data, size_t size, uint8_t* indices, uint32_t width, uint32_t height)
{
    uint64_t x = 0;
    uint64_t y = 0;
    size_t pos = 0;
    const auto put = [&](uint8_t value) {
        if (x < width && y < height)
            indices[y * width + x] = value;
        ++x;
    };

    while (y < height && pos + 2 <= size) {
        const uint8_t count = data[pos];
        const uint8_t code = data[pos + 1];
        pos += 2;
        if (count > 0) {
            for (uint32_t i = 0; i < count; ++i)
                put(code);
        } else if (code == 0) {
            x = 0;
            ++y;
        } else if (code == 1) {
            break;
        } else if (code == 2) {
            if (pos + 2 > size)
                break;
            x += data[pos];
            y += data[pos + 1];
            pos += 2;
        } else {
            const size_t available = std::min<size_t>(code, size - pos);
            for (size_t i = 0; i < available; ++i)
                put(data[pos + i]);
            pos += size_t{code} + (code & 1);
        }
    }
}
