#pragma once

#include "ui/ABCWindow.h"
#include "ui/WindowBitmapLoader.h"

#include <cstdint>
#include <string>

// A tool window that stands above the main window and leaves the other windows
// usable.
//
// Styles: 0 caption and close box; 1 as 0 with the context-help button; 2 as 0
// with a sizing frame, minimise and maximise boxes.
class CModelessDialog : public CABCWindow {
public:
    // XBase for another style.
    CModelessDialog(int32_t style, const std::string& title,
                    CWindowBitmapLoader& loader = CWindowBitmapLoader::GetDefault());
    // Title and size from the layout resource; XBase when it is missing,
    // XBadFormat when it is malformed.
    CModelessDialog(int32_t style, uint16_t layoutId, CWindowBitmapLoader& loader = CWindowBitmapLoader::GetDefault());

    static WindowPort::SWindowStyle StyleFor(int32_t style);
};
