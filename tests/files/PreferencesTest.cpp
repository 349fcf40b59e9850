#include "files/Preferences.h"
#include "media/XBase.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/stat.h>

namespace {

// Points the configuration home at a private folder for one test.
class PreferencesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(mHome.Path().empty());
        Remember("XDG_CONFIG_HOME", mOldConfig);
        Remember("HOME", mOldHome);
        setenv("XDG_CONFIG_HOME", (mHome / "config").c_str(), 1);
    }
    void TearDown() override
    {
        Restore("XDG_CONFIG_HOME", mOldConfig);
        Restore("HOME", mOldHome);
    }

    std::string ValuePath(const std::string& app, const std::string& name) const
    {
        return mHome / ("config/Wrenfieldhaus Software/" + app + "/" + name);
    }

    TempFolder mHome;

private:
    static void Remember(const char* name, std::optional<std::string>& into)
    {
        const char* value = std::getenv(name);
        if (value != nullptr)
            into = value;
    }
    static void Restore(const char* name, const std::optional<std::string>& value)
    {
        if (value)
            setenv(name, value->c_str(), 1);
        else
            unsetenv(name);
    }

    std::optional<std::string> mOldConfig;
    std::optional<std::string> mOldHome;
};

} // namespace

TEST_F(PreferencesTest, StoresOneFilePerValue)
{
    const uint8_t value[] = {1, 2, 0, 4, 0xFF};
    SetPreference("ModStower", "Window Place", value, sizeof value);
    EXPECT_EQ(std::filesystem::file_size(ValuePath("ModStower", "Window Place")), 5u);
    struct stat status {};
    ASSERT_EQ(stat((mHome / "config/Wrenfieldhaus Software").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0700u);

    uint8_t buffer[8] = {};
    int32_t size = -1;
    EXPECT_TRUE(GetPreference("ModStower", "Window Place", buffer, sizeof buffer, size));
    EXPECT_EQ(size, 5);
    EXPECT_EQ(std::basic_string<uint8_t>(buffer, 5), std::basic_string<uint8_t>(value, 5));

    // Exactly the capacity fits.
    EXPECT_TRUE(GetPreference("ModStower", "Window Place", buffer, 5, size));
    EXPECT_EQ(size, 5);

    // A second store replaces the value whole; empty values are values too.
    SetPreference("ModStower", "Window Place", "ab", 2);
    EXPECT_TRUE(GetPreference("ModStower", "Window Place", buffer, sizeof buffer, size));
    EXPECT_EQ(size, 2);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(buffer), 2), "ab");
    SetPreference("ModStower", "Empty", nullptr, 0);
    EXPECT_TRUE(GetPreference("ModStower", "Empty", buffer, 0, size));
    EXPECT_EQ(size, 0);

    // Other applications keep their own values.
    EXPECT_FALSE(GetPreference("Other", "Window Place", buffer, sizeof buffer, size));
}

TEST_F(PreferencesTest, MissingAndTooLarge)
{
    uint8_t buffer[4] = {9, 9, 9, 9};
    int32_t size = -1;
    EXPECT_FALSE(GetPreference("ModStower", "Never Set", buffer, sizeof buffer, size));
    EXPECT_EQ(size, -1);
    // Reading makes no folders.
    EXPECT_FALSE(std::filesystem::exists(mHome / "config"));

    SetPreference("ModStower", "Big", "12345", 5);
    EXPECT_THROW(GetPreference("ModStower", "Big", buffer, 4, size), XBase);
    EXPECT_EQ(size, -1);
}

TEST_F(PreferencesTest, NamesStayInsideTheirFolder)
{
    uint8_t buffer[4];
    int32_t size = 0;
    for (const char* bad : {"", ".", "..", "a/b", "../escape", "/abs"}) {
        EXPECT_THROW(SetPreference("ModStower", bad, "x", 1), XBase) << bad;
        EXPECT_THROW(GetPreference("ModStower", bad, buffer, 4, size), XBase) << bad;
        EXPECT_THROW(SetPreference(bad, "Name", "x", 1), XBase) << bad;
        EXPECT_THROW(GetPreference(bad, "Name", buffer, 4, size), XBase) << bad;
    }
    EXPECT_THROW(SetPreference("ModStower", nullptr, "x", 1), XBase);
    EXPECT_THROW(SetPreference("ModStower", "Negative", "x", -1), XBase);
    EXPECT_THROW(GetPreference("ModStower", "Negative", buffer, -1, size), XBase);
    EXPECT_FALSE(std::filesystem::exists(mHome / "config/Wrenfieldhaus Software/ModStower"));
    EXPECT_FALSE(std::filesystem::exists(mHome / "config/escape"));
}

TEST_F(PreferencesTest, ConfigurationHomeFallsBackToDotConfig)
{
    setenv("HOME", mHome.Path().c_str(), 1);
    // A relative configuration home is no home at all.
    setenv("XDG_CONFIG_HOME", "relative/config", 1);
    SetPreference("ModStower", "Where", "h", 1);
    EXPECT_TRUE(std::filesystem::exists(mHome / ".config/Wrenfieldhaus Software/ModStower/Where"));

    unsetenv("XDG_CONFIG_HOME");
    uint8_t buffer[1];
    int32_t size = 0;
    EXPECT_TRUE(GetPreference("ModStower", "Where", buffer, 1, size));

    // With no home at all nothing can be stored and nothing is found.
    unsetenv("HOME");
    EXPECT_THROW(SetPreference("ModStower", "Where", "h", 1), XBase);
    EXPECT_FALSE(GetPreference("ModStower", "Where", buffer, 1, size));
}

TEST_F(PreferencesTest, UnwritableStoreThrows)
{
    // The company folder's place is taken by a file.
    std::filesystem::create_directories(mHome / "config");
    {
        std::ofstream blocker(mHome / "config/Wrenfieldhaus Software");
    }
    EXPECT_THROW(SetPreference("ModStower", "Value", "v", 1), XBase);
    uint8_t buffer[1];
    int32_t size = 0;
    EXPECT_FALSE(GetPreference("ModStower", "Value", buffer, 1, size));
}
