// Splitting course text into lines: at CR LF, a lone LF or a lone CR; a NUL
// byte ends the text; a last line without a break still counts.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kv {

template <typename F>
void ForEachLine(std::string_view text, F&& onLine) {
  const std::size_t end = text.find('\0');
  if (end != std::string_view::npos) text = text.substr(0, end);
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t at = start;
    while (at < text.size() && text[at] != '\r' && text[at] != '\n') ++at;
    onLine(text.substr(start, at - start));
    if (at < text.size() && text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') ++at;
    start = at + 1;
  }
}

inline std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  ForEachLine(text, [&](std::string_view line) { lines.emplace_back(line); });
  return lines;
}

}  // namespace kv
