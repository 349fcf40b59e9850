#include "app/ModInfo.h"
#include "app/ModReader.h"
#include "app/ModWriter.h"
#include "media/ByteOrder.h"
#include "media/DiscardMedia.h"
#include "media/StringMedia.h"
#include "media/XBase.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <sys/mman.h>

namespace {

std::string WriteMod(void (*addComponents)(CModWriter&), const CModInfo& info = CModInfo())
{
    CStringMedia file;
    CModWriter writer(file);
    addComponents(writer);
    writer.Finish(info);
    return file.GetBytes();
}

void NoComponents(CModWriter&) {}

} // namespace

TEST(ModFile, EmptyModIsExactly1564Bytes)
{
    CModInfo info;
    std::strcpy(info.GetModName(), "X");
    const std::string mod = WriteMod(NoComponents, info);
    ASSERT_EQ(mod.size(), 1564u);
    const std::string first32("CAT \x00\x00\x06\x14WTDMHEAD\x00\x00\x01\x00\x5B\x35\xB3\x5B\xBC\x01\x00\x00\x00(c)", 32);
    EXPECT_EQ(mod.substr(0, 32), first32);
    // The notice, then zeros to the end of the header block.
    EXPECT_EQ(mod.substr(29, 27), std::string("(c) Wrenfieldhaus Software\0", 27));
    EXPECT_EQ(mod.substr(20 + 26 + 9, 256 - 26 - 9), std::string(256 - 26 - 9, '\0'));
    EXPECT_EQ(mod.substr(276, 8), std::string("INFO\x00\x00\x05\x00", 8));
}

TEST(ModFile, ComponentSizesAndPadBytes)
{
    const std::string odd = WriteMod([](CModWriter& writer) {
        const std::string content(1000, 'x');
        writer.AddComponent("Demo.tds", content.data(), 1000);
    });
    // "EMBF", size 9 + 1000 = 1009, the name and its zero, the content, one pad byte.
    EXPECT_EQ(odd.substr(276, 17), std::string("EMBF\x00\x00\x03\xF1" "Demo.tds\0", 17));
    EXPECT_EQ(odd[276 + 8 + 1009], '\0');
    EXPECT_EQ(odd.substr(276 + 8 + 1010, 4), "INFO");
    EXPECT_EQ(GetBE32(odd.data() + 4), odd.size() - 8);

    const std::string even = WriteMod([](CModWriter& writer) {
        const std::string content(1001, 'y');
        writer.AddComponent("Demo.tds", content.data(), 1001);
    });
    EXPECT_EQ(even.substr(276, 8), std::string("EMBF\x00\x00\x03\xF2", 8));
    EXPECT_EQ(even.substr(276 + 8 + 1010, 4), "INFO"); // no pad byte
    EXPECT_EQ(even.size(), 1564u + 8 + 1010);
}

