// What the textbook's lists cost: building the theory list of a course of
// 2,000 topics, every item template read through the pack.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "pack/PackWriter.h"
#include "pack/gPack.h"
#include "pack/gPackUtils.h"
#include "tutor/Topics.h"
#include "util/Messages.h"
#include "util/uUtils.h"

namespace {

constexpr int kTopics = 2000;

std::string TopicXml() {
  std::string xml = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<root>\n";
  for (int i = 0; i < kTopics; ++i)
    xml += "<topic" + std::string(i % 3 == 0 ? " format=\"2\"" : "") + "><name>Topic number " + std::to_string(i) +
           "</name><hpora_name>Summary " + std::to_string(i) + "</hpora_name><html file=\"t" + std::to_string(i) +
           ".htm\"/><hpora html=\"h" + std::to_string(i) + ".htm\"/></topic>\n";
  return xml + "</root>\n";
}

struct TCourse {
  kv::TTopics Topics;
  TCourse() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kvbench.XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    kv::SetProgramFolder(pattern);
    kv::SetMessageSink([](const std::string&) {});
    kv::TPackWriter writer;
    for (int i = 0; i < 300; ++i) writer.Add("content\\page" + std::to_string(i) + ".htm", std::string(2000, 'x'), true);
    writer.Add("content\\info\\header.html", "<html><body><h1>Theory</h1><ol>", true);
    writer.Add("content\\info\\item.html", "<li><a href=\"%s*%d\">%s</a></li>", true);
    writer.Add("content\\info\\item2.html", "<li class=\"new\"><a href=\"%0:s*%1:d\">%2:s</a></li>", true);
    writer.Add("content\\info\\footer.html", "</ol></body></html>", true);
    writer.Write(pattern + "/interface.dat");
    kv::OpenPack(kv::ProgramFolder() + "interface.dat");
    std::string error;
    Topics.Parse(TopicXml(), error);
    std::filesystem::remove_all(pattern);  // the pack stays open; nothing else is read from disk
  }
};

void BuildTheoryListOf2000Topics(benchmark::State& state) {
  static TCourse course;
  for (auto _ : state) {
    const auto lines = kv::BuildTopicList(course.Topics, kv::TPageKind::Info, [](const std::string& name) {
      return kv::LoadPackText("content\\info\\" + name, "");
    });
    benchmark::DoNotOptimize(lines.size());
  }
}
BENCHMARK(BuildTheoryListOf2000Topics)->Unit(benchmark::kMillisecond);

}  // namespace
