// Shared fixtures: a temporary course folder, captured messages, raw packs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "util/Messages.h"

namespace kv::test {

// A fresh folder that is removed again. It becomes the program's folder and
// the pack's folder, with no pack open, as when the player starts on it.
class TTempCourse {
 public:
  TTempCourse();
  ~TTempCourse();
  TTempCourse(const TTempCourse&) = delete;
  TTempCourse& operator=(const TTempCourse&) = delete;

  const std::string& Native() const { return FNative; }  // ends in '/'
  // Writes a file below the folder (relative path with '/', UTF-8), creating folders.
  std::string Write(const std::string& relative, const std::string& bytes) const;

 private:
  std::string FNative;
};

// Collects every message shown while it lives.
class TMessageCapture {
 public:
  TMessageCapture();
  ~TMessageCapture();
  std::vector<std::string> Messages;  // UTF-8

 private:
  TMessageSink FOld;
};

// A pack entry written exactly as given, for packs no writer would make.
struct TRawEntry {
  std::string Name;
  std::int32_t Size;
  std::int32_t Offset;
  std::uint8_t Flag;
};

// Header ("KVQ", directory offset) + data + the given directory entries.
std::string RawPack(const std::string& data, const std::vector<TRawEntry>& entries);

std::string ReadFile(const std::string& nativePath);

// UTF-8 to Windows-1251, for fixtures written in this source's encoding.
std::string W(const std::string& utf8);

}  // namespace kv::test
