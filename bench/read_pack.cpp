// Reads every member of a pack by name, the way the player reads course files;
// bench/pack_throughput times it against cat over the same files extracted.
// usage: bench_read_pack PACK
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "pack/gPack.h"
#include "util/Cp1251.h"
#include "util/Errors.h"
#include "util/uUtils.h"

namespace {

bool Open(const std::filesystem::path& pack) {
  kv::SetProgramFolder(pack.parent_path().string());
  try {
    return kv::OpenPack(kv::ProgramFolder() + kv::Utf8ToCp1251(pack.filename().string()));
  } catch (const kv::EError& error) {
    std::fprintf(stderr, "%s\n", kv::Cp1251ToUtf8(error.what()).c_str());
    return false;
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: bench_read_pack PACK\n");
    return 2;
  }
  if (!Open(std::filesystem::absolute(argv[1]))) {
    std::fprintf(stderr, "bench_read_pack: cannot open %s as a pack\n", argv[1]);
    return 1;
  }
  std::uint64_t bytes = 0;
  unsigned check = 0;  // depends on every member's bytes, so no read can be skipped
  for (const kv::TData& entry : kv::PackDirectory()) {
    const kv::TPack member(entry.Name);
    bytes += member.Size();
    if (member.Size()) check += static_cast<unsigned char>(member.Data()[member.Size() - 1]);
  }
  std::printf("%zu members, %llu bytes, check %u\n", kv::PackDirectory().size(),
              static_cast<unsigned long long>(bytes), check);
  kv::ClosePack();
  return 0;
}
