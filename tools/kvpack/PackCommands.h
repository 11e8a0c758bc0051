// The pack tool's commands. Each returns the process exit status and writes
// its output and messages to the given streams.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kv {

struct TPackStreams {
  std::ostream& Out;
  std::ostream& Err;
};

int PackCreate(const std::string& pack, const std::string& folder, const std::vector<std::string>& scrambleGlobs,
               TPackStreams io);
int PackList(const std::string& pack, TPackStreams io);
int PackCat(const std::string& pack, const std::string& name, TPackStreams io);
int PackExtract(const std::string& pack, const std::string& folder, TPackStreams io);
int PackVerify(const std::string& pack, TPackStreams io);

}  // namespace kv
