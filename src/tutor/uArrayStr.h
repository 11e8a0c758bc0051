// An ordered list of texts: the parts of the exam page and of its report.
#pragma once

#include <string>
#include <vector>

namespace kv {

class TArrayStr {
 public:
  int Add(const std::string& text) {
    FItems.push_back(text);
    return Size();
  }
  const std::string& At(int index) const { return FItems.at(static_cast<std::size_t>(index)); }
  int Size() const { return static_cast<int>(FItems.size()); }
  void Clear() { FItems.clear(); }
  // Every text followed by CR LF.
  std::string Joined() const {
    std::string text;
    for (const std::string& item : FItems) text += item + "\r\n";
    return text;
  }

 private:
  std::vector<std::string> FItems;
};

}  // namespace kv
