// An exam on a small course: drawing, the countdown, the check with its
// colours and typed answers, the mark and the journal.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

#include "TestSupport.h"
#include "TutorCourse.h"
#include "app/uMain.h"
#include "controls/skLabels.h"
#include "interpreter/skUseStract.h"
#include "platform/TextCodec.h"
#include "tutor/Exam.h"
#include "tutor/Journal.h"
#include "tutor/TutorScreen.h"
#include "util/DiskFile.h"
#include "util/Random.h"
#include "viewers/HtmlFormLayer.h"
#include "viewers/skHTML.h"

namespace kv {
namespace {

using test::W;

std::string Choices(int questions) {
  std::string xml = "<LISTDATA title=\"t1.htm\" template=\"q1.htm\" rep_title=\"r1.htm\" rep_body=\"rq1.htm\">";
  for (int i = 0; i < questions; ++i)
    xml += "<q><QUESTBLOCK1><TEXT>choice" + std::to_string(i) +
           "</TEXT></QUESTBLOCK1><QUESTBLOCK2><text>right</text><text>wrong</text></QUESTBLOCK2></q>";
  return xml + "</LISTDATA>";
}

class ExamTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SeedRandom(1251);
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(course.Native() + "userdata"));
    course.Write("struct_main.txt", "[main]\r\ntype=form\r\n");
    course.Write("struct_other.txt", "[other]\r\ntype=form\r\n");
    course.Write("struct_show.txt", test::TutorShowDescription());
    course.Write("struct_progress.txt", "[progress_form]\r\ntype=form\r\n[progress]\r\ntype=progress_bar\r\n");
    course.Write("options.txt",
                 "dir_test=test\\\r\ndir_journal=J\r\ncolor_true=#00FF00\r\ncolor_false=#FF0000\r\ncolor_text=#000080\r\n"
                 "timer=2\r\ncount_test=3;1\r\nfile_test=test\\a.xml;test\\b.xml\r\ntype_test=0;0\r\n");
    course.Write("test/a.xml", Choices(4));
    course.Write("test/b.xml",
                 W("<LISTDATA title=\"t2.htm\" template=\"q2.htm\" rep_title=\"r2.htm\" rep_body=\"rq2.htm\">"
                   "<q><QUESTBLOCK1><TEXT>город</TEXT></QUESTBLOCK1><QUESTBLOCK2/>"
                   "<RIGHTANSWER separ=\",\">Москва</RIGHTANSWER></q></LISTDATA>"));
    course.Write("test/header.htm", "<html><body>");
    course.Write("test/footer.htm", "</body></html>");
    for (const char* part : {"t1.htm", "t2.htm", "r1.htm", "r2.htm"}) course.Write(std::string("test/") + part, part);
    course.Write("test/q1.htm",
                 "<p><num>. <quest><ans1><input type=\"radio\" name=\"a<num>\" id=\"<id1>\" need=\"<need1>\"><answer1></ans1>"
                 "<ans2><input type=\"radio\" name=\"a<num>\" id=\"<id2>\" need=\"<need2>\"><answer2></ans2></p>");
    course.Write("test/rq1.htm",
                 "<table><tr><ans1><td tdparam1><input type=\"radio\" id=\"<id1>\"><answer1></td></ans1>"
                 "<ans2><td tdparam2><input type=\"radio\" id=\"<id2>\"><answer2></td></ans2></tr></table>");
    course.Write("test/q2.htm", "<p><quest> <input type=\"text\" id=\"<id_textfield>\"></p>");
    course.Write("test/rq2.htm",
                 "<p><input type=\"text\" inputparam1 need=\"<need>\" separ=\"<separ>\">"
                 "<rans> <input type=\"text\" value=\"<rightanswer>\"></rans></p>");
    course.Write("content/Journal.htm", "<html><body><table>\r\n<insert>\r\n</table></body></html>");
  }
  void TearDown() override { qunsetenv("XDG_DATA_HOME"); }

  static void Run(TfrmMain& window, const std::string& command) {
    TSkStract::Guarded([&] { window.StractShow()->RunCommandString(command); });
  }
  static THtmlFormLayer& Forms(TfrmMain& window) { return *window.Screen().Html()->Viewer()->Forms(); }
  // Answers every question: the right choice or the wrong one, and the typed answer.
  static void Answer(TfrmMain& window, bool right, const QString& typed) {
    THtmlFormLayer& forms = Forms(window);
    for (const auto& control : forms.Controls()) {
      if (control.Kind == THtmlFormLayer::TKind::Text) forms.SetText(control.Index, typed);
      if (control.Kind != THtmlFormLayer::TKind::Radio) continue;
      const bool need = control.Attributes.at("need") == "1";
      if (need == right) forms.SetChecked(control.Index, true);
    }
  }
  std::string JournalText(TfrmMain& window) { return test::ReadFile(NativePathOf(window.Journal().File())); }

  test::TTempCourse course;
  test::TMessageCapture messages;
};

