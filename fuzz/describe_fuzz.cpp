// The input is a description and, after the first NUL, command strings one a
// line: the description is built offscreen on a window and every command runs
// through its executor, as a course's buttons would run them.
#include <QApplication>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/skForm.h"
#include "interpreter/skUseStract.h"
#include "util/Cp1251.h"
#include "util/Errors.h"
#include "util/Messages.h"
#include "util/TextLines.h"
#include "util/uUtils.h"

namespace {

// The temporary course goes when the process ends (the host itself is never destroyed).
void RemoveAtExit(const std::string& folder) {
  static std::string removed;
  removed = folder;
  std::atexit([] {
    std::error_code error;
    std::filesystem::remove_all(removed, error);
  });
}

// Commands that would leave the test: open modal windows, start programs or end the player.
std::string Tamed(std::string text) {
  const std::string lower = kv::LowerCase(text);
  for (const char* word : {"form_show", "run", "help", "form_close", "form_mini", "form_maxi"})
    for (std::size_t at = lower.find(word); at != std::string::npos; at = lower.find(word, at + 1))
      text[at] = 'x';
  return text;
}

struct TFuzzHost {
  int Argc = 1;
  char Name[16] = "describe_fuzz";
  char* Argv[2] = {Name, nullptr};
  std::string Course;

  TFuzzHost() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: at exit Qt's own statics may already be gone.
    new QApplication(Argc, Argv);
    std::string pattern = (std::filesystem::temp_directory_path() / "kvfuzz.XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    Course = pattern + "/";
    RemoveAtExit(pattern);
    kv::SetProgramFolder(Course);
    kv::SetMessageSink([](const std::string&) {});
  }
};

TFuzzHost& Host() {
  static TFuzzHost* host = new TFuzzHost;
  return *host;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TFuzzHost& host = Host();
  const std::string input = Tamed(std::string(reinterpret_cast<const char*>(data), size));
  const std::size_t split = input.find('\0');
  const std::string description = input.substr(0, split);
  const std::string commands = split == std::string::npos ? std::string() : input.substr(split + 1);
  {
    std::FILE* file = std::fopen((host.Course + "d.txt").c_str(), "wb");
    if (!file) std::abort();
    std::fwrite(description.data(), 1, description.size(), file);
    std::fclose(file);
  }
  kv::TSkForm form;
  kv::TSkStract stract(&form, "d.txt");
  try {
    stract.Build();
  } catch (const kv::EError&) {
  }
  stract.OnAppCommand = [](kv::RHelpAction&) {};
  kv::ForEachLine(commands, [&](std::string_view line) {
    kv::TSkStract::Guarded([&] { stract.RunCommandString(std::string(line)); });
  });
  QApplication::processEvents();
  return 0;
}
