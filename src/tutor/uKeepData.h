// The lines of options.txt and the two lookups the options are read with.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kv {

class TKeepData {
 public:
  explicit TKeepData(std::vector<std::string> lines) : FLines(std::move(lines)) {}

  // Everything after the first "=" of the first line whose key (the text
  // before that "=", not trimmed) equals `key` ignoring case; "" when none.
  std::string Text(const std::string& key) const;
  // The text value as an integer; none when it is missing or not one.
  std::optional<int> Integer(const std::string& key) const;

 private:
  std::vector<std::string> FLines;
};

}  // namespace kv
