#include "resources/ResourceItemSpec.h"

#include "media/OpenResourceItem.h"

#include <cstring>

CResourceItemSpec::CResourceItemSpec(const char* type, uint16_t id)
    : mId(id)
{
    std::strncpy(mType, type, 4);
}

CResourceItemSpec::CResourceItemSpec(const CFileSpec& module, const char* type, uint16_t id)
    : CFileSpec(module)
    , mId(id)
{
    std::strncpy(mType, type, 4);
}

CMedia* CResourceItemSpec::OpenForReading() const
{
    return new COpenResourceItem(GetFullPath().c_str(), mType, mId);
}

CABCMediaSpec* CResourceItemSpec::Clone() const
{
    return new CResourceItemSpec(*this);
}
