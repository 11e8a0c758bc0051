// An INI text read through the pack and kept in memory: ordered sections of
// key=value entries (or bare lines). Names compare without regard to case.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kv {

class TPakIniFile {
 public:
  TPakIniFile() = default;
  // Reads `name` through the pack; a missing file gives an empty INI file
  // after the missing-file message.
  explicit TPakIniFile(const std::string& name);

  static TPakIniFile FromText(std::string_view text);

  // Section names in file order, duplicates included.
  std::vector<std::string> SectionNames() const;
  bool SectionExists(const std::string& section) const;
  // Key names of the (last) section of that name, in file order; a bare line gives "".
  std::vector<std::string> KeyNames(const std::string& section) const;
  // The value of the last entry of `key`, or `defaultValue`.
  std::string ReadValue(const std::string& section, const std::string& key, const std::string& defaultValue) const;
  // The section's lines as key=value, bare lines as they stand.
  std::vector<std::string> SectionLines(const std::string& section) const;

 private:
  struct TEntry {
    std::string Key;
    std::string Value;  // a bare line's whole text
    bool Bare = false;
  };
  struct TSection {
    std::string Name;
    std::vector<TEntry> Entries;
  };

  void Parse(std::string_view text);
  const TSection* FindSection(const std::string& section) const;

  std::vector<TSection> FSections;
  std::unordered_map<std::string, std::size_t> FLastByName;  // upper-cased name -> index
};

}  // namespace kv
