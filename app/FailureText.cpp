#include "app/FailureText.h"

#include "media/XBase.h"

namespace {

template <class Failure>
bool IsA(const XBase& failure)
{
    return dynamic_cast<const Failure*>(&failure) != nullptr;
}

// The words for each class, the most specific first: a class is told by the
// first row it belongs to.
struct SFailureText {
    bool (*matches)(const XBase&);
    const char* text;
};

const SFailureText kFailureTexts[] = {
    {IsA<XTooLarge>, "over the mod format's 2 GiB limit"},
    {IsA<XPathTooLong>, "path too long (over 4095 bytes, or a name in it over 255)"},
    {IsA<XListFailed>, "cannot be listed"},
    {IsA<XCreateFailed>, "cannot be opened or created"},
    {IsA<XRead>, "cannot be read (truncated or unreadable)"},
    {IsA<XWrite>, "cannot be written (disk full or not writable)"},
    {IsA<XOutOfMemory>, "not enough memory"},
    {IsA<XUnsupportedFormat>, "uses a format variant that is not supported"},
    {IsA<XFile>, "file system operation failed"},
};

} // namespace

const char* DescribeFailure(const XBase& failure, const char* badFormatText)
{
    for (const SFailureText& row : kFailureTexts) {
        if (row.matches(failure))
            return row.text;
    }
    return badFormatText;
}
