#pragma once

#include "app/ModHeader.h"
#include "app/ModInfo.h"

#include <cstdint>
#include <string>
#include <vector>

class CMedia;

// One embedded component of a mod file, where its bytes lie in the file.
struct SModComponent {
    std::string storedName;
    int32_t contentPosition = 0;
    int32_t contentSize = 0;
};

// Reads a complete mod file: its header, its components in file order and its
// text record. Anything else, an abandoned file included, is XBadFormat.
class CModReader {
public:
    // `medium` is not owned and must outlive the reader.
    explicit CModReader(CMedia& medium);

    // True for a file whose writing was abandoned: a mod group whose size is 0.
    static bool IsAbandoned(CMedia& medium);

    const CModHeader& GetHeader() const { return mHeader; }
    const CModInfo& GetInfo() const { return mInfo; }
    const std::vector<SModComponent>& GetComponents() const { return mComponents; }
    // Copies the component's bytes into `destination` (contentSize bytes).
    void ReadContent(const SModComponent& component, void* destination) const;

private:
    void ReadComponent(CMedia& contents, int32_t dataPosition, int32_t dataSize);

    CMedia& mMedium;
    CModHeader mHeader;
    CModInfo mInfo;
    std::vector<SModComponent> mComponents;
};
