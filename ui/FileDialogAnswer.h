#pragma once

#include "files/FileSpec.h"
#include "platform/WindowPort.h"

#include <memory>
#include <string>
#include <vector>

class CFileTypeList;
class CFileTypeDescriptor;

// The plain parts of the open and save dialogs: the filter lines built from file
// types, and the answer turned into a file specification.
namespace FileDialogAnswer {

// The dialog-filter text of the types (see files/DialogFilter.h), as pairs of
// shown text and pattern.
std::vector<WindowPort::SFileFilter> MakeFilters(const CFileTypeList& types);

// The chosen path cut at its last "/" into folder and file part, and the file
// part at its last "." into name and extension; no dot gives an empty
// extension. The dialogs answer with paths up to this platform's 4095
// characters, but a specification holds 260: a longer answer is refused with
// XBase, never cut, since a cut path names another file. An answer without a
// file part, or naming an existing folder, is refused with XBase as well.
std::unique_ptr<CFileSpec> Split(const std::string& path);

// The save rule for one type: whatever extension was typed, the file is saved
// with the type's. XBase when the path grows past 260 characters.
void ApplyExtension(CFileSpec& file, const CFileTypeDescriptor& type);

} // namespace FileDialogAnswer
