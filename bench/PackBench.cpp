// What a course pays at start-up: opening a large pack and parsing a large
// interface description.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "pack/PackWriter.h"
#include "pack/gPack.h"
#include "pack/uIniFiles.h"
#include "util/Cp1251.h"
#include "util/uUtils.h"

namespace {

constexpr int kMembers = 10000;
constexpr std::size_t kDescriptionSize = 1 << 20;

// A course folder holding a pack of kMembers small members, written once.
class TBenchCourse {
 public:
  TBenchCourse() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kvbench.XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    FFolder = pattern;
    kv::SetProgramFolder(FFolder);
    kv::TPackWriter writer;
    for (int i = 0; i < kMembers; ++i) writer.Add(MemberName(i), std::string(100 + i % 500, 'x'), i % 3 == 0);
    writer.Write(FFolder + "/interface.dat");
    CoursePack = kv::ProgramFolder() + "interface.dat";
  }
  ~TBenchCourse() {
    std::error_code error;
    std::filesystem::remove_all(FFolder, error);
  }

  std::string CoursePack;

 private:
  // Four files per topic folder, as a textbook's content is laid out.
  static std::string MemberName(int i) {
    static const char* const kFiles[] = {"page.htm", "summary.htm", "picture.bmp", "test.txt"};
    char name[64];
    std::snprintf(name, sizeof name, "content\\topic%04d\\%s", i / 4, kFiles[i % 4]);
    return name;
  }

  std::string FFolder;
};

class PackFixture : public benchmark::Fixture {
 public:
  void SetUp(const benchmark::State&) override {
    static const TBenchCourse course;
    FCourse = &course;
  }

 protected:
  const TBenchCourse* FCourse = nullptr;
};

BENCHMARK_F(PackFixture, OpenPack10000Members)(benchmark::State& state) {
  for (auto _ : state) {
    if (!kv::OpenPack(FCourse->CoursePack)) state.SkipWithError("the pack did not open");
    kv::ClosePack();
  }
  state.counters["members"] = kMembers;
}

// One control of an interface description, the way course authors write them.
std::string Control(int i) {
  const std::string n = std::to_string(i);
  return "; кнопка перехода " + n + "\r\n[button_" + n + "]\r\ntype=button\r\nmaster=panel_" + std::to_string(i % 40) +
         "\r\nleft=" + std::to_string(10 + i % 300) + "\r\ntop=" + std::to_string(5 + i % 200) +
         "\r\nwidth=80\r\nheight=24\r\ncaption=Далее к теме " + n + "\r\nhint=Перейти к следующей странице\r\n"
         "action=html_load*html*content\\a.htm//tree_go*3\r\nfont_color=$000080\r\n\r\n";
}

std::string Description() {
  std::string utf8 = "[form]\r\ntype=form\r\ncaption=Физика, 7 класс\r\n\r\n";
  for (int i = 0; utf8.size() < kDescriptionSize; ++i) utf8 += Control(i);
  return kv::Utf8ToCp1251(utf8);
}

void ParseDescription(benchmark::State& state) {
  static const std::string text = Description();
  for (auto _ : state) benchmark::DoNotOptimize(kv::TPakIniFile::FromText(text));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(ParseDescription);

}  // namespace
