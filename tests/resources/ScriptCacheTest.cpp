#include "media/XBase.h"
#include "platform/system/EmbeddedResources.h"
#include "resources/ResourceText.h"
#include "resources/ScriptCache.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

const char kFirst[] = "1{one}";
const char kSecond[] = "1{uno}";

const unsigned char* Bytes(const char* text)
{
    return reinterpret_cast<const unsigned char*>(text);
}

class ScriptCache : public ::testing::Test {
protected:
    void SetUp() override { GetScriptCache().Clear(); }
    void TearDown() override
    {
        GetScriptCache().Clear();
        EmbeddedResources::Install(nullptr, 0);
    }
};

} // namespace

TEST_F(ScriptCache, KeepsWhatItLoadedUntilCleared)
{
    const SEmbeddedResource first[] = {{"SSTR", 40, Bytes(kFirst), std::strlen(kFirst)}};
    EmbeddedResources::Install(first, 1);
    CResourceScriptCache cache;
    const CResourceScript& script = cache.Get("SSTR", 40);
    EXPECT_STREQ(script.GetText(1), "one");

    // Loaded scripts are not read again, even when the items change.
    const SEmbeddedResource second[] = {{"SSTR", 40, Bytes(kSecond), std::strlen(kSecond)}};
    EmbeddedResources::Install(second, 1);
    EXPECT_EQ(&cache.Get("sstr", 40), &script);
    EXPECT_STREQ(cache.Get("SSTR", 40).GetText(1), "one");

    cache.Clear();
    EXPECT_STREQ(cache.Get("SSTR", 40).GetText(1), "uno");
}

TEST_F(ScriptCache, AFailedLoadLeavesNothingBehind)
{
    EmbeddedResources::Install(nullptr, 0);
    CResourceScriptCache cache;
    EXPECT_THROW(cache.Get("SALR", 41), XBase);
    EXPECT_EQ(cache.GetCount(), 0u);

    const SEmbeddedResource table[] = {{"SALR", 41, Bytes(kFirst), std::strlen(kFirst)}};
    EmbeddedResources::Install(table, 1);
    EXPECT_STREQ(cache.Get("SALR", 41).GetText(1), "one");
    EXPECT_EQ(cache.GetCount(), 1u);
}

TEST_F(ScriptCache, TypesAreToldApart)
{
    const SEmbeddedResource table[] = {
        {"SSTR", 42, Bytes(kFirst), std::strlen(kFirst)},
        {"SMNU", 42, Bytes(kSecond), std::strlen(kSecond)},
    };
    EmbeddedResources::Install(table, 2);
    char out[16];
    GetString(42001, out, 15);
    EXPECT_STREQ(out, "one");
    GetMenuScript(42001, out, 15);
    EXPECT_STREQ(out, "uno");
    EXPECT_THROW(GetAlertScript(42001, out, 15), XBase);
    EXPECT_EQ(GetScriptCache().GetCount(), 2u);
}
