#pragma once

#include "platform/WindowPort.h"

#include <cstddef>
#include <cstdint>

class CABCWindow;

// The framework-wide list of windows, in the order their constructors finished.
// It does not own the windows: the application deletes marked ones, and a
// deleted window leaves the list by itself.
class CWindowList {
public:
    static size_t GetCount();
    // The window at a zero-based position, or null past the end.
    static CABCWindow* GetAt(size_t index);
    // The framework window of a platform window, or null.
    static CABCWindow* Find(WindowPort::WindowHandle handle);
    static bool Contains(const CABCWindow* window);
    // Whether the window with that serial number is still listed.
    static bool ContainsSerial(uint64_t serial);
    // The framework window the platform reports active, or null.
    static CABCWindow* GetActive();
    // Deletes every window marked for deletion, also those marked while others
    // were being deleted.
    static void DeleteMarkedWindows();

private:
    friend class CABCWindow;
    static void Append(CABCWindow* window);
    static void Remove(CABCWindow* window);
};
