#pragma once

#include "files/FileType.h"
#include "files/PathText.h"

#include <string_view>

class CFileSpec;

// One kind of file: a description for the file dialogs, an extension with its
// dot and a four-character type code ("TDM " keeps its blank). A plain record,
// copied by value; the constructor is constexpr so the global descriptors of the
// layers above are made before any code runs.
class CFileTypeDescriptor {
public:
    static constexpr int32_t kDescriptionSize = 65;
    static constexpr int32_t kTypeCodeSize = 5;

    constexpr CFileTypeDescriptor() = default;
    // Each text is copied whole; one longer than its field (64, 255, 4 characters)
    // is refused with XBase rather than cut.
    constexpr CFileTypeDescriptor(std::string_view description, std::string_view extension, std::string_view typeCode)
    {
        PathText::CopyInto(mDescription, kDescriptionSize, description);
        PathText::CopyInto(mExtension, PathText::kNameFieldSize, extension);
        PathText::CopyInto(mTypeCode, kTypeCodeSize, typeCode);
    }

    constexpr const char* GetDescription() const { return mDescription; }
    constexpr const char* GetExtension() const { return mExtension; }
    constexpr const char* GetTypeCode() const { return mTypeCode; }
    CUnknownFileType GetFileType() const { return CUnknownFileType(mExtension); }

    // True when the file's extension equals this descriptor's, ignoring case:
    // how a file is recognised as being of this kind.
    bool Matches(const CFileSpec& file) const;

    // All three texts equal, letter case included. Two descriptors that differ
    // only in the case of their extension are different records, yet match the
    // same files.
    bool operator==(const CFileTypeDescriptor& other) const;

private:
    char mDescription[kDescriptionSize] = {};
    char mExtension[PathText::kNameFieldSize] = {};
    char mTypeCode[kTypeCodeSize] = {};
};
