#include "gPackUtils.h"

#include "util/TextLines.h"

namespace kv {

std::vector<std::string> LoadPackStrings(const std::string& name) { return SplitLines(TPack(name).View()); }

std::string LoadPackText(const std::string& name, const std::string& argument) {
  const TPack pack(name);
  std::string text;
  text.reserve(pack.Size() + 64);
  ForEachLine(pack.View(), [&](std::string_view line) {
    text += line;
    text += "\r\n";
  });
  if (argument.empty()) return text;
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == 's' || text[i + 1] == 'S')) {
      result += argument;
      ++i;
    } else {
      result += text[i];
    }
  }
  return result;
}

std::unique_ptr<TPack> OpenPackStream(const std::string& name) { return std::make_unique<TPack>(name); }

}  // namespace kv
