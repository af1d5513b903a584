// Conversion between UTF-8 and the Windows-1252 bytes the player shows.
#pragma once
#include <string>
#include <string_view>

// False when utf8 is not valid UTF-8 or holds a character with no
// Windows-1252 form; *bad is then that character (or U+FFFD for bad UTF-8).
bool Utf8ToCp1252(std::string_view utf8, std::string* out, char32_t* bad);

// Every byte has a reading: the five bytes Windows-1252 leaves undefined
// stand for the C1 controls of the same number.
std::string Cp1252ToUtf8(std::string_view bytes);

// "U+00E9" style name of a character, for messages.
std::string CodePointName(char32_t c);
