// The pack: one archive (interface.dat) holding the course files, with loose
// files on disk overriding it. One pack is open at a time; every course file
// is read through TPack.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kv {

// Every byte of a scrambled member is stored XOR this key.
constexpr unsigned char kScrambleKey = 0x5E;

// A directory entry as stored.
struct TData {
  std::uint8_t NameLength = 0;
  std::string Name;  // exactly the stored bytes
  std::int32_t Offset = 0;
  std::int32_t Size = 0;
  std::uint8_t Scrambled = 0;  // 1: stored XOR 0x5E
};

// The bytes of one course file with a read position. The caller owns it; it
// does not depend on the pack staying open.
class TPack {
 public:
  TPack() = default;
  // The bytes of `name` from the pack or from disk. A missing file shows the
  // missing-file message and leaves the stream empty.
  explicit TPack(const std::string& name);

  std::size_t Size() const { return FSize; }
  const char* Data() const { return FData.get(); }
  std::string_view View() const { return {FData.get(), FSize}; }
  std::string Text() const { return std::string(View()); }

  std::size_t Position() const { return FPosition; }
  void Seek(std::size_t position) { FPosition = position < FSize ? position : FSize; }
  // Copies up to `count` bytes from the position on; returns how many.
  std::size_t Read(void* destination, std::size_t count);

  // Replaces the content with `size` bytes whose storage the caller fills.
  char* Reset(std::size_t size);

 private:
  std::unique_ptr<char[]> FData;
  std::size_t FSize = 0;
  std::size_t FPosition = 0;
};

// What is wrong with a pack file's header or directory.
enum class TPackFault { None, Unreadable, ShortHeader, BadSignature, DirectoryOutside, EntryCutShort };

// The header and directory of a pack file, read without opening it as the pack.
struct TPackDirectory {
  std::uint64_t FileSize = 0;
  std::uint64_t DirOffset = 0;
  std::vector<TData> Entries;  // the entries read before any fault
  TPackFault Fault = TPackFault::None;
};

TPackDirectory ReadPackDirectory(const std::string& nativePath);

// Opens the pack at `path` (a course path). False, silently, when there is no
// such file; a file that is not a sound pack raises EError
// "Ошибка иницилизации архива" (after "Неверная сигнатура архива" for a wrong
// signature) and leaves no pack open.
bool OpenPack(const std::string& path);
void ClosePack();
bool PackIsOpen();

// The folder against which member names are taken, ending in a separator.
std::string PackFolder();
std::string PackPath();

// The directory of the open pack in stored order (empty when closed).
const std::vector<TData>& PackDirectory();
// The size in bytes of the open pack file (0 when closed).
std::uint64_t PackFileSize();
// The directory offset from the header of the open pack.
std::uint64_t PackDirOffset();

int FindMember(const std::string& name);
bool PackFileExists(const std::string& name);
std::string RelativeToPack(const std::string& path, const std::string& folder);

// Fills `into` with member `index` of the open pack, unscrambled. A member
// that runs past the end of the pack file keeps its declared size (capped at
// the pack file's size) with zero bytes where the file ends.
bool ReadMember(int index, TPack& into);

// What TPack(name) reads, without the message: false when `name` is neither a
// member nor a disk file (or is empty).
bool LoadPackFile(const std::string& name, TPack& into);

// The message shown for a file that cannot be found.
std::string MissingFileMessage(const std::string& name);

}  // namespace kv
