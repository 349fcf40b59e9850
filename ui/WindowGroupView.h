#pragma once

#include "ui/GroupView.h"

// The root view of every framework window: it fills the client area and knows
// its window.
class CWindowGroupView : public CGroupView {
public:
    explicit CWindowGroupView(CABCWindow* window) : CGroupView(nullptr), mWindow(window) {}

    CABCWindow* GetWindow() const override { return mWindow; }

private:
    CABCWindow* mWindow; // the window owns this view
};
