#include "app/FailureText.h"

#include "media/XBase.h"

const char* DescribeFailure(const XBase& failure, const char* badFormatText)
{
    if (dynamic_cast<const XCreateFailed*>(&failure))
        return "cannot be opened or created";
    if (dynamic_cast<const XRead*>(&failure))
        return "cannot be read (truncated or unreadable)";
    if (dynamic_cast<const XWrite*>(&failure))
        return "cannot be written (disk full or not writable)";
    if (dynamic_cast<const XOutOfMemory*>(&failure))
        return "not enough memory";
    if (dynamic_cast<const XUnsupportedFormat*>(&failure))
        return "uses a format variant that is not supported";
    if (dynamic_cast<const XFile*>(&failure))
        return "file system operation failed";
    return badFormatText;
}
