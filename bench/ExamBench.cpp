// What an exam costs: drawing and showing an exam of 100 questions with four
// answers each, from the command to the page on display, and checking it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTimer>
#include <fstream>
#include <string>

#include "OffscreenHost.h"
#include "TutorCourse.h"
#include "app/uMain.h"
#include "interpreter/skUseStract.h"
#include "tutor/Exam.h"
#include "tutor/TutorScreen.h"
#include "viewers/HtmlFormLayer.h"
#include "viewers/skHTML.h"

namespace {

void Write(const std::string& folder, const std::string& name, const std::string& text) {
  std::filesystem::create_directories(std::filesystem::path(folder + name).parent_path());
  std::ofstream(folder + name, std::ios::binary) << text;
}

// A course whose exam is one test of 100 questions drawn from 100, four answers each.
std::string MakeCourse() {
  const std::string folder = kv::test::StartOffscreenHost();
  qputenv("XDG_DATA_HOME", QByteArray::fromStdString(folder + "userdata"));
  Write(folder, "struct_main.txt", "[main]\r\ntype=form\r\n");
  Write(folder, "struct_other.txt", "[other]\r\ntype=form\r\n");
  Write(folder, "struct_show.txt", kv::test::TutorShowDescription());
  Write(folder, "struct_progress.txt", "[p]\r\ntype=form\r\n[progress]\r\ntype=progress_bar\r\n");
  Write(folder, "options.txt",
        "dir_test=test\\\r\ndir_journal=J\r\ncolor_true=#C8F0C8\r\ncolor_false=#F8CACA\r\ntimer=20\r\n"
        "count_test=100\r\nfile_test=test\\t.xml\r\ntype_test=0\r\n");
  std::string xml = "<LISTDATA title=\"t.htm\" template=\"q.htm\" rep_title=\"t.htm\" rep_body=\"r.htm\">";
  for (int i = 0; i < 100; ++i)
    xml += "<q><QUESTBLOCK1><TEXT>Question " + std::to_string(i) +
           ": which of these is a living thing?</TEXT></QUESTBLOCK1><QUESTBLOCK2>"
           "<text>a mushroom</text><text>a stone</text><text>the wind</text><text>a cloud</text></QUESTBLOCK2></q>";
  Write(folder, "test/t.xml", xml + "</LISTDATA>");
  Write(folder, "test/header.htm", "<html><body><h1>Exam</h1>");
  Write(folder, "test/footer.htm", "</body></html>");
  Write(folder, "test/t.htm", "<h2>Test</h2>");
  std::string exam = "<p><b><num>.</b> <quest></p><table>";
  std::string report = "<p><b><num>.</b> <quest></p><table>";
  for (int s = 1; s <= 4; ++s) {
    const std::string n = std::to_string(s);
    exam += "<ans" + n + "><tr><td><input type=\"radio\" name=\"q<num>\" id=\"<id" + n + ">\" need=\"<need" + n +
            ">\"></td><td><answer" + n + "></td></tr></ans" + n + ">";
    report += "<ans" + n + "><tr><td tdparam" + n + "><input type=\"radio\" id=\"<id" + n + ">\"></td><td><answer" + n +
              "></td></tr></ans" + n + ">";
  }
  Write(folder, "test/q.htm", exam + "</table>");
  Write(folder, "test/r.htm", report + "</table>");
  Write(folder, "content/Journal.htm", "<html><body><table>\r\n<insert>\r\n</table></body></html>");
  return folder;
}

kv::TfrmMain& Window() {
  static const std::string course = MakeCourse();
  static kv::TfrmMain* window = [] {
    auto* main = new kv::TfrmMain;
    main->resize(900, 600);
    main->show();
    main->StractShow()->ActivatePage();
    QApplication::processEvents();
    return main;
  }();
  return *window;
}

void Run(const char* command) { Window().StractShow()->RunCommandString(command); }

// Chooses the first answer of every question, as a pupil would click.
void AnswerAll() {
  kv::THtmlFormLayer& forms = *Window().Screen().Html()->Viewer()->Forms();
  for (const auto& control : forms.Controls())
    if (control.Kind == kv::THtmlFormLayer::TKind::Radio && control.Attributes.at("need") == "1")
      forms.SetChecked(control.Index, true);
}

void GenerateAndShowAnExamOf100Questions(benchmark::State& state) {
  for (auto _ : state) {
    Run("go_examen");
    // The page is on display once the pending paint has run.
    QApplication::processEvents();
  }
  Window().Timer().stop();
}
BENCHMARK(GenerateAndShowAnExamOf100Questions)->Unit(benchmark::kMillisecond)->Iterations(10);

void CheckAnExamOf100Questions(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    Run("go_examen");
    Window().Timer().stop();
    AnswerAll();
    QApplication::processEvents();
    state.ResumeTiming();
    Run("test_examen");
    QApplication::processEvents();
  }
  if (Window().State().RightCount != 100) state.SkipWithError("the check did not find every answer right");
}
BENCHMARK(CheckAnExamOf100Questions)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
