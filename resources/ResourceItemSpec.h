#pragma once

#include "files/FileSpec.h"

#include <cstdint>

// One resource item: the module file that holds it, its four-character type and
// its 16-bit id. On this platform only the running program holds resources; a
// specification naming no file, or the program's own file, is the running module,
// and opening one naming any other file fails with XFile.
class CResourceItemSpec : public CFileSpec {
public:
    // An item of the running program.
    CResourceItemSpec(const char* type, uint16_t id);
    // An item of the module file `module`.
    CResourceItemSpec(const CFileSpec& module, const char* type, uint16_t id);

    const char* GetResourceType() const { return mType; }
    uint16_t GetResourceId() const { return mId; }

    // A new COpenResourceItem on the item; the caller owns it.
    CMedia* OpenForReading() const override;
    // A new copy of the module, type and id; the caller owns it.
    CABCMediaSpec* Clone() const override;

private:
    char mType[5] = {};
    uint16_t mId = 0;
};
