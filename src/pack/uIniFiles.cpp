#include "uIniFiles.h"

#include "gPack.h"
#include "util/Cp1251.h"
#include "util/TextLines.h"

namespace kv {
namespace {

std::string_view TrimView(std::string_view text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && static_cast<unsigned char>(text[begin]) <= 32) ++begin;
  while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 32) --end;
  return text.substr(begin, end - begin);
}

}  // namespace

TPakIniFile::TPakIniFile(const std::string& name) {
  const TPack pack(name);
  Parse(pack.View());
}

TPakIniFile TPakIniFile::FromText(std::string_view text) {
  TPakIniFile ini;
  ini.Parse(text);
  return ini;
}

void TPakIniFile::Parse(std::string_view text) {
  TSection* current = nullptr;
  ForEachLine(text, [&](std::string_view raw) {
    const std::string_view line = TrimView(raw);
    if (line.empty() || line[0] == ';') return;
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      FSections.push_back(TSection{std::string(TrimView(line.substr(1, line.size() - 2))), {}});
      current = &FSections.back();
      FLastByName[UpperCase(current->Name)] = FSections.size() - 1;
      return;
    }
    if (!current) return;
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) {
      current->Entries.push_back(TEntry{{}, std::string(line), true});
      return;
    }
    current->Entries.push_back(
        TEntry{std::string(TrimView(line.substr(0, eq))), std::string(TrimView(line.substr(eq + 1))), false});
  });
}

const TPakIniFile::TSection* TPakIniFile::FindSection(const std::string& section) const {
  const auto it = FLastByName.find(UpperCase(section));
  return it == FLastByName.end() ? nullptr : &FSections[it->second];
}

std::vector<std::string> TPakIniFile::SectionNames() const {
  std::vector<std::string> names;
  names.reserve(FSections.size());
  for (const TSection& section : FSections) names.push_back(section.Name);
  return names;
}

bool TPakIniFile::SectionExists(const std::string& section) const { return FindSection(section) != nullptr; }

std::vector<std::string> TPakIniFile::KeyNames(const std::string& section) const {
  std::vector<std::string> keys;
  if (const TSection* found = FindSection(section))
    for (const TEntry& entry : found->Entries) keys.push_back(entry.Key);
  return keys;
}

std::string TPakIniFile::ReadValue(const std::string& section, const std::string& key,
                                   const std::string& defaultValue) const {
  const TSection* found = FindSection(section);
  if (!found) return defaultValue;
  for (auto it = found->Entries.rbegin(); it != found->Entries.rend(); ++it)
    if (!it->Bare && SameText(it->Key, key)) return it->Value;
  return defaultValue;
}

std::vector<std::string> TPakIniFile::SectionLines(const std::string& section) const {
  std::vector<std::string> lines;
  if (const TSection* found = FindSection(section))
    for (const TEntry& entry : found->Entries) lines.push_back(entry.Bare ? entry.Value : entry.Key + "=" + entry.Value);
  return lines;
}

}  // namespace kv
