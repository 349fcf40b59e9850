#include "ui/ModelessDialog.h"

#include "media/XBase.h"

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
    WindowPort::SWindowStyle result;
    result.kind = WindowPort::EWindowKind::kDialog;
    switch (style) {
    case 0: break;
    case 1: result.contextHelp = true; break;
    case 2: result.sizingFrame = result.minimiseBox = result.maximiseBox = true; break;
    default: throw XBase();
    }
    return result;
}
