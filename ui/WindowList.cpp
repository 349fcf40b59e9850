#include "ui/WindowList.h"

#include "ui/ABCWindow.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<CABCWindow*>& Windows()
{
    static std::vector<CABCWindow*> windows;
    return windows;
}

} // namespace

size_t CWindowList::GetCount()
{
    return Windows().size();
}

CABCWindow* CWindowList::GetAt(size_t index)
{
    return index < Windows().size() ? Windows()[index] : nullptr;
}

CABCWindow* CWindowList::Find(WindowPort::WindowHandle handle)
{
    if (handle == 0)
        return nullptr;
    for (CABCWindow* window : Windows()) {
        if (window->GetHandle() == handle)
            return window;
    }
    return nullptr;
}

bool CWindowList::Contains(const CABCWindow* window)
{
    return std::find(Windows().begin(), Windows().end(), window) != Windows().end();
}

bool CWindowList::ContainsSerial(uint64_t serial)
{
    return std::any_of(Windows().begin(), Windows().end(),
                       [serial](const CABCWindow* window) { return window->GetSerial() == serial; });
}

CABCWindow* CWindowList::GetActive()
{
    return Find(WindowPort::GetActiveWindow());
}

void CWindowList::DeleteMarkedWindows()
{
    // A destructor may mark or delete other windows, so look again from the
    // start after each deletion.
    for (;;) {
        const auto marked = std::find_if(Windows().begin(), Windows().end(),
                                         [](const CABCWindow* window) { return window->IsMarkedForDeletion(); });
        if (marked == Windows().end())
            return;
        delete *marked;
    }
}

void CWindowList::Append(CABCWindow* window)
{
    if (!Contains(window))
        Windows().push_back(window);
}

void CWindowList::Remove(CABCWindow* window)
{
    const auto found = std::find(Windows().begin(), Windows().end(), window);
    if (found != Windows().end())
        Windows().erase(found);
}
