// The input is a topic list, a test file and command lines, split by NUL
// bytes: a small course is written with them, the main window is built on it
// and every command runs through the tutor screen, as buttons, links and hot
// keys would send them — lists, pages, stepping, exams and their checks.
#include <QApplication>
#include <QTimer>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "FuzzInput.h"
#include "OffscreenHost.h"
#include "TutorCourse.h"
#include "app/uMain.h"
#include "interpreter/skUseStract.h"
#include "tutor/Exam.h"
#include "util/TextLines.h"

namespace {

void Write(const std::string& file, const std::string& text) {
  std::FILE* out = std::fopen(file.c_str(), "wb");
  if (!out) std::abort();
  std::fwrite(text.data(), 1, text.size(), out);
  std::fclose(out);
}

struct TFuzzHost {
  TFuzzHost() {
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(Course + "data"));
    Write(Course + "struct_main.txt", "[main]\r\ntype=form\r\n");
    Write(Course + "struct_other.txt", "[other]\r\ntype=form\r\n");
    Write(Course + "struct_show.txt", kv::test::TutorShowDescription());
    Write(Course + "struct_progress.txt", "[p]\r\ntype=form\r\n[progress]\r\ntype=progress_bar\r\n");
    Write(Course + "options.txt",
          "dir_info=\r\ndir_test=\r\ndir_journal=j\r\ntimer=1\r\ncolor_true=#00FF00\r\ncolor_false=#FF0000\r\n"
          "count_test=2;1\r\nfile_test=t.xml;t.xml\r\ntype_test=0;5\r\n");
    Write(Course + "header.html", "<html><body>");
    Write(Course + "item.html", "<p><a href=\"%s*%d\">%s</a></p>");
    Write(Course + "item2.html", "<h2><a href=\"%0:s*%1:d\">%2:s</a></h2>");
    Write(Course + "footer.html", "</body></html>");
    Write(Course + "p.htm", "<html><body>page</body></html>");
    Write(Course + "header.htm", "<html><body>");
    Write(Course + "footer.htm", "</body></html>");
    Write(Course + "q.htm",
          "<p><num>. <quest><ans1><input type=radio name=q<num> id=\"<id1>\" need=\"<need1>\"><answer1></ans1>"
          "<ans2><input type=radio name=q<num> id=\"<id2>\" need=\"<need2>\"><answer2></ans2>"
          "<input type=text id=\"<id_textfield>\"></p>");
    Write(Course + "r.htm",
          "<table><tr><ans1><td tdparam1><input type=radio id=\"<id1>\"></td></ans1><ans2><td tdparam2>"
          "<input type=radio id=\"<id2>\"></td></ans2></tr></table><input type=text inputparam1 need=\"<need>\" "
          "separ=\"<separ>\"><rans><input type=text value=\"<rightanswer>\"></rans>");
  }
  std::string Course = kv::test::StartOffscreenHost();
};

TFuzzHost& Host() {
  static TFuzzHost* host = new TFuzzHost;
  return *host;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TFuzzHost& host = Host();
  const std::string input(reinterpret_cast<const char*>(data), size);
  Write(host.Course + "topic.xml", kv::fuzz::InputPart(input, 0));
  Write(host.Course + "t.xml", kv::fuzz::InputPart(input, 1));
  kv::TfrmMain window;
  window.Timer().stop();
  // Modal windows, programs and the end of the player would leave the run.
  const std::string commands = kv::fuzz::Tamed(kv::fuzz::InputPart(input, 2), {"form_show", "run", "help", "form_close", "read", "play_other", "form_mini", "form_maxi"});
  kv::ForEachLine(commands, [&](std::string_view line) {
    kv::TSkStract::Guarded([&] { window.StractShow()->RunCommandString(std::string(line)); });
    window.Timer().stop();
    if (line == "tick") window.Exam().TimerTimer();
  });
  QApplication::processEvents();
  return 0;
}
