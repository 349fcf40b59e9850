#include "ui/ModelessDialog.h"

#include "media/XBase.h"
#include "ui/DocumentWindow.h"

namespace {

constexpr WindowPort::SRect kInitialRect{200, 200, 400, 300};

} // namespace

CModelessDialog::CModelessDialog(int32_t style, const std::string& title, CWindowBitmapLoader& loader)
    : CABCWindow(EKind::kDialog, StyleFor(style), title, kInitialRect, loader)
{
    AddToWindowList();
}

CModelessDialog::CModelessDialog(int32_t style, uint16_t layoutId, CWindowBitmapLoader& loader)
    : CABCWindow(EKind::kDialog, StyleFor(style), "", kInitialRect, loader)
{
    ReadLayout(layoutId);
    AddToWindowList();
}

WindowPort::SWindowStyle CModelessDialog::StyleFor(int32_t style)
{
    // Styles 0 to 2 frame a tool window as they frame a document window.
    if (style < 0 || style > 2)
        throw XBase();
    WindowPort::SWindowStyle result = CDocumentWindow::StyleFor(style);
    result.kind = WindowPort::EWindowKind::kDialog;
    return result;
}
