// The input is a test file, then after NUL bytes an exam question template,
// a report template and typed answers (expected TAB given, one a line): the
// exam is generated from the file with those templates and the answers are
// compared, as an exam and its check do.
#include <cstdint>
#include <random>
#include <string>

#include "FuzzInput.h"
#include "tutor/AnswerCheck.h"
#include "tutor/ExamGenerator.h"
#include "util/TextLines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::string examTemplate = kv::fuzz::InputPart(input, 1);
  const std::string reportTemplate = kv::fuzz::InputPart(input, 2);
  kv::TTestFile test;
  std::string error;
  if (kv::ParseTestFile(kv::fuzz::InputPart(input, 0), test, error)) {
    std::mt19937 random(static_cast<std::uint32_t>(size));
    kv::TExamBuilder builder(
        "test\\",
        [&](const std::string& name) {
          if (name.find("rep") != std::string::npos) return reportTemplate;
          return name.find("tmpl") != std::string::npos ? examTemplate : name;
        },
        random);
    test.Files.Template = "tmpl";
    test.Files.RepBody = "rep";
    builder.Start();
    const int count = static_cast<int>(test.Questions.size());
    builder.AddTest(test, count, size % 2 ? 5 : 0);
    builder.AddTest(test, count > 0 ? count - 1 : -1, 0);
    builder.Finish();
  }
  kv::ForEachLine(kv::fuzz::InputPart(input, 3), [](std::string_view line) {
    const std::string text(line);
    const std::size_t tab = text.find('\t');
    kv::CompareTextAnswer(text.substr(0, tab), tab == std::string::npos ? "" : text.substr(tab + 1), ",");
  });
  return 0;
}
