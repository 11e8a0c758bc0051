// Command strings: what every button, menu item, hot key, link and movie asks
// for. Commands are separated by "//"; a command is a name and arguments
// separated by "*". Names are lower-cased, arguments keep their case, empty
// arguments and commands without a name are dropped; there is no quoting.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kv {

// A command string on its way from the control that fired it to the executor.
struct RHelpAction {
  std::string Text;
  std::int32_t Height = 0;  // height of the firing control, or 0
  std::int32_t X = 0;       // screen position of its top-left corner, or 0
  std::int32_t Y = 0;
};

struct RCommand {
  std::string Name;     // lower-cased
  std::string ArgText;  // everything after the first "*", as written
  std::vector<std::string> Args;  // the non-empty arguments in order
  std::string Rest;     // the command string after this command's "//"
};

class TSkCommand {
 public:
  explicit TSkCommand(const std::string& text);

  int Count() const { return static_cast<int>(FCommands.size()); }
  const RCommand& Commands(int i) const { return FCommands[static_cast<std::size_t>(i)]; }
  const std::vector<RCommand>& All() const { return FCommands; }

  // Command i written back: name, then "*" before every argument.
  std::string CommandText(int i) const;

 private:
  std::vector<RCommand> FCommands;
};

}  // namespace kv
