#include "media/MemoryMedia.h"
#include "media/PartialMedia.h"
#include "media/XBase.h"

#include <gtest/gtest.h>

#include <cstring>
#include <numeric>

namespace {

// A 150-byte medium whose byte i holds i.
class PartialMediaTest : public ::testing::Test {
protected:
    PartialMediaTest()
    {
        std::iota(mInner.GetBuffer(), mInner.GetBuffer() + 150, 0);
    }
    CMemoryMedia mInner{150};
};

} // namespace

TEST_F(PartialMediaTest, WindowChecksPositionsAndReads)
{
    CPartialMedia window(mInner, 100, 10);
    EXPECT_EQ(window.GetSize(), 10);
    window.SetPosition(10); // the end is allowed
    EXPECT_THROW(window.SetPosition(11), XPosition);

    uint8_t buffer[11];
    window.SetPosition(0);
    window.Read(10, buffer);
    EXPECT_EQ(buffer[0], 100);
    EXPECT_EQ(buffer[9], 109);

    window.SetPosition(0);
    EXPECT_THROW(window.Read(11, buffer), XRead);
    EXPECT_EQ(mInner.GetPosition(), 100); // untouched by the refused read
    EXPECT_THROW(window.Peek(11, buffer), XRead);
    EXPECT_THROW(window.Write(11, buffer), XWrite);
}

TEST_F(PartialMediaTest, WindowsShareTheInnerPosition)
{
    CPartialMedia first(mInner, 100, 10);
    CPartialMedia second(mInner, 40, 0);
    first.SetPosition(3);
    EXPECT_EQ(mInner.GetPosition(), 103);
    EXPECT_EQ(second.GetPosition(), 63);
    mInner.SetPosition(105);
    EXPECT_EQ(first.GetPosition(), 5);
    EXPECT_EQ(first.ReadByte(), 105);
}

TEST_F(PartialMediaTest, OpenEndedWindow)
{
    CPartialMedia window(mInner, 100, 0);
    EXPECT_EQ(window.GetSize(), 50);
    window.SetPosition(0);
    uint8_t buffer[60] = {};
    window.Read(50, buffer); // readable up to the inner medium's end
    EXPECT_EQ(buffer[49], 149);
    window.SetPosition(0);
    EXPECT_THROW(window.Read(51, buffer), XRead);
    window.SetPosition(0);
    window.Write(50, buffer); // any write is the inner medium's to refuse
    EXPECT_THROW(window.Write(1, buffer), XWrite);
}

TEST_F(PartialMediaTest, SkipAndWordChecks)
{
    CPartialMedia window(mInner, 100, 10);
    window.SetPosition(5);
    window.Skip(5);
    EXPECT_THROW(window.Skip(1), XBase);
    EXPECT_THROW(window.Skip(-11), XBase);
    EXPECT_EQ(window.GetPosition(), 10);

    EXPECT_EQ(window.ReadWordAt(100), 100 | (101 << 8)); // an inner position
    EXPECT_THROW(window.ReadWordAt(99), XBase);
    EXPECT_THROW(window.ReadWordAt(111), XBase);
}

TEST_F(PartialMediaTest, AtOperationsGoStraightThrough)
{
    CPartialMedia window(mInner, 100, 10);
    uint8_t byte = 0;
    window.ReadAt(2, 1, &byte);
    EXPECT_EQ(byte, 102);
    window.WriteAt(0, 1, "\xEE");
    EXPECT_EQ(mInner.GetBuffer()[100], 0xEE);
    EXPECT_THROW(window.SetPosition(-101), XPosition);
}

TEST_F(PartialMediaTest, HugeSizesDoNotOverflow)
{
    CPartialMedia window(mInner, INT32_MAX - 5, INT32_MAX);
    EXPECT_THROW(window.SetPosition(10), XPosition);
    CPartialMedia near(mInner, 100, 10);
    uint8_t buffer[1];
    near.SetPosition(5);
    EXPECT_THROW(near.Read(INT32_MAX, buffer), XRead);
    EXPECT_THROW(near.Skip(INT32_MAX), XBase);
}
