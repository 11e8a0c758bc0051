// Splitting a fuzz input into its parts, and keeping command strings from
// leaving the run.
#pragma once

#include <initializer_list>
#include <string>

#include "util/Cp1251.h"

namespace kv::fuzz {

// Part `index` of the input, the parts separated by NUL bytes ("" past the last).
inline std::string InputPart(const std::string& input, int index) {
  std::size_t from = 0;
  for (int i = 0; i < index; ++i) {
    from = input.find('\0', from);
    if (from == std::string::npos) return {};
    ++from;
  }
  const std::size_t to = input.find('\0', from);
  return input.substr(from, to == std::string::npos ? std::string::npos : to - from);
}

// The text with every occurrence of the words (any case) spoilt, so that the
// commands they name cannot run.
inline std::string Tamed(std::string text, std::initializer_list<const char*> words) {
  const std::string lower = LowerCase(text);
  for (const char* word : words)
    for (std::size_t at = lower.find(word); at != std::string::npos; at = lower.find(word, at + 1)) text[at] = 'x';
  return text;
}

}  // namespace kv::fuzz
