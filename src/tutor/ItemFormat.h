// The printf-like item templates of list pages: %s takes a text, %d an
// integer, %% writes one percent sign, and an index before a colon (%1:d)
// picks an argument by its position from 0, later directives going on after it.
#pragma once

#include <string>
#include <variant>
#include <vector>

namespace kv {

using TFormatArgument = std::variant<std::string, long long>;

// Raises EConvertError for a directive that does not fit its argument or
// points past the last one.
std::string FormatText(const std::string& templ, const std::vector<TFormatArgument>& arguments);

}  // namespace kv
