#pragma once

#include "ui/ABCWindow.h"
#include "ui/WindowBitmapLoader.h"

#include <string>

// An ordinary top-level window. It takes dropped files and folders, shows the
// application's menu bar when there is one, and becomes the application's main
// window when it is made. Closing it through its frame closes all windows and
// ends the program.
//
// Styles: 0 caption and close box; 1 as 0 with the context-help button; 2 as 0
// with a sizing frame, minimise and maximise boxes; 3 as 2 without the
// maximise box.
class CDocumentWindow : public CABCWindow {
public:
    // XBase for a style outside 0 to 3 or when the platform makes no window.
    CDocumentWindow(int32_t style, const std::string& title,
                    CWindowBitmapLoader& loader = CWindowBitmapLoader::GetDefault());

    static WindowPort::SWindowStyle StyleFor(int32_t style);
};
