#pragma once

#include <string>

class CFileTypeList;

// The filter text of the open and save dialogs: pairs of description and
// pattern, each text followed by a zero character, for example
// "Audio IFF (*.AIF)\0*.AIF\0". The returned string holds the embedded zeros and
// ends with the zero after the last pattern; its c_str() supplies the second
// zero that closes the list. A list asking for all types and holding at least
// two descriptors starts with "All files (*.AIF;*.WAV)\0*.AIF;*.WAV\0".
std::string MakeDialogFilter(const CFileTypeList& types);
