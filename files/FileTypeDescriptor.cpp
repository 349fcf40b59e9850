#include "files/FileTypeDescriptor.h"

#include "files/FileSpec.h"

#include <cstring>

bool CFileTypeDescriptor::Matches(const CFileSpec& file) const
{
    return file.GetFileType().Equals(GetFileType());
}

bool CFileTypeDescriptor::operator==(const CFileTypeDescriptor& other) const
{
    return std::strcmp(mDescription, other.mDescription) == 0 && std::strcmp(mExtension, other.mExtension) == 0
        && std::strcmp(mTypeCode, other.mTypeCode) == 0;
}
