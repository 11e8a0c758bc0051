#include "uArrayInt.h"

#include "util/uUtils.h"

namespace kv {

int TArrayInt::Add(std::int32_t count) {
  FEntries.push_back(TEntry{0, {}, count});
  return Size();
}

void TArrayInt::SetType(int index, std::int32_t type) { FEntries.at(static_cast<std::size_t>(index)).Type = type; }

void TArrayInt::SetFile(int index, const std::string& file) {
  FEntries.at(static_cast<std::size_t>(index)).File = file.substr(0, 255);
}

long long TArrayInt::SumOfCounts() const {
  long long sum = 0;
  for (const TEntry& entry : FEntries) sum += entry.Count;
  return sum;
}

int TArrayInt::AppendCounts(const std::string& text, const std::string& separator) {
  std::string rest = Trim(text);
  int appended = 0;
  while (!rest.empty()) {
    Add(StrToInt(SplitFirst(rest, separator)));
    ++appended;
  }
  return appended;
}

template <typename F>
void TArrayInt::SetItems(const std::string& text, const std::string& separator, int first, F&& set) {
  std::string rest = Trim(text);
  if (first < 0 || Size() - 1 < first || rest.empty()) return;
  for (int index = first; index < Size(); ++index) {
    set(index, SplitFirst(rest, separator));
    if (rest.empty()) return;
  }
}

void TArrayInt::SetFiles(const std::string& text, const std::string& separator, int first) {
  SetItems(text, separator, first, [this](int index, const std::string& item) { SetFile(index, item); });
}

void TArrayInt::SetTypes(const std::string& text, const std::string& separator, int first) {
  SetItems(text, separator, first, [this](int index, const std::string& item) { SetType(index, StrToInt(item)); });
}

}  // namespace kv
