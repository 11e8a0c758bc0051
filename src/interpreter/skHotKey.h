// Hot keys: key combinations bound to command strings, looked up by the form
// before any control sees the key. A binding belongs to the page that was
// shown when it was registered (-1: every page).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kv {

class TPakIniFile;

// A key combination: a virtual key code plus modifier flags; 0 matches nothing.
using TShortCut = std::uint16_t;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;

// Virtual key codes of the keys the notation names.
namespace vk {
constexpr std::uint16_t Back = 0x08, Tab = 0x09, Return = 0x0D, Escape = 0x1B, Space = 0x20, Prior = 0x21,
                        Next = 0x22, End = 0x23, Home = 0x24, Left = 0x25, Up = 0x26, Right = 0x27, Down = 0x28,
                        Insert = 0x2D, Delete = 0x2E, F1 = 0x70, Multiply = 0x6A, Add = 0x6B, Subtract = 0x6D,
                        Divide = 0x6F;
}

// Parses shortcut notation: modifier names and a key name joined by "+"
// ("Ctrl+F", "Shift+Ctrl+Del", "F1", "Alt+X", "Escape"); names ignore case.
// Text that does not parse gives 0.
TShortCut TextToShortCut(const std::string& text);

class TSkHotKey {
 public:
  struct TData {
    std::int32_t Page = -1;
    std::string Command;
    TShortCut ShortCut = 0;
  };

  // `text` is key text "*" command string.
  void RegisterHotKey(int page, const std::string& text);
  // Every key of the section but `type` declares one binding.
  void RegisterHotKeySection(int page, const TPakIniFile& ini, const std::string& section);

  int Count() const { return static_cast<int>(FEntries.size()); }
  int PageAt(int i) const;
  TShortCut ShortCutAt(int i) const;
  std::string CommandAt(int i) const;

  // The command of the first binding of `shortCut` that works on `currentPage`.
  std::optional<std::string> Lookup(TShortCut shortCut, int currentPage) const;

 private:
  std::vector<TData> FEntries;
};

}  // namespace kv
