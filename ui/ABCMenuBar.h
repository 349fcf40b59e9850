#pragma once

#include "platform/WindowPort.h"

#include <cstdint>

struct CKeyEvent;
struct CMenuItem;

// What the application loop and the windows need of a menu bar. The menus
// themselves implement it; an application without menus returns none from
// CApplication::GetMenuBar, and every menu road below is skipped.
class CABCMenuBar {
public:
    virtual ~CABCMenuBar() = default;

    // Raise and lower the disable counter; shortcuts work only at 0.
    virtual void Disable() = 0;
    virtual void Enable() = 0;
    // Resets every menu: temporary items removed, every item disabled and unchecked.
    virtual void Refresh() = 0;
    // Gives every item its platform identifier and applies enabled states and check marks.
    virtual void ApplyCommandIDs() = 0;
    // The enabled item whose shortcut the key event presses, or null.
    virtual const CMenuItem* FindItemForKey(const CKeyEvent& key) = 0;
    // The item of a platform command identifier, or null.
    virtual const CMenuItem* FindItemForCommandID(uint32_t id) = 0;
    // Document windows show the bar while they live.
    virtual void AttachTo(WindowPort::WindowHandle window) = 0;
    virtual void DetachFrom(WindowPort::WindowHandle window) = 0;
};
