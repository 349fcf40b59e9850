#include "files/PathText.h"

#include "media/XBase.h"

namespace PathText {

void ThrowTooLong()
{
    throw XBase();
}

} // namespace PathText
