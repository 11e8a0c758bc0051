#include "gPack.h"

#include <cstdio>
#include <cstring>

#include "util/Cp1251.h"
#include "util/DiskFile.h"
#include "util/Errors.h"
#include "util/Messages.h"
#include "util/uUtils.h"

namespace kv {
namespace {

constexpr std::size_t kHeaderSize = 15;

// The one open pack.
struct TDatPack {
  std::uint64_t DirOffset = 0;
  std::FILE* FileStream = nullptr;
  std::uint64_t FileSize = 0;
  std::vector<TData> Directory;
  std::string PackPath;
  std::string PackFolder;
};

TDatPack& Pack() {
  static TDatPack pack;
  return pack;
}

std::uint32_t ReadLe32(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::uint64_t ReadLe64(const unsigned char* p) {
  return static_cast<std::uint64_t>(ReadLe32(p)) | static_cast<std::uint64_t>(ReadLe32(p + 4)) << 32;
}

bool ReadAt(std::FILE* file, std::uint64_t offset, void* into, std::size_t count) {
  if (fseeko(file, static_cast<off_t>(offset), SEEK_SET) != 0) return false;
  return std::fread(into, 1, count, file) == count;
}

// Entries one after another up to the last byte of the file.
TPackFault ParseDirectory(const unsigned char* p, std::size_t size, std::vector<TData>& entries) {
  std::size_t at = 0;
  while (at < size) {
    TData entry;
    entry.NameLength = p[at++];
    if (size - at < entry.NameLength + 9u) return TPackFault::EntryCutShort;
    entry.Name.assign(reinterpret_cast<const char*>(p + at), entry.NameLength);
    at += entry.NameLength;
    entry.Size = static_cast<std::int32_t>(ReadLe32(p + at));
    entry.Offset = static_cast<std::int32_t>(ReadLe32(p + at + 4));
    entry.Scrambled = p[at + 8];
    at += 9;
    entries.push_back(std::move(entry));
  }
  return TPackFault::None;
}

TPackDirectory ReadDirectoryFrom(std::FILE* file) {
  TPackDirectory result;
  if (fseeko(file, 0, SEEK_END) != 0) {
    result.Fault = TPackFault::Unreadable;
    return result;
  }
  result.FileSize = static_cast<std::uint64_t>(ftello(file));
  if (result.FileSize == 0) return result;
  unsigned char header[kHeaderSize];
  if (result.FileSize < kHeaderSize || !ReadAt(file, 0, header, kHeaderSize)) {
    result.Fault = TPackFault::ShortHeader;
    return result;
  }
  if (std::memcmp(header, "KVQ", 3) != 0) {
    result.Fault = TPackFault::BadSignature;
    return result;
  }
  result.DirOffset = ReadLe64(header + 7);
  const std::uint64_t start = result.DirOffset & 0xFFFFFFFFu;
  if (start >= result.FileSize) {
    result.Fault = TPackFault::DirectoryOutside;
    return result;
  }
  std::vector<unsigned char> bytes(result.FileSize - start);
  if (!ReadAt(file, start, bytes.data(), bytes.size())) {
    result.Fault = TPackFault::Unreadable;
    return result;
  }
  result.Fault = ParseDirectory(bytes.data(), bytes.size(), result.Entries);
  return result;
}

bool ReadDiskFile(const std::string& nativePath, TPack& into) {
  std::FILE* file = std::fopen(nativePath.c_str(), "rb");
  if (!file) return false;
  bool ok = fseeko(file, 0, SEEK_END) == 0;
  const off_t size = ok ? ftello(file) : -1;
  ok = size >= 0 && fseeko(file, 0, SEEK_SET) == 0;
  if (ok) {
    char* data = into.Reset(static_cast<std::size_t>(size));
    ok = std::fread(data, 1, into.Size(), file) == into.Size();
  }
  std::fclose(file);
  if (!ok) into.Reset(0);
  return ok;
}

}  // namespace

std::size_t TPack::Read(void* destination, std::size_t count) {
  const std::size_t n = count < FSize - FPosition ? count : FSize - FPosition;
  if (n > 0) std::memcpy(destination, FData.get() + FPosition, n);
  FPosition += n;
  return n;
}

char* TPack::Reset(std::size_t size) {
  FData.reset(size ? new char[size] : nullptr);
  FSize = size;
  FPosition = 0;
  return FData.get();
}

TPack::TPack(const std::string& name) {
  if (!LoadPackFile(name, *this) && !name.empty()) ShowMessage(MissingFileMessage(name));
}

TPackDirectory ReadPackDirectory(const std::string& nativePath) {
  std::FILE* file = std::fopen(nativePath.c_str(), "rb");
  if (!file) {
    TPackDirectory result;
    result.Fault = TPackFault::Unreadable;
    return result;
  }
  TPackDirectory result = ReadDirectoryFrom(file);
  std::fclose(file);
  return result;
}

std::string MissingFileMessage(const std::string& name) {
  return Utf8ToCp1251("Не найден файл \r\n") + name;
}

bool OpenPack(const std::string& path) {
  TDatPack& pack = Pack();
  pack.PackFolder = ProgramFolder();
  const auto native = FindDiskFile(path);
  if (!native) return false;
  ClosePack();
  pack.PackPath = path;
  if (const std::string folder = ExtractFilePath(path); !folder.empty()) pack.PackFolder = folder;
  pack.FileStream = std::fopen(native->c_str(), "rb");
  TPackDirectory directory;
  directory.Fault = TPackFault::Unreadable;
  if (pack.FileStream) directory = ReadDirectoryFrom(pack.FileStream);
  if (directory.Fault == TPackFault::BadSignature) ShowMessage(Utf8ToCp1251("Неверная сигнатура архива"));
  if (directory.Fault != TPackFault::None) {
    ClosePack();
    throw EError(Utf8ToCp1251("Ошибка иницилизации архива"));
  }
  pack.FileSize = directory.FileSize;
  pack.DirOffset = directory.DirOffset;
  pack.Directory = std::move(directory.Entries);
  return true;
}

void ClosePack() {
  TDatPack& pack = Pack();
  if (pack.FileStream) std::fclose(pack.FileStream);
  pack.FileStream = nullptr;
  pack.FileSize = 0;
  pack.DirOffset = 0;
  pack.Directory.clear();
  pack.Directory.shrink_to_fit();
  pack.PackPath.clear();
}

bool PackIsOpen() { return Pack().FileStream != nullptr; }
std::string PackFolder() { return Pack().PackFolder.empty() ? ProgramFolder() : Pack().PackFolder; }
std::string PackPath() { return Pack().PackPath; }
const std::vector<TData>& PackDirectory() { return Pack().Directory; }
std::uint64_t PackFileSize() { return Pack().FileSize; }
std::uint64_t PackDirOffset() { return Pack().DirOffset; }

int FindMember(const std::string& name) {
  const std::vector<TData>& directory = Pack().Directory;
  if (directory.empty()) return -1;
  const std::string wanted = LowerCase(name);
  for (std::size_t i = directory.size(); i > 0; --i)
    if (directory[i - 1].Name == wanted) return static_cast<int>(i - 1);
  return -1;
}

std::string RelativeToPack(const std::string& path, const std::string& folder) {
  if (path.empty() || folder.empty() || !IsFullPath(path) || path.size() < folder.size()) return path;
  return DropFolderPrefix(path, folder.size());
}

bool PackFileExists(const std::string& name) {
  const bool inPack = FindMember(RelativeToPack(name, PackFolder())) != -1;
  if (IsFullPath(name)) return DiskFileExists(name) || inPack;
  return inPack || DiskFileExists(ProgramPath(name));
}

bool ReadMember(int index, TPack& into) {
  const TDatPack& pack = Pack();
  if (index < 0 || static_cast<std::size_t>(index) >= pack.Directory.size() || !pack.FileStream) return false;
  const TData& entry = pack.Directory[index];
  // Never more than the pack file holds, whatever size the entry declares.
  const std::uint64_t declared = entry.Size > 0 ? static_cast<std::uint64_t>(entry.Size) : 0;
  const std::size_t size = static_cast<std::size_t>(declared < pack.FileSize ? declared : pack.FileSize);
  char* data = into.Reset(size);
  std::size_t got = 0;
  if (entry.Offset >= 0 && static_cast<std::uint64_t>(entry.Offset) < pack.FileSize) {
    const std::uint64_t available = pack.FileSize - static_cast<std::uint64_t>(entry.Offset);
    const std::size_t wanted = static_cast<std::size_t>(size < available ? size : available);
    if (fseeko(pack.FileStream, entry.Offset, SEEK_SET) == 0) got = std::fread(data, 1, wanted, pack.FileStream);
  }
  if (got < size) std::memset(data + got, 0, size - got);
  if (entry.Scrambled == 1)
    for (std::size_t i = 0; i < size; ++i) data[i] = static_cast<char>(data[i] ^ kScrambleKey);
  return true;
}

bool LoadPackFile(const std::string& name, TPack& into) {
  into.Reset(0);
  if (name.empty()) return true;
  const std::string folder = PackFolder();
  const std::string relative = LowerCase(RelativeToPack(name, folder));
  if (ReadMember(FindMember(relative), into)) return true;
  // Not a member: the disk file. A full path is taken as written first.
  std::optional<std::string> native;
  if (IsFullPath(name)) native = FindDiskFile(name);
  if (!native) native = FindDiskFile(ResolvePath(relative, folder));
  return native && ReadDiskFile(*native, into);
}

}  // namespace kv
