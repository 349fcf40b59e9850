#pragma once

#include <cstdint>

// Imports the bytes of one of the mod's text files into a field of the text
// record: at most `limit` characters and a terminator, cut at a zero byte, with
// trailing line breaks removed. A text whose lines end in carriage returns alone
// was written on the synthesizer's home platform: its breaks become carriage
// return plus line feed and its characters above 0x7F are mapped to Latin-1.
void ImportText(char* field, const uint8_t* bytes, int32_t size, int32_t limit);

// The Latin-1 byte for a character of the classic Mac character set; "?" where
// Latin-1 has none. Bytes below 0x80 map to themselves.
uint8_t MacToLatin(uint8_t character);
