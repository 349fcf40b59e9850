#include "chunks/IFFReader2.h"
#include "media/MemoryMedia.h"
#include "media/XBase.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// A medium over a copy of `bytes`, kept alive by the fixture-less helper.
struct SMedium {
    explicit SMedium(const std::string& bytes)
        : data(bytes)
        , media(static_cast<int32_t>(data.size()), data.data())
    {
    }
    std::string data;
    CMemoryMedia media;
};

std::string Dump(const std::string& bytes, int32_t indent = 0)
{
    SMedium in(bytes);
    CMemoryMedia out(1 << 16);
    CIFFReader2::DumpChunks(in.media, out, indent);
    return std::string(reinterpret_cast<const char*>(out.GetBuffer()), out.GetPosition());
}

// FORM "TEST" { "AAAA" 3 bytes + pad, FORM "AAAA" {}, "BBBB" 4 bytes }
const std::string kTree("FORM\0\0\0\x28" "TEST"
                        "AAAA\0\0\0\x03" "xyz\0"
                        "FORM\0\0\0\x04" "AAAA"
                        "BBBB\0\0\0\x04" "1234", 48);

} // namespace

TEST(IFFReader2, WalksOneLevel)
{
    SMedium file(kTree);
    CIFFReader2 reader(file.media);
    CIFFChunkInfo chunk;
    ASSERT_TRUE(reader.GetFirstChunk(chunk));
    EXPECT_EQ(chunk.GetKind(), kFormChunk);
    EXPECT_STREQ(chunk.GetID(), "TEST");
    EXPECT_EQ(chunk.GetDataSize(), 36);
    EXPECT_EQ(chunk.GetTotalSize(), 48);
    EXPECT_FALSE(reader.GetNextChunk(chunk, chunk));
    EXPECT_EQ(reader.CountChunks(), 1);

    CIFFReader2 child(reader, chunk);
    file.media.SetPosition(20);
    EXPECT_EQ(child.CountChunks(), 3);
    EXPECT_EQ(file.media.GetPosition(), 20); // counting leaves the position alone

    // FindChunk finds simple chunks only: the inner FORM typed "AAAA" is passed over.
    ASSERT_TRUE(child.FindChunk("BBBB", chunk));
    EXPECT_EQ(chunk.GetPosition(), 24);
    char data[4];
    child.ReadChunkData(chunk, data);
    EXPECT_EQ(std::string(data, 4), "1234");
    ASSERT_TRUE(child.FindChunk("AAAA", chunk));
    EXPECT_EQ(chunk.GetPosition(), 0);
    ASSERT_TRUE(child.FindForm("AAAA", chunk));
    EXPECT_EQ(chunk.GetPosition(), 12);
    EXPECT_EQ(chunk.GetDataSize(), 0);
    EXPECT_FALSE(child.FindCat("AAAA", chunk));
    EXPECT_STREQ(chunk.GetID(), "BBBB"); // the last chunk visited
}

TEST(IFFReader2, ShortAndEmptyMedia)
{
    SMedium tiny(std::string("FORM\0\0\0", 7));
    CIFFReader2 reader(tiny.media);
    CIFFChunkInfo chunk;
    EXPECT_FALSE(reader.GetFirstChunk(chunk));
    EXPECT_FALSE(reader.FindChunk("FORM", chunk));
    EXPECT_EQ(reader.CountChunks(), 0);

    SMedium empty(std::string("NONE\0\0\0\0", 8));
    CIFFReader2 emptyReader(empty.media);
    ASSERT_TRUE(emptyReader.GetFirstChunk(chunk));
    EXPECT_EQ(chunk.GetDataSize(), 0);
    EXPECT_FALSE(emptyReader.GetNextChunk(chunk, chunk));
}

