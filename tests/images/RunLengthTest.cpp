#include "images/RunLength.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace {

std::vector<uint8_t> Ramp(size_t count)
{
    std::vector<uint8_t> values(count);
    for (size_t i = 0; i < count; ++i)
        values[i] = uint8_t(i * 7 + 1);
    return values;
}

// The run lengths of one encoded row, checking the item framing on the way.
std::vector<int> Runs(const std::vector<uint8_t>& data, size_t& pos)
{
    std::vector<int> runs;
    while (pos + 1 < data.size()) {
        EXPECT_EQ(pos % 2, 0u) << "items start at even offsets";
        EXPECT_EQ(data[pos], 0) << "absolute runs only";
        const int count = data[pos + 1];
        pos += 2;
        if (count == 0 || count == 1)
            break;
        EXPECT_GE(count, 3);
        runs.push_back(count);
        pos += size_t(count) + (count & 1);
    }
    return runs;
}

} // namespace

TEST(RunLength, ThreePixelRows)
{
    const std::vector<uint8_t> indices = {10, 11, 12, 20, 21, 22};
    const std::vector<uint8_t> encoded = EncodeRLE8(indices.data(), 3, 2);
    const std::vector<uint8_t> expected = {
        0, 3, 10, 11, 12, 0, 0, 0, // run of three, a skipped byte, end of row
        0, 3, 20, 21, 22, 0, 0, 1, // the image's last end is the end of the image
    };
    EXPECT_EQ(encoded, expected);
    EXPECT_EQ(GetRLE8EncodedSize(3, 2), expected.size());
}

TEST(RunLength, LongRowsSplitIntoRunsOfAtLeastThree)
{
    const struct {
        uint32_t width;
        std::vector<int> runs;
    } cases[] = {
        {257, {240, 17}}, // 255 would leave 2
        {256, {240, 16}}, // 255 would leave 1
        {258, {255, 3}},
        {300, {255, 45}},
        {255, {255}},
        {766, {255, 255, 240, 16}},
    };
    for (const auto& c : cases) {
        const std::vector<uint8_t> row = Ramp(c.width);
        const std::vector<uint8_t> encoded = EncodeRLE8(row.data(), c.width, 1);
        size_t pos = 0;
        EXPECT_EQ(Runs(encoded, pos), c.runs) << c.width;
        EXPECT_EQ(pos, encoded.size()) << c.width;
        EXPECT_EQ(encoded[encoded.size() - 1], 1) << c.width;
        EXPECT_EQ(GetRLE8EncodedSize(c.width, 1), encoded.size()) << c.width;
    }
}

TEST(RunLength, ThePixelsOfA300PixelRow)
{
    const std::vector<uint8_t> row = Ramp(300);
    const std::vector<uint8_t> encoded = EncodeRLE8(row.data(), 300, 1);
    ASSERT_EQ(encoded.size(), 2 + 255 + 1 + 2 + 45 + 1 + 2u);
    EXPECT_TRUE(std::equal(row.begin(), row.begin() + 255, encoded.begin() + 2));
    EXPECT_EQ(encoded[258], 0);
    EXPECT_EQ(encoded[259], 45);
    EXPECT_TRUE(std::equal(row.begin() + 255, row.end(), encoded.begin() + 260));
}

TEST(RunLength, RowsNarrowerThanThreeUseSinglePixelRuns)
{
    // 0, 1 and 0, 2 would read as the image's end and a move.
    const std::vector<uint8_t> one = {9, 8};
    EXPECT_EQ(EncodeRLE8(one.data(), 1, 2), (std::vector<uint8_t>{1, 9, 0, 0, 1, 8, 0, 1}));
    const std::vector<uint8_t> two = {5, 6};
    EXPECT_EQ(EncodeRLE8(two.data(), 2, 1), (std::vector<uint8_t>{1, 5, 1, 6, 0, 1}));
}

TEST(RunLength, DecodingGivesBackTheRows)
{
    for (uint32_t width : {1u, 2u, 3u, 4u, 17u, 255u, 256u, 257u, 300u, 511u, 1674u}) {
        const uint32_t height = 3;
        const std::vector<uint8_t> indices = Ramp(size_t(width) * height);
        const std::vector<uint8_t> encoded = EncodeRLE8(indices.data(), width, height);
        std::vector<uint8_t> decoded(indices.size(), 0xEE);
        DecodeRLE8(encoded.data(), encoded.size(), decoded.data(), width, height);
        EXPECT_EQ(decoded, indices) << width;
    }
}

TEST(RunLength, DecodingStaysInsideItsBuffers)
{
    // Encoded runs and moves, clipped at the image's edges; a cut absolute run.
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

    const std::vector<uint8_t> cut = {0, 9, 1, 2, 3};
    std::vector<uint8_t> small(4, 0);
    DecodeRLE8(cut.data(), cut.size(), small.data(), 4, 1);
    EXPECT_EQ(small, (std::vector<uint8_t>{1, 2, 3, 0}));

    const std::vector<uint8_t> odd = {0, 2, 5}; // a move without its two bytes
    DecodeRLE8(odd.data(), odd.size(), small.data(), 4, 1);
    DecodeRLE8(nullptr, 0, small.data(), 4, 1);
    EXPECT_EQ(small, (std::vector<uint8_t>{1, 2, 3, 0}));
}
