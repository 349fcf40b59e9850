#include "ui/LengthyOperation.h"

#include "resources/ResourceText.h"
#include "ui/Application.h"
#include "ui/LengthyOperationWindow.h"
#include "ui/LowLevelApplication.h"

namespace {

CLengthyOperation::Clock OrApplicationClock(CLengthyOperation::Clock clock)
{
    return clock ? std::move(clock) : CLengthyOperation::Clock(&CLowLevelApplication::GetTicks);
}

std::string Cut(const char* text)
{
    return std::string(text != nullptr ? text : "").substr(0, CLengthyOperation::kMaxTextLength);
}

std::string StringText(uint32_t textId)
{
    char text[CLengthyOperation::kMaxTextLength + 1];
    GetString(textId, text, CLengthyOperation::kMaxTextLength);
    return text;
}

WindowPort::ECursor PortCursor(CLengthyOperationTiming::ECursor cursor)
{
    return cursor == CLengthyOperationTiming::ECursor::kBusy ? WindowPort::ECursor::kBusy
                                                              : WindowPort::ECursor::kArrow;
}

} // namespace

CLengthyOperation::CLengthyOperation(Clock clock) : mClock(OrApplicationClock(std::move(clock))), mTiming(mClock())
{
}

CLengthyOperation::CLengthyOperation(const char* text, const char* buttonLabel, Clock clock)
    : CLengthyOperation(std::move(clock))
{
    mText = Cut(text);
    mButtonLabel = Cut(buttonLabel);
    mMayShow = true;
}

CLengthyOperation::CLengthyOperation(uint32_t textId, int32_t buttonLabelId, Clock clock)
    : CLengthyOperation(std::move(clock))
{
    mText = StringText(textId);
    if (buttonLabelId != -1)
        mButtonLabel = StringText(static_cast<uint32_t>(buttonLabelId));
    mMayShow = true;
}

CLengthyOperation::~CLengthyOperation()
{
    WindowPort::SetCursor(WindowPort::ECursor::kArrow);
}

void CLengthyOperation::SetProgress(int32_t value, uint16_t percent)
{
    mValue = value;
    mPercent = percent;
    const uint32_t now = mClock();
    WindowPort::SetCursor(mWindow ? WindowPort::ECursor::kArrow : PortCursor(mTiming.StepCursor(now)));
    if (!mTiming.TakeCheck(now))
        return;
    if (!mWindow && mTiming.IsWindowDue(now, mShowAtOnce, mMayShow))
        OpenWindow();
    if (mWindow) {
        RefreshWindow();
        if (CApplication* application = GetApplication())
            application->ProcessPendingMessages();
    }
}

void CLengthyOperation::SetValues(int32_t value, uint16_t percent)
{
    mValue = value;
    mPercent = percent;
    RefreshWindow();
}

void CLengthyOperation::SetText(const char* text)
{
    mText = Cut(text);
    RefreshWindow();
}

void CLengthyOperation::SetText(uint32_t textId)
{
    mText = StringText(textId);
    RefreshWindow();
}

bool CLengthyOperation::StopRequested() const
{
    return mWindow && mWindow->IsStopRequested();
}

void CLengthyOperation::OpenWindow()
{
    mWindow = std::make_unique<CLengthyOperationWindow>(mButtonLabel);
    mWindow->CentreOnScreen();
}

void CLengthyOperation::RefreshWindow()
{
    if (!mWindow)
        return;
    mWindow->SetText(mText);
    mWindow->SetValue(mValue);
    mWindow->SetPercent(mPercent);
    mWindow->HandleControls();
    mWindow->UpdateControls();
}
