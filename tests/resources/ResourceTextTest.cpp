#include "media/OpenResourceItem.h"
#include "media/XBase.h"
#include "platform/system/EmbeddedResources.h"
#include "rc/ProgramResources.h"
#include "resources/ResourceText.h"
#include "resources/ScriptCache.h"
#include "resources/TextNumber.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

class ProgramTexts : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstallProgramResources();
        GetScriptCache().Clear();
    }
    void TearDown() override
    {
        GetScriptCache().Clear();
        EmbeddedResources::Install(nullptr, 0);
    }
};

std::string String(uint32_t number, int32_t maxLength = 255)
{
    std::vector<char> out(size_t(maxLength) + 1, '#');
    GetString(number, out.data(), maxLength);
    return out.data();
}

std::string Alert(uint32_t number)
{
    char out[256];
    GetAlertScript(number, out, 255);
    return out;
}

std::vector<uint8_t> ReadSourceFile(const std::string& relative)
{
    std::ifstream in(std::string(MODSTOWER_SOURCE_DIR) + "/" + relative, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

} // namespace

TEST(TextNumber, SplitsModuleResourceAndIndex)
{
    const STextNumber a = SplitTextNumber(1000002);
    EXPECT_EQ(a.module, 0u);
    EXPECT_EQ(a.resourceId, 1000);
    EXPECT_EQ(a.index, 2u);

    const STextNumber b = SplitTextNumber(128005);
    EXPECT_EQ(b.resourceId, 128);
    EXPECT_EQ(b.index, 5u);

    const STextNumber c = SplitTextNumber(300128034);
    EXPECT_EQ(c.module, 3u);
    EXPECT_EQ(c.resourceId, 128);
    EXPECT_EQ(c.index, 34u);

    // The resource id is taken as a 16-bit value.
    EXPECT_EQ(SplitTextNumber(65536u * 1000u + 7u).resourceId, 0);
    EXPECT_EQ(SplitTextNumber(65537u * 1000u + 7u).resourceId, 1);

    EXPECT_EQ(MakeTextNumber(1000, 99), 1000099u);
}

TEST_F(ProgramTexts, CommonStrings)
{
    EXPECT_EQ(String(1000010), "Stop");
    EXPECT_EQ(String(1000011), "Cancel");
    EXPECT_EQ(String(1000012), "OK");
    EXPECT_EQ(String(1000013), "Yes");
    EXPECT_EQ(String(1000014), "No");
    EXPECT_EQ(String(1000015), "Die rebel scum!");
    EXPECT_EQ(String(1000099), "Counting to 1000:");
    // The module part is not looked at.
    EXPECT_EQ(String(701000012), "OK");
}

TEST_F(ProgramTexts, CommonAlerts)
{
    EXPECT_EQ(Alert(1000000), "[STOP]Not enough memory to complete operation![OK]");
    EXPECT_EQ(Alert(1000001), "[STOP]Not enough memory for dialog or window![OK]");
    EXPECT_EQ(Alert(1000002), "[STOP]The file \"^0\" could not be found.[OK]");
    EXPECT_EQ(Alert(1000099), "[NOTE]This is test alert number two!\rPlease press _the_ button![OK]");
}

TEST_F(ProgramTexts, ApplicationScripts)
{
    EXPECT_EQ(Alert(128034),
              "[STOP]ModStower requires a Linux kernel of version 4.0 or later."
              "\rThe kernel running on this system is older.[Quit]");
    EXPECT_EQ(Alert(128001), "[STOP]Drop a folder containing the Tandrel Mod components on this application.[Quit]");
    EXPECT_EQ(String(128000), "ModStower");
    EXPECT_EQ(String(128001), "ModStower log");
}

TEST_F(ProgramTexts, LengthLimits)
{
    EXPECT_EQ(String(1000010, 2), "St");
    EXPECT_EQ(String(1000010, 0), "");
    EXPECT_EQ(String(1000010, 4), "Stop");

    // The terminator follows the copied text, and out[maxLength] is zero as well.
    char out[12];
    std::memset(out, '#', sizeof out);
    GetString(1000012, out, 10);
    EXPECT_STREQ(out, "OK");
    EXPECT_EQ(out[10], 0);
    EXPECT_EQ(out[11], '#');

    EXPECT_THROW(GetString(1000012, out, -1), XBase);
    EXPECT_EQ(out[0], 'O');
}

TEST_F(ProgramTexts, AbsentTextsAndScripts)
{
    EXPECT_EQ(String(1000500), "");      // no text at that index
    EXPECT_THROW(String(5000001), XBase); // no script 5000
    char out[8];
    EXPECT_THROW(GetMenuScript(1000001, out, 7), XBase); // the program has no menu scripts
}

TEST_F(ProgramTexts, ScriptsAreCachedOnFirstUse)
{
    EXPECT_EQ(GetScriptCache().GetCount(), 0u);
    String(1000010);
    String(1000011);
    Alert(1000000);
    EXPECT_EQ(GetScriptCache().GetCount(), 2u);
    EXPECT_NE(GetScriptCache().Find("sstr", 1000), nullptr); // types match regardless of case
    EXPECT_EQ(GetScriptCache().Find("SSTR", 128), nullptr);
}

TEST_F(ProgramTexts, EmbeddedItemsAreTheFilesByteForByte)
{
    const CResourceModule module("");
    const struct {
        const char* type;
        uint16_t id;
        const char* file;
    } items[] = {
        {"SSTR", 1000, "rc/common.sstr"},
        {"SALR", 1000, "rc/common.salr"},
        {"SSTR", 128, "rc/modstower.sstr"},
        {"SALR", 128, "rc/modstower.salr"},
    };
    for (const auto& item : items) {
        const SEmbeddedResource& embedded = module.FindItem(item.type, item.id);
        const std::vector<uint8_t> file = ReadSourceFile(item.file);
        ASSERT_FALSE(file.empty()) << item.file;
        EXPECT_EQ(std::vector<uint8_t>(embedded.data, embedded.data + embedded.size), file) << item.file;
        // The scripts are kept with CR LF line ends.
        EXPECT_NE(std::string(file.begin(), file.end()).find("}\r\n"), std::string::npos) << item.file;
    }
    EXPECT_EQ(module.FindItem("SCOL", 128).size, 708u);
    EXPECT_GT(module.FindItem("JPEG", 900).size, 1000u);
}
