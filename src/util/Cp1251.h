// Windows-1251: the single-byte encoding of every course text.
// Conversions to and from UTF-8 and the case tables (Cyrillic included).
#pragma once

#include <string>
#include <string_view>

namespace kv {

// The Unicode code point of a Windows-1251 byte (0x98, unassigned, maps to U+0098).
char32_t Cp1251ToUnicode(unsigned char byte);

// The Windows-1251 byte of a code point, or -1 when it has none.
int UnicodeToCp1251(char32_t code);

std::string Cp1251ToUtf8(std::string_view text);

// Converts UTF-8 to Windows-1251. Characters that have no Windows-1251 byte and
// malformed UTF-8 become '?'; `exact` (when given) tells whether none did.
std::string Utf8ToCp1251(std::string_view text, bool* exact = nullptr);

unsigned char LowerChar(unsigned char c);
unsigned char UpperChar(unsigned char c);
std::string LowerCase(std::string_view text);
std::string UpperCase(std::string_view text);

// Case-insensitive equality of two Windows-1251 texts.
bool SameText(std::string_view a, std::string_view b);

}  // namespace kv
