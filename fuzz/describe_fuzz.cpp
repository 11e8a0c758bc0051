// The input is a description and, after the first NUL, command strings one a
// line: the description is built offscreen on a window and every command runs
// through its executor, as a course's buttons would run them.
#include <QApplication>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "FuzzInput.h"
#include "OffscreenHost.h"
#include "app/skForm.h"
#include "interpreter/skUseStract.h"
#include "util/Cp1251.h"
#include "util/Errors.h"
#include "util/TextLines.h"
#include "util/uUtils.h"

namespace {

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
  // Modal windows, programs and the end of the player would leave the run.
  const std::string input = kv::fuzz::Tamed(std::string(reinterpret_cast<const char*>(data), size),
                                            {"form_show", "run", "help", "form_close", "form_mini", "form_maxi"});
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
