#include "ui/LowLevelApplication.h"

#include "files/OSVersion.h"
#include "platform/WindowPort.h"
#include "ui/ApplicationStartup.h"

CLowLevelApplication::CLowLevelApplication(const CApplicationStartup& startup)
    : mResourceSource(std::make_unique<CResourceModule>(nullptr))
    , mProgramFile(startup.programFile)
    , mModule(startup.module)
    , mName(startup.name.substr(0, kMaxNameLength))
    , mVersion(GetProgramVersion())
{
}

std::unique_ptr<CDirSpec> CLowLevelApplication::GetProgramFolder() const
{
    return std::unique_ptr<CDirSpec>(CDirSpec::FromFile(mProgramFile));
}

uint32_t CLowLevelApplication::MsToTicks(uint32_t milliseconds)
{
    return static_cast<uint32_t>(uint64_t{milliseconds} * 6 / 100);
}

uint32_t CLowLevelApplication::TicksToMs(uint32_t ticks)
{
    return static_cast<uint32_t>(uint64_t{ticks} * 100 / 6);
}

uint32_t CLowLevelApplication::GetTicks()
{
    return MsToTicks(WindowPort::GetTickCount());
}
