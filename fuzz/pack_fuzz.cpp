// The input is a whole pack file: it is opened as the course's pack and every
// member is read, by index and by name, as the player would.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "pack/gPack.h"
#include "util/Errors.h"
#include "util/Messages.h"
#include "util/uUtils.h"

namespace {

// A private course folder holding the one pack file every input is written to.
struct TFuzzCourse {
  std::string NativePack;  // where the input is written
  std::string CoursePack;  // the same file as the player names it

  TFuzzCourse() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kvfuzz.XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    kv::SetProgramFolder(pattern);
    kv::SetMessageSink([](const std::string&) {});
    NativePack = pattern + "/interface.dat";
    CoursePack = kv::ProgramFolder() + "interface.dat";
  }
  ~TFuzzCourse() {
    std::error_code error;
    std::filesystem::remove_all(std::filesystem::path(NativePack).parent_path(), error);
  }
};

const TFuzzCourse& Course() {
  static const TFuzzCourse course;
  return course;
}

void WriteInput(const std::string& path, const std::uint8_t* data, std::size_t size) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) std::abort();
  if (size && std::fwrite(data, 1, size, file) != size) std::abort();
  if (std::fclose(file) != 0) std::abort();
}

void ReadOpenPack() {
  const auto& directory = kv::PackDirectory();
  kv::TPack bytes;
  // Every listed member reads, and never as more than the file holds.
  for (std::size_t i = 0; i < directory.size(); ++i)
    if (!kv::ReadMember(static_cast<int>(i), bytes) || bytes.Size() > kv::PackFileSize()) std::abort();
  // By name: names repeat, differ in case, or are full paths, and fall back to disk.
  for (std::size_t i = 0; i < directory.size(); ++i) kv::LoadPackFile(directory[i].Name, bytes);
  if (!directory.empty()) kv::PackFileExists(directory.front().Name);
  kv::PackFileExists("interface.dat");
  kv::PackFileExists("content\\page.htm");
  kv::PackFileExists(kv::ProgramFolder() + "struct_main.txt");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const TFuzzCourse& course = Course();
  WriteInput(course.NativePack, data, size);
  std::size_t opened = 0;
  bool sound = false;
  try {
    sound = kv::OpenPack(course.CoursePack);
    opened = kv::PackDirectory().size();
    if (sound) ReadOpenPack();
  } catch (const kv::EError&) {
    // A broken pack is refused; that is the expected outcome for most inputs.
  }
  kv::ClosePack();
  // The tool's check and the reader must agree on what a sound pack is.
  const kv::TPackDirectory directory = kv::ReadPackDirectory(course.NativePack);
  if (sound != (directory.Fault == kv::TPackFault::None)) std::abort();
  if (sound && directory.Entries.size() != opened) std::abort();
  return 0;
}
