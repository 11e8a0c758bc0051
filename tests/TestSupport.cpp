#include "TestSupport.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdlib.h>

#include "pack/gPack.h"
#include "util/Cp1251.h"
#include "util/uUtils.h"

namespace fs = std::filesystem;

namespace kv::test {

TTempCourse::TTempCourse() {
  std::string pattern = (fs::temp_directory_path() / "kvtest.XXXXXX").string();
  FNative = std::string(mkdtemp(pattern.data())) + "/";
  SetProgramFolder(FNative);
  // As at start-up: no pack open, names taken against the new folder.
  ClosePack();
  OpenPack(ProgramFolder() + "interface.dat");
}

TTempCourse::~TTempCourse() {
  std::error_code error;
  fs::remove_all(FNative, error);
}

std::string TTempCourse::Write(const std::string& relative, const std::string& bytes) const {
  const fs::path path = fs::path(FNative) / relative;
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
  return path.string();
}

TMessageCapture::TMessageCapture()
    : FOld(SetMessageSink([this](const std::string& text) { Messages.push_back(Cp1251ToUtf8(text)); })) {}

TMessageCapture::~TMessageCapture() { SetMessageSink(std::move(FOld)); }

std::string RawPack(const std::string& data, const std::vector<TRawEntry>& entries) {
  auto le = [](std::string& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
  };
  std::string pack = "KVQ";
  le(pack, 0, 4);
  le(pack, 15 + data.size(), 8);
  pack += data;
  for (const TRawEntry& entry : entries) {
    pack += static_cast<char>(entry.Name.size());
    pack += entry.Name;
    le(pack, static_cast<std::uint32_t>(entry.Size), 4);
    le(pack, static_cast<std::uint32_t>(entry.Offset), 4);
    pack += static_cast<char>(entry.Flag);
  }
  return pack;
}

std::string ReadFile(const std::string& nativePath) {
  std::ifstream in(nativePath, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

std::string W(const std::string& utf8) { return Utf8ToCp1251(utf8); }

}  // namespace kv::test
