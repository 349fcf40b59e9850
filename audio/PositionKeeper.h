#pragma once

#include "media/Media.h"
#include "media/XBase.h"

#include <cstdint>

// Puts a medium back where it stood, also when the work in between fails.
class CPositionKeeper {
public:
    explicit CPositionKeeper(CMedia& media)
        : mMedia(media)
        , mPosition(media.GetPosition())
    {
    }
    ~CPositionKeeper()
    {
        try {
            mMedia.SetPosition(mPosition);
        } catch (const XBase&) {
            // The failure that brought us here is the one worth reporting.
        }
    }
    CPositionKeeper(const CPositionKeeper&) = delete;
    CPositionKeeper& operator=(const CPositionKeeper&) = delete;

private:
    CMedia& mMedia;
    int32_t mPosition;
};