TEST(IFFReader2, MissingFinalPadByteIsAnError)
{
    SMedium file(std::string("ODD1\0\0\0\x01" "x", 9));
    CIFFReader2 reader(file.media);
    CIFFChunkInfo chunk;
    ASSERT_TRUE(reader.GetFirstChunk(chunk));
    EXPECT_THROW(reader.GetNextChunk(chunk, chunk), XBase);
}

TEST(IFFReader2, HostileSizesAreRefused)
{
    CIFFChunkInfo chunk;
    for (const std::string& bytes : {
             std::string("DATA\x80\0\0\0", 8),                 // 2^31
             std::string("DATA\xFF\xFF\xFF\xFF", 8),           // 2^32 - 1
             std::string("DATA\0\0\0\x09" "12345678", 16),     // one byte past the end
             std::string("FORM\0\0\0\x02" "TEST", 12),         // ends before its type
             std::string("FORM\xFF\xFF\xFF\xFF" "TEST", 12),
         }) {
        SMedium file(bytes);
        CIFFReader2 reader(file.media);
        EXPECT_THROW(reader.GetFirstChunk(chunk), XBase);
        EXPECT_FALSE(CIFFReader2::IsIFFMedia(file.media));
    }
}

TEST(IFFReader2, IsIFFMediaWantsExactlyOneGroup)
{
    SMedium exact(kTree);
    EXPECT_TRUE(CIFFReader2::IsIFFMedia(exact.media));
    SMedium trailing(kTree + std::string(1, '\0'));
    EXPECT_FALSE(CIFFReader2::IsIFFMedia(trailing.media));
    SMedium twoGroups(kTree + kTree);
    EXPECT_FALSE(CIFFReader2::IsIFFMedia(twoGroups.media));
    SMedium simple(std::string("DATA\0\0\0\x02" "ab", 10));
    EXPECT_FALSE(CIFFReader2::IsIFFMedia(simple.media));
}

TEST(IFFReader2, DescriptorRules)
{
    CIFFChunkInfo none;
    EXPECT_EQ(none.GetKind(), kNoChunk);
    EXPECT_STREQ(none.GetID(), "");
    EXPECT_THROW(none.GetHeaderSize(), XBase);
    EXPECT_THROW(none.GetTotalSize(), XBase);

    CIFFChunkInfo named(kSimpleChunk, "LONGER", 4, 10);
    EXPECT_STREQ(named.GetID(), "LONG");
    EXPECT_TRUE(named.IDIs("LONG"));
    EXPECT_FALSE(named.IDIs("LON"));
    EXPECT_EQ(named.GetTotalSize(), 18);

    // A child made from a descriptor of no kind is left empty instead of throwing.
    SMedium file(kTree);
    CIFFReader2 reader(file.media);
    CIFFReader2 child(reader, none);
    EXPECT_EQ(child.GetMedia(), nullptr);
}

TEST(IFFReader2, DumpIndentsGroupsAndEmptyGroupsStayEmpty)
{
    EXPECT_EQ(Dump(kTree, 2),
              "  Dumping contents of 'FORM' chunk (TEST)\n"
              "      Simple chunk, type: AAAA, size: 3\n"
              "      Dumping contents of 'FORM' chunk (AAAA)\n"
              "      Simple chunk, type: BBBB, size: 4\n");
}

TEST(IFFReader2, DumpBoundsItsDepthAndPassesFailuresOn)
{
    // 100 nested LIST groups, each holding the next.
    std::string nested;
    for (int level = 0; level < 100; ++level) {
        const uint32_t size = 4 + 12 * (99 - level);
        std::string header("LIST", 4);
        header += static_cast<char>(size >> 24);
        header += static_cast<char>(size >> 16);
        header += static_cast<char>(size >> 8);
        header += static_cast<char>(size);
        nested += header + "DEEP";
    }
    EXPECT_THROW(Dump(nested), XBadFormat);
    EXPECT_THROW(Dump(std::string("DATA\0\0\0\x09" "1", 9)), XBase);
}
