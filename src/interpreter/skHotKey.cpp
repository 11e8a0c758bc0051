#include "skHotKey.h"

#include <utility>

#include "pack/uIniFiles.h"
#include "util/Cp1251.h"
#include "util/uUtils.h"

namespace kv {
namespace {

std::uint16_t KeyCodeOf(const std::string& name) {
  static const std::pair<const char*, std::uint16_t> kNames[] = {
      {"bksp", vk::Back},        {"backspace", vk::Back}, {"tab", vk::Tab},          {"enter", vk::Return},
      {"return", vk::Return},    {"esc", vk::Escape},     {"escape", vk::Escape},    {"space", vk::Space},
      {"pgup", vk::Prior},       {"pageup", vk::Prior},   {"pgdn", vk::Next},        {"pagedown", vk::Next},
      {"end", vk::End},          {"home", vk::Home},      {"left", vk::Left},        {"up", vk::Up},
      {"right", vk::Right},      {"down", vk::Down},      {"ins", vk::Insert},       {"insert", vk::Insert},
      {"del", vk::Delete},       {"delete", vk::Delete},  {"num *", vk::Multiply},   {"num +", vk::Add},
      {"num -", vk::Subtract},   {"num /", vk::Divide},
  };
  const std::string lower = LowerCase(name);
  if (lower.size() == 1) {
    const unsigned char c = static_cast<unsigned char>(UpperChar(static_cast<unsigned char>(lower[0])));
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c;
  }
  if (lower.size() >= 2 && lower.size() <= 3 && lower[0] == 'f') {
    const std::string digits = lower.substr(1);
    if (digits.find_first_not_of("0123456789") == std::string::npos) {
      const int n = std::stoi(digits);
      if (n >= 1 && n <= 24) return static_cast<std::uint16_t>(vk::F1 + n - 1);
    }
  }
  for (const auto& [text, code] : kNames)
    if (lower == text) return code;
  return 0;
}

}  // namespace

TShortCut TextToShortCut(const std::string& text) {
  std::string rest = Trim(text);
  TShortCut modifiers = 0;
  // Modifiers first; the key is whatever follows the last modifier ("Ctrl++" names the plus key).
  for (;;) {
    const std::size_t plus = rest.find('+', 1);
    if (plus == std::string::npos) break;
    const std::string word = LowerCase(rest.substr(0, plus));
    if (word == "shift") modifiers |= scShift;
    else if (word == "ctrl") modifiers |= scCtrl;
    else if (word == "alt") modifiers |= scAlt;
    else break;
    rest.erase(0, plus + 1);
  }
  if (rest == "+") return static_cast<TShortCut>(modifiers | 0xBB);
  const std::uint16_t key = KeyCodeOf(rest);
  return key == 0 ? 0 : static_cast<TShortCut>(modifiers | key);
}

void TSkHotKey::RegisterHotKey(int page, const std::string& text) {
  std::string command = text;
  const std::string keyText = SplitFirst(command, "*");
  FEntries.push_back(TData{page, command, TextToShortCut(keyText)});
}

void TSkHotKey::RegisterHotKeySection(int page, const TPakIniFile& ini, const std::string& section) {
  for (const std::string& key : ini.KeyNames(section))
    if (LowerCase(key) != "type") RegisterHotKey(page, ini.ReadValue(section, key, ""));
}

int TSkHotKey::PageAt(int i) const { return i >= 0 && i < Count() ? FEntries[i].Page : 0; }
TShortCut TSkHotKey::ShortCutAt(int i) const { return i >= 0 && i < Count() ? FEntries[i].ShortCut : 0; }
std::string TSkHotKey::CommandAt(int i) const { return i >= 0 && i < Count() ? FEntries[i].Command : std::string(); }

std::optional<std::string> TSkHotKey::Lookup(TShortCut shortCut, int currentPage) const {
  if (shortCut == 0) return std::nullopt;
  for (const TData& entry : FEntries)
    if (entry.ShortCut == shortCut && (entry.Page == -1 || entry.Page == currentPage)) return entry.Command;
  return std::nullopt;
}

}  // namespace kv
