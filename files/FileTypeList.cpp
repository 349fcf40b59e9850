#include "files/FileTypeList.h"

#include "media/XBase.h"

void CFileTypeList::Add(const CFileTypeDescriptor& descriptor)
{
    if (mDescriptors.size() >= UINT16_MAX)
        throw XBase();
    mDescriptors.push_back(descriptor);
}

const CFileTypeDescriptor& CFileTypeList::Get(uint16_t index) const
{
    if (index >= mDescriptors.size())
        throw XBase();
    return mDescriptors[index];
}

CFileTypeDescriptor* CFileTypeList::FindByExtension(const char* extension) const
{
    if (extension == nullptr)
        return nullptr;
    for (const CFileTypeDescriptor& descriptor : mDescriptors) {
        if (PathText::EqualIgnoringCase(descriptor.GetExtension(), extension))
            return new CFileTypeDescriptor(descriptor);
    }
    return nullptr;
}
