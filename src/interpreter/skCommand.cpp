#include "skCommand.h"

#include "util/Cp1251.h"
#include "util/uUtils.h"

namespace kv {

TSkCommand::TSkCommand(const std::string& text) {
  std::string work = text;
  while (!work.empty()) {
    std::string command = SplitFirst(work, "//");
    std::string name = SplitFirst(command, "*");
    if (name.empty()) continue;
    RCommand parsed{LowerCase(name), command, {}, work};
    std::string args = command;
    while (!args.empty()) {
      std::string arg = SplitFirst(args, "*");
      if (!arg.empty()) parsed.Args.push_back(std::move(arg));
    }
    FCommands.push_back(std::move(parsed));
  }
}

std::string TSkCommand::CommandText(int i) const {
  if (i < 0 || i >= Count()) return {};
  const RCommand& command = FCommands[static_cast<std::size_t>(i)];
  std::string text = command.Name;
  for (const std::string& arg : command.Args) text += "*" + arg;
  return text;
}

}  // namespace kv
