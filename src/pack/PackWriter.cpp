#include "PackWriter.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#include "gPack.h"
#include "util/Errors.h"

namespace kv {
namespace {

constexpr std::uint64_t kMaxOffset = 0x7FFFFFFF;  // offsets and sizes are signed 32-bit

void PutLe(std::string& out, std::uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

class TTempFile {
 public:
  explicit TTempFile(const std::string& target) : FPath(target + ".XXXXXX") {
    const int fd = mkstemp(FPath.data());
    if (fd < 0) throw EError("cannot create a file beside " + target + ": " + std::strerror(errno));
    fchmod(fd, 0644);
    FFile = fdopen(fd, "wb");
    if (!FFile) {
      ::close(fd);
      throw EError("cannot write " + FPath);
    }
  }
  ~TTempFile() {
    if (FFile) std::fclose(FFile);
    if (!FKept) std::remove(FPath.c_str());
  }
  void Put(const char* data, std::size_t size) {
    if (size && std::fwrite(data, 1, size, FFile) != size) throw EError("cannot write " + FPath + ": " + std::strerror(errno));
  }
  void PutAt(long offset, const std::string& data) {
    if (std::fseek(FFile, offset, SEEK_SET) != 0) throw EError("cannot write " + FPath);
    Put(data.data(), data.size());
  }
  void Commit(const std::string& target) {
    const bool closed = std::fclose(FFile) == 0;
    FFile = nullptr;
    if (!closed) throw EError("cannot write " + FPath);
    if (std::rename(FPath.c_str(), target.c_str()) != 0) throw EError("cannot create " + target + ": " + std::strerror(errno));
    FKept = true;
  }

 private:
  std::string FPath;
  std::FILE* FFile = nullptr;
  bool FKept = false;
};

// Copies a member's bytes into the pack; returns how many were written.
std::uint64_t CopyMember(TTempFile& out, const std::string& bytes, const std::string& file, bool scrambled) {
  auto put = [&](char* data, std::size_t size) {
    if (scrambled)
      for (std::size_t i = 0; i < size; ++i) data[i] = static_cast<char>(data[i] ^ kScrambleKey);
    out.Put(data, size);
  };
  if (file.empty()) {
    std::string copy = bytes;
    put(copy.data(), copy.size());
    return copy.size();
  }
  std::FILE* in = std::fopen(file.c_str(), "rb");
  if (!in) throw EError("cannot read " + file + ": " + std::strerror(errno));
  std::uint64_t total = 0;
  std::vector<char> buffer(1 << 20);
  std::size_t got;
  while ((got = std::fread(buffer.data(), 1, buffer.size(), in)) > 0) {
    put(buffer.data(), got);
    total += got;
  }
  const bool failed = std::ferror(in);
  std::fclose(in);
  if (failed) throw EError("cannot read " + file);
  return total;
}

}  // namespace

void TPackWriter::Add(const std::string& name, std::string bytes, bool scrambled) {
  FMembers.push_back(TMember{name, std::move(bytes), {}, scrambled});
}

void TPackWriter::AddFile(const std::string& name, const std::string& nativePath, bool scrambled) {
  FMembers.push_back(TMember{name, {}, nativePath, scrambled});
}

void TPackWriter::Write(const std::string& nativePath) const {
  TTempFile out(nativePath);
  std::string header = "KVQ";
  PutLe(header, 0, 4);
  PutLe(header, 0, 8);  // directory offset, filled in below
  out.Put(header.data(), header.size());
  std::string directory;
  std::uint64_t offset = header.size();
  for (const TMember& member : FMembers) {
    if (member.Name.size() > 255) throw EError("member name longer than 255 bytes: " + member.Name);
    const std::uint64_t size = CopyMember(out, member.Bytes, member.File, member.Scrambled);
    if (offset + size > kMaxOffset) throw EError("the pack would be larger than 2 GiB");
    directory += static_cast<char>(member.Name.size());
    directory += member.Name;
    PutLe(directory, size, 4);
    PutLe(directory, offset, 4);
    directory += static_cast<char>(member.Scrambled ? 1 : 0);
    offset += size;
  }
  if (directory.empty()) throw EError("a pack needs at least one member");
  out.Put(directory.data(), directory.size());
  std::string dirOffset;
  PutLe(dirOffset, offset, 8);
  out.PutAt(7, dirOffset);
  out.Commit(nativePath);
}

}  // namespace kv
