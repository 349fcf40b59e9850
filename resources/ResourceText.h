#pragma once

#include <cstdint>

// Texts of the program's resource scripts by text number (see TextNumber.h):
// strings ("SSTR"), alert markup ("SALR") and menu scripts ("SMNU").
//
// Each copies at most min(maxLength, 3000) characters of the text into `out`,
// zero-terminated, and also writes a zero at out[maxLength]: `out` must hold
// maxLength + 1 characters. A slot without a text, or an index of 1000 or more,
// gives the empty text. A missing script throws XBase; a negative maxLength
// throws XBase without touching `out`.
void GetString(uint32_t textNumber, char* out, int32_t maxLength);
void GetAlertScript(uint32_t textNumber, char* out, int32_t maxLength);
void GetMenuScript(uint32_t textNumber, char* out, int32_t maxLength);
