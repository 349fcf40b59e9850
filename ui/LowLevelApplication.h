#pragma once

#include "files/DirSpec.h"
#include "files/FileSpec.h"
#include "files/Version.h"
#include "media/OpenResourceItem.h"

#include <cstdint>
#include <memory>
#include <string>

struct CApplicationStartup;

// What the process knows about itself: program file, name, version and the
// reader of its own resources. Also the framework's time base of ticks of 1/60
// second.
class CLowLevelApplication {
public:
    static constexpr size_t kMaxNameLength = 71;

    // Reads the program's version from its version resource: XBase or
    // XBadFormat when it has none or a malformed one.
    explicit CLowLevelApplication(const CApplicationStartup& startup);
    virtual ~CLowLevelApplication() = default;
    // An empty hook the framework keeps for subclasses.
    virtual void LowLevelHook() {}

    const void* GetModule() const { return mModule; }
    const CFileSpec& GetProgramFile() const { return mProgramFile; }
    // The folder that holds the program file; the caller owns it.
    std::unique_ptr<CDirSpec> GetProgramFolder() const;
    const CVersion& GetVersion() const { return mVersion; }
    const std::string& GetName() const { return mName; }
    const CResourceModule& GetResourceSource() const { return *mResourceSource; }

    // ms * 6 / 100 and ticks * 100 / 6, truncating. The products are taken in 64
    // bits, so a clock past 8 days (where ms * 6 leaves 32 bits) still counts on.
    static uint32_t MsToTicks(uint32_t milliseconds);
    static uint32_t TicksToMs(uint32_t ticks);
    // The platform clock in ticks.
    static uint32_t GetTicks();

private:
    std::unique_ptr<CResourceModule> mResourceSource;
    CFileSpec mProgramFile;
    const void* mModule = nullptr;
    std::string mName;
    CVersion mVersion;
};
