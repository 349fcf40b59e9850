#include "files/Preferences.h"

#include "media/XBase.h"
#include "platform/system/SystemPreferences.h"

#include <cstring>
#include <string>

namespace {

void CheckName(const char* name)
{
    if (name == nullptr || name[0] == 0 || std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0
        || std::strchr(name, '/') != nullptr)
        throw XBase();
}

// The application's folder, or empty when no configuration home is known.
std::string ApplicationFolder(const char* appName)
{
    CheckName(appName);
    const std::string home = SystemPreferences::GetConfigHome();
    if (home.empty())
        return {};
    return home + '/' + kPreferencesCompany + '/' + appName;
}

} // namespace

void SetPreference(const char* appName, const char* name, const void* data, int32_t size)
{
    CheckName(name);
    const std::string folder = ApplicationFolder(appName);
    if (folder.empty() || size < 0 || (data == nullptr && size > 0))
        throw XBase();
    if (!SystemPreferences::MakeFolders(folder))
        throw XBase();
    if (!SystemPreferences::StoreFile(folder + '/' + name, data, size))
        throw XBase();
}

bool GetPreference(const char* appName, const char* name, void* buffer, int32_t capacity, int32_t& outSize)
{
    CheckName(name);
    const std::string folder = ApplicationFolder(appName);
    if (capacity < 0 || (buffer == nullptr && capacity > 0))
        throw XBase();
    if (folder.empty())
        return false;
    int64_t size = 0;
    switch (SystemPreferences::FetchFile(folder + '/' + name, buffer, capacity, size)) {
    case SystemPreferences::EFetch::kFetched:
        outSize = static_cast<int32_t>(size);
        return true;
    case SystemPreferences::EFetch::kMissing:
        return false;
    case SystemPreferences::EFetch::kTooLarge:
    case SystemPreferences::EFetch::kFailed:
        break;
    }
    throw XBase();
}
