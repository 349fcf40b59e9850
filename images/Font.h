#pragma once

#include "images/FontRecord.h"
#include "platform/WindowPort.h"

#include <cstdint>

// A platform font made from one font record; the record is kept to tell which
// request the font answers.
class CFont {
public:
    // A font that cannot be made: XBase.
    explicit CFont(const SFontRecord& record);
    ~CFont();
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;

    WindowPort::FontHandle GetHandle() const { return mHandle; }
    const SFontRecord& GetRecord() const { return mRecord; }

    // How many fonts have been made in this process, for checks of the sharing.
    static uint64_t GetMadeCount();

private:
    SFontRecord mRecord;
    WindowPort::FontHandle mHandle = 0;
};
