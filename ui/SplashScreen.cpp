#include "ui/SplashScreen.h"

#include "images/Canvas.h"
#include "images/Screen.h"
#include "media/XBase.h"
#include "ui/Application.h"
#include "ui/BitmapView.h"
#include "ui/WindowGroupView.h"

namespace {

constexpr WindowPort::SRect kInitialRect{100, 200, 400, 460};

WindowPort::SWindowStyle SplashStyle()
{
    WindowPort::SWindowStyle style;
    style.kind = WindowPort::EWindowKind::kSplash;
    style.caption = false;
    style.systemMenu = false;
    style.modalFrame = true;
    return style;
}

std::string ApplicationName()
{
    const CApplication* application = GetApplication();
    return application != nullptr ? application->GetName() : std::string();
}

} // namespace

CSplashScreen::CSplashScreen(int32_t bitmapId, uint32_t minimumTicks, EPlacement placement,
                             CWindowBitmapLoader& loader)
    : CABCWindow(EKind::kSplash, SplashStyle(), ApplicationName(), kInitialRect, loader)
    , mBitmapId(bitmapId)
    , mMinimumTicks(minimumTicks)
    , mCreated(CLowLevelApplication::GetTicks())
{
    CApplication* application = GetApplication();
    if (application == nullptr || application->GetScreen() == nullptr)
        throw XBase();
    int32_t width = 0;
    int32_t height = 0;
    application->GetScreen()->GetBitmapSize(GetHandle(), bitmapId, width, height);
    mPicture = std::make_unique<CBitmapView>(&GetRootView(), SViewRect{0, 0, int16_t(width), int16_t(height)}, bitmapId);
    WindowPort::SPoint topLeft{kInitialRect.left, kInitialRect.top};
    if (placement == EPlacement::kCentred) {
        const WindowPort::SSize screen = WindowPort::GetScreenSize();
        topLeft = {(screen.width - width - GetFrameWidth()) / 2, (screen.height - height - GetFrameHeight()) / 2};
    }
    Open(OuterRectForClient(topLeft, {width, height}));
    CCanvas canvas(GetHandle());
    Draw(canvas);
    // Lets the platform put the picture on the screen now; messages wait.
    WindowPort::SMessage ignored;
    WindowPort::PeekMessage(ignored, WindowPort::ERemove::kNo);
    AddToWindowList();
}

CSplashScreen::~CSplashScreen()
{
    // Waiting by the clock's difference stays right when the tick count wraps.
    while (CLowLevelApplication::GetTicks() - mCreated < mMinimumTicks) {
        WindowPort::SMessage ignored;
        WindowPort::PeekMessage(ignored, WindowPort::ERemove::kNo);
        WindowPort::Sleep(10);
    }
    mPicture.reset();
    if (CApplication* application = GetApplication(); application != nullptr && application->GetScreen() != nullptr)
        application->GetScreen()->RemoveBitmap(mBitmapId);
}