TEST_F(ExamTest, AllRightGivesFiveAndAJournalRow) {
  TfrmMain window;
  Run(window, "test_examen");  // before any exam: nothing
  EXPECT_FALSE(window.Journal().Exists());
  Run(window, "go_examen");
  EXPECT_TRUE(window.Exam().Running());
  EXPECT_TRUE(window.Timer().isActive());
  EXPECT_EQ(window.State().Remaining, 120);
  EXPECT_EQ(window.State().ControlId, 7);  // 3 questions of 2 answers, then the typed field
  EXPECT_EQ(window.Exam().TestParts().Size(), 1 + 1 + 3 + 1 + 1 + 1);
  int radios = 0;
  for (const auto& control : Forms(window).Controls())
    if (control.Kind == THtmlFormLayer::TKind::Radio) {
      ++radios;
      EXPECT_FALSE(Forms(window).Checked(control.Index));
    }
  EXPECT_EQ(radios, 6);
  window.Timer().stop();
  window.Exam().TimerTimer();
  window.Exam().TimerTimer();
  EXPECT_EQ(window.State().Remaining, 118);
  EXPECT_EQ(window.Screen().TimerLabel()->text(), "00:01:58");
  Answer(window, true, ToQString(W(" москва ")));
  Run(window, "test_examen");
  EXPECT_FALSE(window.Exam().Running());
  EXPECT_FALSE(window.Timer().isActive());
  EXPECT_EQ(window.State().RightCount, 4);
  const QString report = window.Screen().Html()->Viewer()->toHtml();
  EXPECT_TRUE(report.contains("#00ff00", Qt::CaseInsensitive));
  EXPECT_FALSE(report.contains("#ff0000", Qt::CaseInsensitive));
  const std::string journal = JournalText(window);
  EXPECT_NE(journal.find("<td>4/4</td> <td>5</td>"), std::string::npos) << journal;
  EXPECT_NE(journal.find("<td>00:00:02</td>"), std::string::npos);
  // The typed answer is shown as given, right, and read-only; the field with the right answer goes.
  THtmlFormLayer& forms = Forms(window);
  const int typed = forms.IndexOfId("7");
  ASSERT_GE(typed, 0);
  EXPECT_EQ(FromQString(forms.Text(typed)), W(" москва "));
  EXPECT_TRUE(forms.ReadOnly(typed));
  EXPECT_EQ(forms.Text(typed + 1), QString());
  // The chosen answers are carried over to the report.
  int chosen = 0;
  for (const auto& control : forms.Controls())
    if (control.Kind == THtmlFormLayer::TKind::Radio && forms.Checked(control.Index)) ++chosen;
  EXPECT_EQ(chosen, 3);
  Run(window, "test_examen");  // a second check adds no second row
  EXPECT_EQ(JournalText(window), journal);
  EXPECT_TRUE(messages.Messages.empty()) << (messages.Messages.empty() ? "" : messages.Messages.front());
}

TEST_F(ExamTest, AllWrongGivesTwoAndTheRightAnswersShow) {
  TfrmMain window;
  Run(window, "go_examen");
  Answer(window, false, "Париж");
  Run(window, "test_examen");
  EXPECT_EQ(window.State().RightCount, 0);
  const QString report = window.Screen().Html()->Viewer()->toHtml();
  // Chosen wrong answers are red, the right ones not chosen green.
  EXPECT_TRUE(report.contains("#ff0000", Qt::CaseInsensitive));
  EXPECT_TRUE(report.contains("#00ff00", Qt::CaseInsensitive));
  THtmlFormLayer& forms = Forms(window);
  const int typed = forms.IndexOfId("7");
  EXPECT_EQ(FromQString(forms.Text(typed + 1)), W("Москва"));  // the right answer beside the wrong one
  EXPECT_NE(JournalText(window).find("<td>0/4</td> <td>2</td>"), std::string::npos);
  // A second exam: new draw, the second row after the first.
  Run(window, "test_rep");
  Answer(window, true, ToQString(W("Москва")));
  Run(window, "test_examen");
  const std::string journal = JournalText(window);
  EXPECT_LT(journal.find("0/4"), journal.find("4/4"));
  EXPECT_TRUE(messages.Messages.empty()) << (messages.Messages.empty() ? "" : messages.Messages.front());
}

