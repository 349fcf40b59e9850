#include "platform/system/SystemInfo.h"

#include <sys/utsname.h>

namespace SystemInfo {

namespace {

// Reads one decimal number of 1 to 3 digits, at most 255.
bool ReadNumber(const char*& text, int& value)
{
    int digits = 0;
    value = 0;
    while (*text >= '0' && *text <= '9' && digits < 4) {
        value = value * 10 + (*text - '0');
        ++text;
        ++digits;
    }
    return digits > 0 && digits < 4 && value <= 255;
}

} // namespace

bool ParseKernelRelease(const char* release, int& major, int& minor)
{
    if (release == nullptr)
        return false;
    const char* text = release;
    int first = 0;
    int second = 0;
    if (!ReadNumber(text, first) || *text++ != '.' || !ReadNumber(text, second))
        return false;
    major = first;
    minor = second;
    return true;
}

bool GetKernelVersion(int& major, int& minor)
{
    struct utsname names {};
    if (uname(&names) != 0)
        return false;
    return ParseKernelRelease(names.release, major, minor);
}

std::string GetSystemFolder()
{
    // Since the merge of /bin and /lib into /usr, /usr holds the whole installed
    // system, as the system folder did on the platform the framework came from;
    // "/" would be the root of everything, users' data included.
    return "/usr/";
}

} // namespace SystemInfo
