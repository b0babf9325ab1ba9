// The files and the model hold single-byte Windows-1252 text; a terminal
// wants UTF-8. This is the crossing for programs without windows.
#pragma once

#include <string>

namespace veridane {

// Each byte becomes its Windows-1252 character in UTF-8. The five bytes that
// Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the C1
// control of the same code, as in the windows, so nothing is lost.
std::string Utf8DepuisWindows1252(const std::string& octets);

// The Unicode character of one Windows-1252 byte (undefined bytes as C1
// controls), and the byte of a character; '?' when Windows-1252 has none.
char32_t CaractereWindows1252(unsigned char octet);
char OctetWindows1252(char32_t caractere);

// The other way, for what a person types on a command line: each UTF-8
// character becomes its Windows-1252 byte ('?' when it has none); a byte
// that does not start a valid UTF-8 sequence is kept as it is.
std::string Windows1252DepuisUtf8(const std::string& texte);

}  // namespace veridane
