#pragma once

#include "ui/ABCWindow.h"
#include "ui/WindowBitmapLoader.h"

#include <cstdint>
#include <memory>

class CBitmapView;

// A frameless picture shown while the program starts. It opens at once at the
// bitmap's size and is drawn before the constructor returns; its destructor
// waits until the picture has been up for the minimum time.
class CSplashScreen : public CABCWindow {
public:
    enum class EPlacement { kCentred, kAtCreation };

    // XBase when the bitmap cannot be found (or no application runs).
    CSplashScreen(int32_t bitmapId, uint32_t minimumTicks, EPlacement placement = EPlacement::kCentred,
                  CWindowBitmapLoader& loader = CWindowBitmapLoader::GetDefault());
    // Waits out the minimum time, letting the platform repaint meanwhile but
    // dispatching nothing, then releases the bitmap from the shared cache.
    ~CSplashScreen() override;

    bool IsModeless() const override { return false; }

    uint32_t GetCreationTicks() const { return mCreated; }

private:
    int32_t mBitmapId;
    uint32_t mMinimumTicks;
    uint32_t mCreated;
    std::unique_ptr<CBitmapView> mPicture;
};
