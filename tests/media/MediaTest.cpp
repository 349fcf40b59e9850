// The behaviour CMedia itself gives every medium, seen through a small medium over a string.
#include "media/Media.h"
#include "media/XBase.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

class CTextMedia : public CMedia {
public:
    explicit CTextMedia(std::string bytes) : mBytes(std::move(bytes)) {}

    void Read(int32_t size, void* buffer) override
    {
        std::memcpy(buffer, mBytes.data() + mPosition, size);
        mPosition += size;
    }
    void Write(int32_t size, const void* buffer) override
    {
        mBytes.replace(mPosition, size, static_cast<const char*>(buffer), size);
        mPosition += size;
    }
    int32_t GetPosition() override { return mPosition; }
    void SetPosition(int32_t position) override { mPosition = position; }
    int32_t GetSize() override { return static_cast<int32_t>(mBytes.size()); }

    std::string mBytes;

private:
    int32_t mPosition = 0;
};

} // namespace

TEST(Media, PeekSkipAndTheAtOperations)
{
    CTextMedia media("abcdef");
    media.SetPosition(2);
    char two[2];
    media.Peek(2, two);
    EXPECT_EQ(std::string(two, 2), "cd");
    EXPECT_EQ(media.PeekByte(), 'c');
    EXPECT_EQ(media.GetPosition(), 2);
    EXPECT_EQ(media.ReadByte(), 'c');
    media.Skip(2);
    EXPECT_EQ(media.ReadByte(), 'f');
    media.Skip(-3);
    EXPECT_EQ(media.ReadByte(), 'd');

    char one = 0;
    media.ReadAt(0, 1, &one);
    EXPECT_EQ(one, 'a');
    media.WriteAt(1, 1, "x"); // already there
    media.WriteAt(4, 1, "y");
    EXPECT_EQ(media.mBytes, "axcdyf");
    EXPECT_EQ(media.GetPosition(), 5);
}

TEST(Media, ReadWordAtIsLittleEndian)
{
    CTextMedia media("\x01\x02\x03\x04");
    EXPECT_EQ(media.ReadWordAt(1), 0x0302);
}

TEST(Media, FillWritesTheCountOfBytes)
{
    CTextMedia media("");
    media.Fill(0xFF, 250);
    media.Fill(1, 0);
    media.Fill(1, -5);
    media.WriteZeros(3);
    EXPECT_EQ(media.mBytes, std::string(250, '\xFF') + std::string(3, '\0'));
}

TEST(Media, SkipThatWouldOverflowIsRefused)
{
    CTextMedia media("abc");
    media.SetPosition(2);
    EXPECT_THROW(media.Skip(INT32_MAX), XPosition);
}
