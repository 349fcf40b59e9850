#include "chunks/IFFReader2.h"
#include "chunks/IFFWriter2.h"
#include "media/MemoryMedia.h"
#include "media/XBase.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string Bytes(CMemoryMedia& media, int32_t from, int32_t count)
{
    return std::string(reinterpret_cast<const char*>(media.GetBuffer()) + from, count);
}

} // namespace

TEST(IFFWriter2, SimpleChunkAtAnOddEndGetsAPadByte)
{
    CMemoryMedia media(64);
    media.Fill(0xAA, 64);
    media.SetPosition(12);
    CIFFWriter2 writer(media);
    writer.WriteChunk("DATA", 5, "abcde");
    EXPECT_EQ(media.GetPosition(), 26); // 12 + 8 + 5, then the pad byte
    EXPECT_EQ(Bytes(media, 12, 14), std::string("DATA\0\0\0\x05" "abcde\0", 14));
}

TEST(IFFWriter2, GroupSizeCountsInnerPadBytes)
{
    CMemoryMedia media(64);
    media.Fill(0xAA, 64);
    media.SetPosition(0);
    CIFFWriter2 writer(media);
    CIFFChunkInfo form;
    writer.BeginForm(form, "TEST");
    EXPECT_EQ(form.GetKind(), kFormChunk);
    EXPECT_STREQ(form.GetID(), "TEST");
    {
        CIFFWriter2 child(writer, form);
        child.WriteChunk("AAAA", 3, "xyz");
        child.WriteChunk("BBBB", 4, "1234");
    }
    writer.EndChunk(form);
    EXPECT_EQ(media.GetPosition(), 36);
    const std::string expected("FORM\0\0\0\x1C" "TEST"
                               "AAAA\0\0\0\x03" "xyz\0"
                               "BBBB\0\0\0\x04" "1234", 36);
    EXPECT_EQ(Bytes(media, 0, 36), expected);
}

TEST(IFFWriter2, StreamedChunkThroughItsWindow)
{
    CMemoryMedia media(32);
    CIFFWriter2 writer(media);
    CIFFChunkInfo chunk;
    writer.BeginChunk(chunk, "EMBF");
    {
        std::unique_ptr<CMedia> window(writer.OpenChunkMedia(chunk));
        window->Write(2, "ab");
        window->Write(3, "cde");
    }
    writer.EndChunk(chunk);
    EXPECT_EQ(Bytes(media, 0, 14), std::string("EMBF\0\0\0\x05" "abcde\0", 14));
}

TEST(IFFWriter2, FailedWriteIsPassedOn)
{
    CMemoryMedia media(10);
    CIFFWriter2 writer(media);
    EXPECT_THROW(writer.WriteChunk("DATA", 5, "abcde"), XWrite);
}

TEST(IFFWriter2, ReaderWalksWhatTheWriterWrote)
{
    CMemoryMedia media(128);
    CIFFWriter2 writer(media);
    CIFFChunkInfo cat;
    writer.BeginCat(cat, "WTDM");
    {
        CIFFWriter2 child(writer, cat);
        child.WriteChunk("HEAD", 10, "0123456789");
        CIFFChunkInfo list;
        child.BeginList(list, "LSTT");
        {
            CIFFWriter2 grandchild(child, list);
            grandchild.WriteChunk("ITEM", 1, "!");
        }
        child.EndChunk(list);
    }
    writer.EndChunk(cat);
    const int32_t end = media.GetPosition();

    CMemoryMedia file(end, media.GetBuffer());
    EXPECT_TRUE(CIFFReader2::IsIFFMedia(file));

    CMemoryMedia dump(512);
    CIFFReader2::DumpChunks(file, dump, 0);
    EXPECT_EQ(Bytes(dump, 0, dump.GetPosition()),
              "Dumping contents of 'CAT ' chunk (WTDM)\n"
              "    Simple chunk, type: HEAD, size: 10\n"
              "    Dumping contents of 'LIST' chunk (LSTT)\n"
              "        Simple chunk, type: ITEM, size: 1\n");
}
