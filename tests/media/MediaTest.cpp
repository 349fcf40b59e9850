// The behaviour CMedia itself gives every medium, seen through a recording medium.
#include "media/Media.h"
#include "media/XBase.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

class CRecordingMedia : public CMedia {
public:
    explicit CRecordingMedia(std::string bytes) : mBytes(std::move(bytes)) {}

    void Read(int32_t size, void* buffer) override
    {
        calls += "R" + std::to_string(size) + " ";
        std::memcpy(buffer, mBytes.data() + mPosition, size);
        mPosition += size;
    }
    void Write(int32_t size, const void* buffer) override
    {
        calls += "W" + std::to_string(size) + " ";
        written.append(static_cast<const char*>(buffer), size);
    }
    int32_t GetPosition() override
    {
        calls += "G ";
        return mPosition;
    }
    void SetPosition(int32_t position) override
    {
        calls += "S" + std::to_string(position) + " ";
        mPosition = position;
    }
    int32_t GetSize() override { return static_cast<int32_t>(mBytes.size()); }

    std::string calls;
    std::string written;

private:
    std::string mBytes;
    int32_t mPosition = 0;
};

} // namespace

TEST(Media, SkipOfZeroTouchesNothing)
{
    CRecordingMedia media("abcdef");
    media.Skip(0);
    EXPECT_EQ(media.calls, "");
    media.Skip(3);
    EXPECT_EQ(media.calls, "G S3 ");
}

TEST(Media, PeekLeavesThePosition)
{
    CRecordingMedia media("abcdef");
    media.SetPosition(2);
    char two[2];
    media.Peek(2, two);
    EXPECT_EQ(std::string(two, 2), "cd");
    EXPECT_EQ(media.PeekByte(), 'c');
    EXPECT_EQ(media.GetPosition(), 2);
    EXPECT_EQ(media.ReadByte(), 'c');
    EXPECT_EQ(media.GetPosition(), 3);
}

TEST(Media, ReadAtAlwaysSeeksWriteAtOnlyWhenNeeded)
{
    CRecordingMedia media("abcdef");
    char one;
    media.ReadAt(0, 1, &one);
    EXPECT_EQ(media.calls, "S0 R1 ");

    media.calls.clear();
    media.WriteAt(1, 1, "x"); // already at 1
    EXPECT_EQ(media.calls, "G W1 ");

    media.calls.clear();
    media.WriteAt(4, 1, "y");
    EXPECT_EQ(media.calls, "G S4 W1 ");
}

TEST(Media, ReadWordAtIsLittleEndian)
{
    CRecordingMedia media("\x01\x02\x03\x04");
    EXPECT_EQ(media.ReadWordAt(1), 0x0302);
}

TEST(Media, FillWritesInPiecesOfAHundred)
{
    CRecordingMedia media("");
    media.Fill(0xFF, 250);
    EXPECT_EQ(media.calls, "W100 W100 W50 ");
    EXPECT_EQ(media.written, std::string(250, '\xFF'));

    media.calls.clear();
    media.Fill(1, 0);
    media.Fill(1, -5);
    media.WriteZeros(3);
    EXPECT_EQ(media.calls, "W3 ");
    EXPECT_EQ(media.written.substr(250), std::string(3, '\0'));
}

TEST(Media, SkipThatWouldOverflowIsRefused)
{
    CRecordingMedia media("abc");
    media.SetPosition(2);
    EXPECT_THROW(media.Skip(INT32_MAX), XPosition);
}
