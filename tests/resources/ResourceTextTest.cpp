#include "media/XBase.h"
#include "platform/system/EmbeddedResources.h"
#include "rc/ProgramResources.h"
#include "resources/ResourceText.h"
#include "resources/ScriptCache.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

struct ProgramTexts : ::testing::Test {
    void SetUp() override { InstallProgramResources(); GetScriptCache().Clear(); }
    void TearDown() override { EmbeddedResources::Install(nullptr, 0); GetScriptCache().Clear(); }
};

} // namespace

TEST_F(ProgramTexts, TheProgramsScriptsByNumber)
{
    const struct { void (*get)(uint32_t, char*, int32_t); uint32_t number; const char* text; } cases[] = {
        {GetString, 1000010, "Stop"},
        {GetString, 1000099, "Counting to 1000:"},
        {GetString, 701000012, "OK"}, // the module part is not looked at
        {GetString, 66536012, "OK"},  // resource ids are 16-bit: 66536 is 1000
        {GetString, 1000500, ""},     // no text at that index
        {GetAlertScript, 1000000, "[STOP]Not enough memory to complete operation![OK]"},
        {GetAlertScript, 1000002, "[STOP]The file \"^0\" could not be found.[OK]"},
        {GetAlertScript, 1000099, "[NOTE]This is test alert number two!\rPlease press _the_ button![OK]"},
        {GetAlertScript, 128034, "[STOP]ModStower requires a Linux kernel of version 4.0 or later."
                                 "\rThe kernel running on this system is older.[Quit]"},
    };
    char out[256];
    for (const auto& c : cases) {
        c.get(c.number, out, 255);
        EXPECT_STREQ(out, c.text) << c.number;
    }
}

TEST_F(ProgramTexts, CopiesAtMostMaxLengthCharacters)
{
    // The terminator follows the copied text, and out[maxLength] is zero as well.
    const struct { int32_t maxLength; const char* bytes; } cases[] = {
        {0, "\0###########"}, {2, "St\0#########"}, {4, "Stop\0#######"}, {10, "Stop\0#####\0#"}};
    char out[12];
    for (const auto& c : cases) {
        std::memset(out, '#', sizeof out);
        GetString(1000010, out, c.maxLength);
        EXPECT_EQ(std::string(out, sizeof out), std::string(c.bytes, sizeof out)) << c.maxLength;
    }
    EXPECT_THROW(GetString(1000010, out, -1), XBase);
    EXPECT_EQ(out[0], 'S'); // untouched
}

TEST_F(ProgramTexts, ScriptsAreLoadedOnceAndFailuresAreNotKept)
{
    static const unsigned char kOne[] = "1{one}", kUno[] = "1{uno}", kEins[] = "1{eins}";
    const SEmbeddedResource first[] = {{"SSTR", 40, kOne, 6}, {"SMNU", 40, kUno, 6}};
    EmbeddedResources::Install(first, 2);
    char out[16];
    GetString(40001, out, 15);
    EXPECT_STREQ(out, "one");
    GetMenuScript(40001, out, 15); // same id, another type
    EXPECT_STREQ(out, "uno");
    EXPECT_THROW(GetAlertScript(40001, out, 15), XBase); // no such script
    CResourceScriptCache& cache = GetScriptCache();
    EXPECT_EQ(cache.GetCount(), 2u);
    EXPECT_NE(cache.Find("sstr", 40), nullptr); // types match regardless of case

    // Loaded scripts are not read again, even when the items change; the one that
    // failed is tried again.
    const SEmbeddedResource second[] = {{"SSTR", 40, kUno, 6}, {"SALR", 40, kEins, 7}};
    EmbeddedResources::Install(second, 2);
    GetString(40001, out, 15);
    EXPECT_STREQ(out, "one");
    GetAlertScript(40001, out, 15);
    EXPECT_STREQ(out, "eins");
    cache.Clear();
    GetString(40001, out, 15);
    EXPECT_STREQ(out, "uno");
}
