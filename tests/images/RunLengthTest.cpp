#include "images/RunLength.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<uint8_t> Ramp(size_t count)
{
    std::vector<uint8_t> values(count);
    for (size_t i = 0; i < count; ++i)
        values[i] = uint8_t(i * 7 + 1);
    return values;
}

std::vector<uint8_t> Decode(const std::vector<uint8_t>& encoded, uint32_t width, uint32_t height)
{
    std::vector<uint8_t> indices(size_t(width) * height, 0xEE);
    DecodeRLE8(encoded.data(), encoded.size(), indices.data(), width, height);
    return indices;
}

} // namespace

TEST(RunLength, NarrowRowsExactly)
{
    // Each row ends 0, 0, the image 0, 1. Rows narrower than 3 use encoded runs of
    // one pixel, since 0, 1 and 0, 2 would read as the image's end and a move.
    const std::vector<uint8_t> indices = {10, 11, 12, 20, 21, 22};
    const struct { uint32_t width, height; std::vector<uint8_t> encoded; } cases[] = {
        {3, 2, {0, 3, 10, 11, 12, 0, 0, 0, 0, 3, 20, 21, 22, 0, 0, 1}}, // a pad byte keeps items at even offsets
        {1, 2, {1, 10, 0, 0, 1, 11, 0, 1}},
        {2, 1, {1, 10, 1, 11, 0, 1}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EncodeRLE8(indices.data(), c.width, c.height), c.encoded) << c.width;
        EXPECT_EQ(GetRLE8EncodedSize(c.width, c.height), c.encoded.size()) << c.width;
        EXPECT_EQ(Decode(c.encoded, c.width, c.height), std::vector<uint8_t>(indices.begin(), indices.begin() + c.width * c.height));
    }
}

TEST(RunLength, LongRowsSplitIntoAbsoluteRunsOfAtLeastThree)
{
    const struct { uint32_t width; std::vector<int> runs; } cases[] = {
        {257, {240, 17}}, // 255 would leave 2
        {256, {240, 16}}, // 255 would leave 1
        {258, {255, 3}},
        {300, {255, 45}},
        {255, {255}},
        {766, {255, 255, 240, 16}},
    };
    for (const auto& c : cases) {
        // Each run: 0, its length, its pixels, a pad byte when the length is odd.
        const std::vector<uint8_t> row = Ramp(c.width);
        std::vector<uint8_t> expected;
        for (auto pixel = row.begin(); int run : c.runs) {
            expected.insert(expected.end(), {0, uint8_t(run)});
            expected.insert(expected.end(), pixel, pixel + run);
            if (run & 1)
                expected.push_back(0);
            pixel += run;
        }
        expected.insert(expected.end(), {0, 1});
        const std::vector<uint8_t> encoded = EncodeRLE8(row.data(), c.width, 1);
        EXPECT_EQ(encoded, expected) << c.width;
        EXPECT_EQ(GetRLE8EncodedSize(c.width, 1), encoded.size()) << c.width;
        EXPECT_EQ(Decode(encoded, c.width, 1), row) << c.width;
    }
}

TEST(RunLength, DecodingStaysInsideItsBuffers)
{
    // Encoded runs and moves, clipped at the image's edges.
    const std::vector<uint8_t> data = {
        5, 7,       // five of colour 7 in a row of four: one is dropped
        0, 0,       // next row
        0, 2, 1, 0, // move one right
        2, 9,       // two of colour 9
        0, 2, 0, 9, // move far beyond the image: decoding ends
    };
    std::vector<uint8_t> out(4 * 2, 0);
    DecodeRLE8(data.data(), data.size(), out.data(), 4, 2);
    EXPECT_EQ(out, (std::vector<uint8_t>{7, 7, 7, 7, 0, 9, 9, 0}));
    // An absolute run cut short, then a move without its two bytes, then no data at all.
    std::vector<uint8_t> row(4, 0xEE);
    for (const std::vector<uint8_t>& cut : {std::vector<uint8_t>{0, 9, 1, 2, 3}, {0, 2, 5}, {}})
        DecodeRLE8(cut.data(), cut.size(), row.data(), 4, 1);
    EXPECT_EQ(row, (std::vector<uint8_t>{1, 2, 3, 0xEE}));
}
