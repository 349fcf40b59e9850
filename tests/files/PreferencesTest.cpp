#include "files/Preferences.h"
#include "media/XBase.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>

namespace {

// Points the configuration home at a private folder for one test and puts the
// environment back afterwards (an empty value is put back as none).
class PreferencesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(mHome.Path().empty());
        setenv("XDG_CONFIG_HOME", (mHome / "config").c_str(), 1);
    }
    void TearDown() override
    {
        for (const auto& [name, value] : mSaved)
            value.empty() ? unsetenv(name) : setenv(name, value.c_str(), 1);
    }
    static std::string Get(const char* name) { return std::getenv(name) != nullptr ? std::getenv(name) : ""; }

    TempFolder mHome;
    const std::pair<const char*, std::string> mSaved[2] = {{"XDG_CONFIG_HOME", Get("XDG_CONFIG_HOME")},
                                                           {"HOME", Get("HOME")}};
    uint8_t mBuffer[8] = {};
    int32_t mSize = -1;
};

} // namespace

TEST_F(PreferencesTest, RoundTripMissingAndTooLarge)
{
    EXPECT_FALSE(GetPreference("ModStower", "Window Place", mBuffer, 8, mSize));
    EXPECT_EQ(mSize, -1);
    EXPECT_FALSE(std::filesystem::exists(mHome / "config")); // reading makes no folders

    const uint8_t value[] = {1, 2, 0, 4, 0xFF};
    SetPreference("ModStower", "Window Place", value, sizeof value);
    struct stat status {};
    ASSERT_EQ(stat((mHome / "config/Wrenfieldhaus Software").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0700u);
    // Exactly the capacity fits; one byte less is refused and reports no size.
    EXPECT_TRUE(GetPreference("ModStower", "Window Place", mBuffer, 5, mSize));
    EXPECT_EQ(std::basic_string<uint8_t>(mBuffer, mSize), std::basic_string<uint8_t>(value, 5));
    mSize = -1;
    EXPECT_THROW(GetPreference("ModStower", "Window Place", mBuffer, 4, mSize), XBase);
    EXPECT_EQ(mSize, -1);

    // A second store replaces the value whole; other applications keep their own.
    SetPreference("ModStower", "Window Place", "ab", 2);
    EXPECT_TRUE(GetPreference("ModStower", "Window Place", mBuffer, 8, mSize));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(mBuffer), mSize), "ab");
    EXPECT_FALSE(GetPreference("Other", "Window Place", mBuffer, 8, mSize));
}

TEST_F(PreferencesTest, BadNamesAndUnusableStores)
{
    for (const char* bad : {"", ".", "..", "a/b", "../escape", "/abs"}) {
        EXPECT_THROW(SetPreference("ModStower", bad, "x", 1), XBase) << bad;
        EXPECT_THROW(GetPreference("ModStower", bad, mBuffer, 4, mSize), XBase) << bad;
        EXPECT_THROW(SetPreference(bad, "Name", "x", 1), XBase) << bad;
        EXPECT_THROW(GetPreference(bad, "Name", mBuffer, 4, mSize), XBase) << bad;
    }
    EXPECT_THROW(SetPreference("ModStower", nullptr, "x", 1), XBase);
    EXPECT_THROW(SetPreference("ModStower", "Negative", "x", -1), XBase);
    EXPECT_THROW(GetPreference("ModStower", "Negative", mBuffer, -1, mSize), XBase);
    EXPECT_FALSE(std::filesystem::exists(mHome / "config/Wrenfieldhaus Software/ModStower"));
    EXPECT_FALSE(std::filesystem::exists(mHome / "config/escape"));

    // The company folder's place is taken by a file.
    std::filesystem::create_directories(mHome / "config");
    std::ofstream(mHome / "config/Wrenfieldhaus Software") << "";
    EXPECT_THROW(SetPreference("ModStower", "Value", "v", 1), XBase);
    EXPECT_FALSE(GetPreference("ModStower", "Value", mBuffer, 1, mSize));
    // A relative configuration home is none: ~/.config is used, and without a home
    // nothing is stored or found.
    setenv("XDG_CONFIG_HOME", "relative/config", 1);
    setenv("HOME", mHome.Path().c_str(), 1);
    SetPreference("ModStower", "Where", "h", 1);
    EXPECT_TRUE(std::filesystem::exists(mHome / ".config/Wrenfieldhaus Software/ModStower/Where"));
    unsetenv("HOME");
    EXPECT_THROW(SetPreference("ModStower", "Where", "h", 1), XBase);
    EXPECT_FALSE(GetPreference("ModStower", "Where", mBuffer, 1, mSize));
}
