#include "ui/ViewGeometry.h"

#include <algorithm>

namespace {

int16_t Clamp16(int32_t value)
{
    return static_cast<int16_t>(std::clamp<int32_t>(value, INT16_MIN, INT16_MAX));
}

} // namespace

SViewRect SViewRect::FromPort(const WindowPort::SRect& rect)
{
    return {Clamp16(rect.left), Clamp16(rect.top), Clamp16(rect.right), Clamp16(rect.bottom)};
}
