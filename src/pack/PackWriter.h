// Writes a pack. The player never writes one; the pack tool and the build of
// the demo course do.
#pragma once

#include <string>
#include <vector>

namespace kv {

class TPackWriter {
 public:
  // `name` is the member name as stored (Windows-1251, lower-case, '\').
  void Add(const std::string& name, std::string bytes, bool scrambled);
  // A member whose bytes are read from a file of this file system when the pack is written.
  void AddFile(const std::string& name, const std::string& nativePath, bool scrambled);

  // Writes the pack to `nativePath` through a temporary file beside it, so a
  // failure leaves nothing half-written there. Raises EError with the reason.
  void Write(const std::string& nativePath) const;

 private:
  struct TMember {
    std::string Name;
    std::string Bytes;
    std::string File;
    bool Scrambled = false;
  };
  std::vector<TMember> FMembers;
};

}  // namespace kv
