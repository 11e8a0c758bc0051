// kvpack: makes, lists, reads, extracts and checks course packs (interface.dat).
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "PackCommands.h"

namespace {

int Usage() {
  std::cerr << "usage:\n"
               "  kvpack create PACK DIR [--scramble GLOB]...\n"
               "  kvpack list PACK\n"
               "  kvpack cat PACK NAME\n"
               "  kvpack extract PACK DIR\n"
               "  kvpack verify PACK\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return Usage();
  const kv::TPackStreams io{std::cout, std::cerr};
  const std::string& command = args[0];
  if (command == "create" && args.size() >= 3) {
    std::vector<std::string> globs;
    for (std::size_t i = 3; i < args.size(); ++i) {
      if (args[i] != "--scramble" || i + 1 >= args.size()) return Usage();
      globs.push_back(args[++i]);
    }
    return kv::PackCreate(args[1], args[2], globs, io);
  }
  if (command == "list" && args.size() == 2) return kv::PackList(args[1], io);
  if (command == "cat" && args.size() == 3) return kv::PackCat(args[1], args[2], io);
  if (command == "extract" && args.size() == 3) return kv::PackExtract(args[1], args[2], io);
  if (command == "verify" && args.size() == 2) return kv::PackVerify(args[1], io);
  return Usage();
}