TEST(ModFile, AModStopsBeforeGrowingPast2GiB)
{
    // Content that is never touched: the discarding medium only counts it.
    constexpr int32_t kLargest = 2147482065; // 276 + 8 + 9 + this + 1288 = 2^31 - 2
    void* pages = mmap(nullptr, size_t{kLargest} + 1, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    ASSERT_NE(pages, MAP_FAILED);
    CDiscardMedia file;
    CModWriter writer(file);
    // One byte more, with its pad byte, would leave no room for the text record.
    EXPECT_THROW(writer.AddComponent("Demo.tds", pages, kLargest + 1), XTooLarge);
    EXPECT_EQ(file.GetSize(), 276);
    writer.AddComponent("Demo.tds", pages, kLargest);
    writer.Finish(CModInfo());
    EXPECT_EQ(file.GetSize(), INT32_MAX - 1);
    munmap(pages, size_t{kLargest} + 1);
}

TEST(ModFile, InfoReaderRules)
{
    uint8_t image[1280] = {};
    std::memset(image, 'c', 601);       // no terminator in the comments field
    std::memcpy(image + 1003, "Name", 4);
    CModInfo info;
    info.ReadImage(image);
    EXPECT_EQ(std::string(info.GetComments()), std::string(600, 'c'));
    EXPECT_STREQ(info.GetModName(), "Name");
    EXPECT_EQ(info.GetVersion().GetPacked(), CVersion(1, 0, 0).GetPacked()); // byte 1073 zero

    image[1073] = 0xBC;
    image[1074] = 2;
    image[1075] = 3;
    image[1076] = 4;
    info.ReadImage(image);
    EXPECT_EQ(info.GetVersion().GetPacked(), CVersion(2, 3, 4).GetPacked());

    image[1073] = 0x77; // an unknown marker keeps what the record had
    info.ReadImage(image);
    EXPECT_EQ(info.GetVersion().GetPacked(), CVersion(2, 3, 4).GetPacked());
}

TEST(ModFile, ReaderRoundTrip)
{
    CModInfo info;
    std::strcpy(info.GetModName(), "Round Trip");
    std::strcpy(info.GetComments(), "c");
    CStringMedia file;
    {
        CModWriter writer(file);
        writer.AddComponent("12015.jpg", "JPEGBYTES", 9);
        writer.AddComponent("Demo.tds", "", 0);
        writer.Finish(info);
    }
    CModReader reader(file);
    ASSERT_EQ(reader.GetComponents().size(), 2u);
    const SModComponent& image = reader.GetComponents()[0];
    EXPECT_EQ(image.storedName, "12015.jpg");
    EXPECT_EQ(image.contentSize, 9);
    char content[9];
    reader.ReadContent(image, content);
    EXPECT_EQ(std::string(content, 9), "JPEGBYTES");
    EXPECT_EQ(reader.GetComponents()[1].storedName, "Demo.tds");
    EXPECT_EQ(reader.GetComponents()[1].contentSize, 0);
    EXPECT_STREQ(reader.GetInfo().GetModName(), "Round Trip");
    EXPECT_EQ(reader.GetHeader().GetCode(), 0x5B35B35Bu);
    EXPECT_STREQ(reader.GetHeader().GetText(), "(c) Wrenfieldhaus Software");
    EXPECT_FALSE(CModReader::IsAbandoned(file));
}

TEST(ModFile, AbandonedAndForeignFilesAreRefused)
{
    CStringMedia abandoned;
    {
        CModWriter writer(abandoned);
        writer.AddComponent("Demo.tds", "abc", 3);
        // never finished: the group's size stays 0 and there is no "INFO"
    }
    EXPECT_EQ(abandoned.GetSize(), 12 + 264 + 8 + 12);
    EXPECT_TRUE(CModReader::IsAbandoned(abandoned));
    EXPECT_THROW(CModReader{abandoned}, XBadFormat);

    CStringMedia form(std::string("FORM\0\0\0\x04" "AIFF", 12));
    EXPECT_THROW(CModReader{form}, XBadFormat);
    EXPECT_FALSE(CModReader::IsAbandoned(form));

    // A complete mod whose "INFO" chunk is missing.
    CStringMedia noInfo;
    {
        CModWriter writer(noInfo);
    }
    std::string bytes = noInfo.GetBytes();
    SetBE32(bytes.data() + 4, static_cast<uint32_t>(bytes.size() - 8));
    CStringMedia patched(bytes);
    EXPECT_THROW(CModReader{patched}, XBadFormat);

    // A component name without its terminating zero.
    CModInfo info;
    std::strcpy(info.GetModName(), "n");
    std::string named = WriteMod([](CModWriter& writer) { writer.AddComponent("abc", "", 0); }, info);
    named[276 + 8 + 3] = 'd';
    CStringMedia unterminated(named);
    EXPECT_THROW(CModReader{unterminated}, XBadFormat);
}
