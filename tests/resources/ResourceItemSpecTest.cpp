#include "media/Media.h"
#include "media/XBase.h"
#include "platform/system/EmbeddedResources.h"
#include "resources/ResourceItemSpec.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

const unsigned char kBytes[] = {'p', 'i', 'x'};
const SEmbeddedResource kTable[] = {{"JPEG", 900, kBytes, sizeof kBytes}};

class ResourceItemSpec : public ::testing::Test {
protected:
    void SetUp() override { EmbeddedResources::Install(kTable, 1); }
    void TearDown() override { EmbeddedResources::Install(nullptr, 0); }
};

std::string ReadAll(const CABCMediaSpec& spec)
{
    const std::unique_ptr<CMedia> media(spec.OpenForReading());
    std::string bytes(size_t(media->GetSize()), 0);
    media->Read(media->GetSize(), bytes.data());
    return bytes;
}

} // namespace

TEST_F(ResourceItemSpec, OpensItemsOfTheRunningProgram)
{
    const CResourceItemSpec spec("JPEG", 900);
    EXPECT_STREQ(spec.GetResourceType(), "JPEG");
    EXPECT_EQ(spec.GetResourceId(), 900);
    EXPECT_EQ(spec.GetFullPath(), "");
    EXPECT_EQ(ReadAll(spec), "pix");

    const CResourceItemSpec own(CFileSpec(SystemModule::GetModulePath().c_str()), "JPEG", 900);
    EXPECT_EQ(own.GetFullPath(), SystemModule::GetModulePath());
    EXPECT_EQ(ReadAll(own), "pix");

    const CResourceItemSpec missing("JPEG", 901);
    const std::unique_ptr<CMedia> media(missing.OpenForReading());
    EXPECT_THROW(media->GetSize(), XBase);
}

TEST_F(ResourceItemSpec, OtherModulesCannotBeOpened)
{
    const CResourceItemSpec other(CFileSpec("/usr/lib/other.so"), "JPEG", 900);
    EXPECT_EQ(other.GetFullPath(), "/usr/lib/other.so");
    EXPECT_THROW(std::unique_ptr<CMedia>(other.OpenForReading()), XFile);
}

TEST_F(ResourceItemSpec, ClonesCopyModuleTypeAndId)
{
    const CResourceItemSpec other(CFileSpec("/opt/x/module.bin"), "SALR", 128);
    const std::unique_ptr<CABCMediaSpec> clone(other.Clone());
    const auto* copy = dynamic_cast<const CResourceItemSpec*>(clone.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->GetFullPath(), "/opt/x/module.bin");
    EXPECT_STREQ(copy->GetResourceType(), "SALR");
    EXPECT_EQ(copy->GetResourceId(), 128);

    const std::unique_ptr<CABCMediaSpec> own(CResourceItemSpec("JPEG", 900).Clone());
    EXPECT_EQ(ReadAll(*own), "pix");
}
