#pragma once

#include "files/FileSpec.h"
#include "files/FileType.h"

#include <cstdint>
#include <memory>

class CFileTypeDescriptor;
class CFileTypeList;

// The open and save dialogs, owned by the application's main window. Each
// returns false when the user cancels, leaving the out values empty; on true
// `file` holds the chosen file, which the caller owns. The prompt is the
// dialog's title; no folder is given, so a dialog opens in the current folder.
// An answer that names a folder, or a path longer than the 260 characters a
// file specification holds (this platform allows 4095), is refused with XBase.

// The single-type save dialog: the type's filter line, its extension as the
// default, and a question before an existing file is replaced. Whatever
// extension is typed, the file gets the type's.
bool AskSaveFileOfType(const char* prompt, const char* proposedName, const CFileTypeDescriptor& type,
                       std::unique_ptr<CFileSpec>& file);
// One filter line per type (and an all-types line when the list asks for it),
// `preselect`'s line selected, the first when it is not in the list. `fileType`
// is the chosen file's type, by its extension.
bool AskSaveFile(const char* prompt, const char* proposedName, const CFileTypeList& types,
                 const CFileTypeDescriptor& preselect, std::unique_ptr<CFileSpec>& file, CUnknownFileType& fileType);
// An existing file, with a filter line for each of the types the program
// offers. `fileType` is the chosen file's type.
bool AskOpenFile(const char* prompt, const CFileTypeList& types, CUnknownFileType& fileType,
                 std::unique_ptr<CFileSpec>& file);

// The same with the prompt from the string scripts (at most 128 characters).
bool AskSaveFileOfType(uint32_t promptId, const char* proposedName, const CFileTypeDescriptor& type,
                       std::unique_ptr<CFileSpec>& file);
bool AskSaveFile(uint32_t promptId, const char* proposedName, const CFileTypeList& types,
                 const CFileTypeDescriptor& preselect, std::unique_ptr<CFileSpec>& file, CUnknownFileType& fileType);
bool AskOpenFile(uint32_t promptId, const CFileTypeList& types, CUnknownFileType& fileType,
                 std::unique_ptr<CFileSpec>& file);
