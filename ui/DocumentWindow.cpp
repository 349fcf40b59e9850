#include "ui/DocumentWindow.h"

#include "media/XBase.h"

namespace {

constexpr WindowPort::SRect kInitialRect{0, 0, 100, 100};

} // namespace

CDocumentWindow::CDocumentWindow(int32_t style, const std::string& title, CWindowBitmapLoader& loader)
    : CABCWindow(EKind::kDocument, StyleFor(style), title, kInitialRect, loader)
{
    AddToWindowList();
}

WindowPort::SWindowStyle CDocumentWindow::StyleFor(int32_t style)
{
    WindowPort::SWindowStyle result;
    result.kind = WindowPort::EWindowKind::kDocument;
    switch (style) {
    case 0: break;
    case 1: result.contextHelp = true; break;
    case 2: result.sizingFrame = result.minimiseBox = result.maximiseBox = true; break;
    case 3: result.sizingFrame = result.minimiseBox = true; break;
    default: throw XBase();
    }
    return result;
}