TEST_F(ExamTest, TheCountdownChecksAtZeroWithTheWholeTimeUsed) {
  TfrmMain window;
  Run(window, "go_examen");
  window.Timer().stop();
  for (int i = 0; i < 120; ++i) window.Exam().TimerTimer();
  EXPECT_FALSE(window.Exam().Running());
  EXPECT_NE(JournalText(window).find("<td>0/4</td> <td>2</td> <td>"), std::string::npos);
  EXPECT_NE(JournalText(window).find("<td>00:02:00</td>"), std::string::npos);
}

TEST_F(ExamTest, AnotherScreenGivesTheExamUpAndStepsAreIgnored) {
  TfrmMain window;
  Run(window, "go_examen");
  const std::string page = window.Screen().Html()->PlainText();
  Run(window, "go_next");
  Run(window, "go_back");
  Run(window, "go_to_find");  // searching is off during an exam: no message, nothing
  EXPECT_TRUE(messages.Messages.empty());
  EXPECT_TRUE(window.Exam().Running());
  EXPECT_EQ(window.Screen().Html()->PlainText(), page);
  Run(window, "test_go");
  EXPECT_FALSE(window.Exam().Running());
  EXPECT_FALSE(window.Timer().isActive());
  Run(window, "test_examen");
  EXPECT_FALSE(window.Journal().Exists());
}

TEST_F(ExamTest, FaultyTestFilesAreNamedAndTheSoundTestsStillRun) {
  const std::pair<std::string, const char*> faults[] = {
      {"<LISTDATA><q>", "не прочитан"},
      {"<other/>", "не прочитан"},
      {Choices(0) , "вопросов 0, а задано 1"},
  };
  for (const auto& [xml, expected] : faults) {
    SCOPED_TRACE(expected);
    course.Write("test/b.xml", xml);
    messages.Messages.clear();
    TfrmMain window;
    Run(window, "go_examen");
    ASSERT_EQ(messages.Messages.size(), 1u);
    EXPECT_NE(messages.Messages.front().find(expected), std::string::npos) << messages.Messages.front();
    EXPECT_EQ(window.State().ControlId, 6);  // the first test is there
  }
}

TEST_F(ExamTest, AJournalTemplateWithoutTheMarkerIsReportedAndNothingIsWritten) {
  course.Write("content/Journal.htm", "<html><body>no marker</body></html>");
  TfrmMain window;
  Run(window, "go_examen");
  Run(window, "test_examen");
  ASSERT_EQ(messages.Messages.size(), 1u);
  EXPECT_NE(messages.Messages.front().find("<insert>"), std::string::npos);
  EXPECT_FALSE(window.Journal().Exists());
}

TEST_F(ExamTest, AJournalThatCannotBeWrittenIsReported) {
  // A file stands where the journal's folder should be.
  course.Write("userdata/J", "not a folder");
  TfrmMain window;
  Run(window, "go_examen");
  Run(window, "test_examen");
  ASSERT_EQ(messages.Messages.size(), 1u);
  EXPECT_NE(messages.Messages.front().find("Журнал не записан"), std::string::npos);
  EXPECT_EQ(test::ReadFile(course.Native() + "userdata/J"), "not a folder");
}

TEST_F(ExamTest, TheSameSeedDrawsTheSameExam) {
  std::string first;
  for (int run = 0; run < 2; ++run) {
    SeedRandom(77);
    TfrmMain window;
    Run(window, "go_examen");
    const std::string page = window.Exam().TestParts().Joined();
    if (run == 0) first = page;
    else EXPECT_EQ(page, first);
  }
}

}  // namespace
}  // namespace kv
