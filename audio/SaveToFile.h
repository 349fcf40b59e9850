#pragma once

#include "files/FileSpec.h"
#include "media/OpenFile.h"
#include "media/XBase.h"

// Creates (or truncates) the file and lets `write` fill it. When anything fails
// after the file was made, it is closed and deleted, so no half-written sample
// file is left behind, and the failure is passed on. A file that could not be
// created is not touched.
template <typename Write>
void SaveToFile(const CFileSpec& file, const char* fileType, const char* creator, Write write)
{
    COpenFile media(file.GetFullPath().c_str(), fileType, creator);
    try {
        write(static_cast<CMedia&>(media));
        media.Close();
    } catch (...) {
        media.Close();
        try {
            file.Delete();
        } catch (const XBase&) {
            // The write failure is the one to report.
        }
        throw;
    }
}
