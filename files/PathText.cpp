#include "files/PathText.h"

#include "media/XBase.h"

namespace PathText {

void ThrowTooLong()
{
    throw XBase();
}

bool FitsSystemLimits(std::string_view path)
{
    if (path.size() > static_cast<size_t>(kMaxPathLength))
        return false;
    size_t start = 0;
    while (start <= path.size()) {
        const size_t slash = path.find('/', start);
        const size_t end = slash == std::string_view::npos ? path.size() : slash;
        if (end - start > static_cast<size_t>(kMaxNameLength))
            return false;
        start = end + 1;
    }
    return true;
}

void CheckSystemLimits(std::string_view path)
{
    if (!FitsSystemLimits(path))
        throw XPathTooLong();
}

} // namespace PathText
