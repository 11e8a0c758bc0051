#include "Cp1251.h"

#include <array>

namespace kv {
namespace {

// Code points of the bytes 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F.
constexpr char16_t kHigh[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

// Lower-case counterpart of a code point that Windows-1251 can hold.
char32_t UnicodeLower(char32_t c) {
  if (c >= 'A' && c <= 'Z') return c + 32;
  if (c >= 0x0410 && c <= 0x042F) return c + 0x20;
  if (c >= 0x0400 && c <= 0x040F) return c + 0x50;
  if (c == 0x0490) return 0x0491;
  return c;
}

struct CaseTables {
  std::array<unsigned char, 256> lower{};
  std::array<unsigned char, 256> upper{};
  CaseTables() {
    for (int i = 0; i < 256; ++i) {
      lower[i] = static_cast<unsigned char>(i);
      upper[i] = static_cast<unsigned char>(i);
    }
    for (int i = 0; i < 256; ++i) {
      const int low = UnicodeToCp1251(UnicodeLower(Cp1251ToUnicode(static_cast<unsigned char>(i))));
      if (low >= 0 && low != i) {
        lower[i] = static_cast<unsigned char>(low);
        upper[low] = static_cast<unsigned char>(i);
      }
    }
  }
};

const CaseTables& Tables() {
  static const CaseTables tables;
  return tables;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Decodes one UTF-8 sequence at text[i]; advances i. Returns U+FFFD for malformed input.
char32_t DecodeUtf8(std::string_view text, size_t& i) {
  const auto b0 = static_cast<unsigned char>(text[i++]);
  if (b0 < 0x80) return b0;
  int extra = 0;
  char32_t code = 0;
  if ((b0 & 0xE0) == 0xC0) { extra = 1; code = b0 & 0x1F; }
  else if ((b0 & 0xF0) == 0xE0) { extra = 2; code = b0 & 0x0F; }
  else if ((b0 & 0xF8) == 0xF0) { extra = 3; code = b0 & 0x07; }
  else return 0xFFFD;
  for (int k = 0; k < extra; ++k) {
    if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return 0xFFFD;
    code = (code << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
  }
  return code;
}

}  // namespace

char32_t Cp1251ToUnicode(unsigned char byte) {
  if (byte < 0x80) return byte;
  if (byte >= 0xC0) return 0x0410 + (byte - 0xC0);
  return kHigh[byte - 0x80];
}

int UnicodeToCp1251(char32_t code) {
  if (code < 0x80) return static_cast<int>(code);
  if (code >= 0x0410 && code <= 0x044F) return static_cast<int>(0xC0 + (code - 0x0410));
  for (int i = 0; i < 64; ++i)
    if (kHigh[i] == code) return 0x80 + i;
  return -1;
}

std::string Cp1251ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (char ch : text) AppendUtf8(out, Cp1251ToUnicode(static_cast<unsigned char>(ch)));
  return out;
}

std::string Utf8ToCp1251(std::string_view text, bool* exact) {
  std::string out;
  out.reserve(text.size());
  bool allExact = true;
  for (size_t i = 0; i < text.size();) {
    const int byte = UnicodeToCp1251(DecodeUtf8(text, i));
    if (byte < 0) allExact = false;
    out += static_cast<char>(byte < 0 ? '?' : byte);
  }
  if (exact) *exact = allExact;
  return out;
}

unsigned char LowerChar(unsigned char c) { return Tables().lower[c]; }
unsigned char UpperChar(unsigned char c) { return Tables().upper[c]; }

std::string LowerCase(std::string_view text) {
  const auto& lower = Tables().lower;
  std::string out(text);
  for (char& ch : out) ch = static_cast<char>(lower[static_cast<unsigned char>(ch)]);
  return out;
}

std::string UpperCase(std::string_view text) {
  const auto& upper = Tables().upper;
  std::string out(text);
  for (char& ch : out) ch = static_cast<char>(upper[static_cast<unsigned char>(ch)]);
  return out;
}

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  const auto& lower = Tables().lower;
  for (size_t i = 0; i < a.size(); ++i)
    if (lower[static_cast<unsigned char>(a[i])] != lower[static_cast<unsigned char>(b[i])]) return false;
  return true;
}

}  // namespace kv
