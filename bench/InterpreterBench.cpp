// What windows and commands cost: building a description of 500 objects, and
// parsing and dispatching command strings.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "OffscreenHost.h"
#include "app/skForm.h"
#include "interpreter/skUseStract.h"

namespace {

// 100 panels in a column, each holding a button, a label, an edit box and a check box.
std::string Description500() {
  std::string text = "[main]\r\ntype=form\r\nwidth=900\r\nheight=700\r\n";
  for (int p = 0; p < 100; ++p) {
    const std::string panel = "panel_" + std::to_string(p);
    text += "[" + panel + "]\r\ntype=panel\r\nleft=0\r\ntop=" + std::to_string(p * 30) +
            "\r\nwidth=50%\r\nheight=30\r\n";
    const char* kinds[] = {"button", "label", "edit_box", "check_box"};
    for (int c = 0; c < 4; ++c) {
      text += "[" + panel + "_" + std::to_string(c) + "]\r\ntype=" + kinds[c] + "\r\nmaster=" + panel +
              "\r\nleft=" + std::to_string(c * 100) + "\r\ntop=2\r\nwidth=95\r\nheight=24\r\ncaption=Item " +
              std::to_string(c) + "\r\naction=html_load*html*content\\page.htm//tree_go*tree*3\r\nhint=A hint\r\n";
    }
  }
  return text;
}

class TBenchHost {
 public:
  TBenchHost() {
    const std::string folder = kv::test::StartOffscreenHost();
    const std::string text = Description500();
    std::FILE* file = std::fopen((folder + "d500.txt").c_str(), "wb");
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);
  }
};

TBenchHost& Host() {
  static TBenchHost* host = new TBenchHost;
  return *host;
}

void BuildDescriptionOf500Objects(benchmark::State& state) {
  Host();
  for (auto _ : state) {
    kv::TSkForm form;
    kv::TSkStract stract(&form, "d500.txt");
    stract.Build();
    benchmark::DoNotOptimize(stract.Objects().size());
  }
}
BENCHMARK(BuildDescriptionOf500Objects)->Unit(benchmark::kMillisecond);

// Ten short built-in commands a string; the last in the executor's table, so
// every comparison is made.
void ParseAndDispatchCommands(benchmark::State& state) {
  Host();
  kv::TSkForm form;
  kv::TSkStract stract(&form, "d500.txt");
  std::string text;
  for (int i = 0; i < 10; ++i) text += (i ? "//" : "") + std::string("help_id*topic") + std::to_string(i);
  for (auto _ : state) stract.RunCommandString(text);
  state.SetItemsProcessed(state.iterations() * 10);
}
BENCHMARK(ParseAndDispatchCommands);

// Commands the executor does not know go to the application handler with the rest.
void DispatchToApplicationHandler(benchmark::State& state) {
  Host();
  kv::TSkForm form;
  kv::TSkStract stract(&form, "d500.txt");
  int received = 0;
  stract.OnAppCommand = [&](kv::RHelpAction&) { ++received; };
  for (auto _ : state) stract.RunCommandString("info*12");
  state.SetItemsProcessed(state.iterations());
  benchmark::DoNotOptimize(received);
}
BENCHMARK(DispatchToApplicationHandler);

}  // namespace
