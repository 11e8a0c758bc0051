// The input is a description and, after the first NUL, command strings one a
// line: the description is built offscreen on a window and every command runs
// through its executor, as a course's buttons would run them.
#include <QApplication>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "OffscreenHost.h"
#include "app/skForm.h"
#include "interpreter/skUseStract.h"
#include "util/Cp1251.h"
#include "util/Errors.h"
#include "util/TextLines.h"
#include "util/uUtils.h"

namespace {

// Commands that would leave the test: open modal windows, start programs or end the player.
std::string Tamed(std::string text) {
  const std::string lower = kv::LowerCase(text);
  for (const char* word : {"form_show", "run", "help", "form_close", "form_mini", "form_maxi"})
    for (std::size_t at = lower.find(word); at != std::string::npos; at = lower.find(word, at + 1))
      text[at] = 'x';
  return text;
}

struct TFuzzHost {
  std::string Course = kv::test::StartOffscreenHost();
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
