#include "media/MemoryMedia.h"
#include "media/OpenResourceItem.h"
#include "media/XBase.h"
#include "platform/system/EmbeddedResources.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

const unsigned char kHello[] = {'h', 'e', 'l', 'l', 'o'};
const SEmbeddedResource kTestTable[] = {
    {"TEST", 7, kHello, sizeof kHello},
    {"SSTR", 1000, reinterpret_cast<const unsigned char*>("{{c}10\t{Stop}"), 13},
};

class ResourceItemTest : public ::testing::Test {
protected:
    void SetUp() override { EmbeddedResources::Install(kTestTable, 2); }
    void TearDown() override { EmbeddedResources::Install(nullptr, 0); }
};

} // namespace

TEST_F(ResourceItemTest, EveryReadStartsAtTheItemsStart)
{
    COpenResourceItem item("", "TEST", 7);
    EXPECT_EQ(item.GetSize(), 5);
    char first[3];
    char second[3];
    item.Read(3, first);
    item.Read(3, second);
    EXPECT_EQ(std::memcmp(first, "hel", 3), 0);
    EXPECT_EQ(std::memcmp(second, "hel", 3), 0);
    EXPECT_EQ(item.GetPosition(), 0);

    char larger[8] = {};
    item.Read(8, larger);
    EXPECT_STREQ(larger, "hello"); // only the item's own bytes are copied
}

TEST_F(ResourceItemTest, MissingItemsAndForeignModules)
{
    COpenResourceItem missing("", "TEST", 8);
    char buffer[1];
    EXPECT_THROW(missing.Read(1, buffer), XBase);
    EXPECT_THROW(missing.GetSize(), XBase);
    EXPECT_THROW(COpenResourceItem("/usr/lib/other.so", "TEST", 7), XFile);

    COpenResourceItem own(SystemModule::GetModulePath().c_str(), "TEST", 7);
    EXPECT_EQ(own.GetSize(), 5);
}

TEST_F(ResourceItemTest, LoadsAnItemIntoMemory)
{
    CResourceModule module("");
    std::unique_ptr<CMemoryMedia> media(module.LoadResourceIntoMemory("SSTR", 1000));
    EXPECT_EQ(media->GetSize(), 13);
    EXPECT_EQ(media->GetPosition(), 0);
    EXPECT_EQ(std::memcmp(media->GetBuffer(), "{{c}10\t{Stop}", 13), 0);
    EXPECT_THROW(module.LoadResourceIntoMemory("SSTR", 1001), XBase);
}
