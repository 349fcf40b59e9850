#pragma once

#include "ui/View.h"

#include <string>

// A text drawn word-wrapped inside the view's bounds in the shared dialog font,
// black when enabled and in the button-shadow colour when disabled; what does
// not fit is cut at the edges. SetText only stores the text: Update (or a
// paint) draws it.
class CStaticTextView : public CView {
public:
    static constexpr size_t kMaxTextLength = 1000;

    CStaticTextView(CGroupView* parent, const SViewRect& bounds, const std::string& text = "");

    // Redraws when the text or the enabled state differs from what was drawn.
    void Update() override;
    void Draw(CCanvas& canvas) override;

    // Cut to kMaxTextLength characters.
    void SetText(const std::string& text);
    const std::string& GetText() const { return mText; }

private:
    std::string mText;
    std::string mDrawnText;
};
