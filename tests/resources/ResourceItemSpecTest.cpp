#include "media/Media.h"
#include "media/XBase.h"
#include "platform/system/EmbeddedResources.h"
#include "resources/ResourceItemSpec.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// The whole item, read through a clone of `spec`, which must keep its module, type and id.
std::string ReadClone(const CABCMediaSpec& spec)
{
    const std::unique_ptr<CABCMediaSpec> clone(spec.Clone());
    const std::unique_ptr<CMedia> media(clone->OpenForReading());
    std::string bytes(size_t(media->GetSize()), 0);
    media->Read(media->GetSize(), bytes.data());
    return bytes;
}

} // namespace

TEST(ResourceItemSpec, OpensItemsOfTheRunningProgramOnly)
{
    const unsigned char bytes[] = "pix";
    const SEmbeddedResource table[] = {{"JPEG", 900, bytes, 3}};
    EmbeddedResources::Install(table, 1);
    EXPECT_EQ(ReadClone(CResourceItemSpec("JPEG", 900)), "pix");
    EXPECT_EQ(ReadClone(CResourceItemSpec(CFileSpec(SystemModule::GetModulePath().c_str()), "JPEG", 900)), "pix");
    EXPECT_THROW(ReadClone(CResourceItemSpec("JPEG", 901)), XBase);
    EXPECT_THROW(ReadClone(CResourceItemSpec(CFileSpec("/usr/lib/other.so"), "JPEG", 900)), XFile);
    EmbeddedResources::Install(nullptr, 0);
}
