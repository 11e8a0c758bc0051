// An ordered list of tests (type, file, count); also a plain list of integers
// (the count alone) for the order of answers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kv {

class TArrayInt {
 public:
  struct TEntry {
    std::int32_t Type = 0;
    std::string File;  // at most 255 characters
    std::int32_t Count = 0;
  };

  // Appends an entry with this count; returns the new number of entries.
  int Add(std::int32_t count);
  int Size() const { return static_cast<int>(FEntries.size()); }
  const TEntry& At(int index) const { return FEntries.at(static_cast<std::size_t>(index)); }
  void SetType(int index, std::int32_t type);
  void SetFile(int index, const std::string& file);
  void Clear() { FEntries.clear(); }
  long long SumOfCounts() const;

  // Appends one entry per item of the list (count_test); a trailing separator
  // adds nothing. An item that is not an integer raises EConvertError.
  int AppendCounts(const std::string& text, const std::string& separator);
  // Fill the files or types of existing entries from index `first` on;
  // items beyond the last entry are ignored.
  void SetFiles(const std::string& text, const std::string& separator, int first);
  void SetTypes(const std::string& text, const std::string& separator, int first);

 private:
  template <typename F>
  void SetItems(const std::string& text, const std::string& separator, int first, F&& set);

  std::vector<TEntry> FEntries;
};

}  // namespace kv
