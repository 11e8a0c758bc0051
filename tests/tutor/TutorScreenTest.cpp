// The textbook on a small course: the command table, the screen states, the
// theory and summary pages with their navigation, the journal page and the
// tutor's windows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QScrollBar>
#include <QStackedWidget>
#include <cstdio>
#include <QTimer>

#include "TestSupport.h"
#include "TutorCourse.h"
#include "app/uMain.h"
#include "controls/skButtons.h"
#include "controls/skFlash.h"
#include "controls/skLabels.h"
#include "interpreter/skUseStract.h"
#include "platform/TextCodec.h"
#include "util/DiskFile.h"
#include "util/uUtils.h"
#include "tutor/Journal.h"
#include "tutor/Textbook.h"
#include "tutor/TutorScreen.h"
#include "tutor/TutorWindows.h"
#include "viewers/skHTML.h"

namespace kv {
namespace {

using test::W;

// Topics: 0 theory and summary; 1 a theory title without a page; 2 a theory
// page without a title; 3 theory with item variant 2; 4 summary only;
// 5 theory and summary; 6 a theory page without a title, last.
constexpr const char* kTopics =
    "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\r\n<root>\r\n"
    "<topic><name>Природа</name><html file=\"t0.htm\"/><hpora_name>Кратко о природе</hpora_name><hpora html=\"s0.htm\"/></topic>\r\n"
    "<topic><name>Без страницы</name></topic>\r\n"
    "<topic><html file=\"t2.htm\"/></topic>\r\n"
    "<topic format=\"2\"><name>Вода</name><html file=\"t3.htm\"/></topic>\r\n"
    "<topic><hpora_name>Воздух кратко</hpora_name><hpora html=\"s4.htm\"/></topic>\r\n"
    "<topic><name>Земля</name><html file=\"t5.htm\"/><hpora_name>Земля кратко</hpora_name><hpora html=\"s5.htm\"/></topic>\r\n"
    "<topic><html file=\"t6.htm\"/></topic>\r\n"
    "</root>\r\n";

class TutorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(course.Native() + "userdata"));
    course.Write("struct_main.txt", "[main]\r\ntype=form\r\n[start]\r\ntype=sp_button\r\naction=show_teor\r\n");
    course.Write("struct_other.txt", "[other]\r\ntype=form\r\n");
    course.Write("struct_show.txt", test::TutorShowDescription());
    course.Write("options.txt", "dir_info=info\\\r\ndir_journal=Journal\r\nbefore_test=test\\before.htm\r\n");
    course.Write("info/topic.xml", W(kTopics));
    // A long header, so that the list scrolls.
    std::string header = "<html><body><h1>Topics</h1>\r\n";
    for (int i = 0; i < 150; ++i) header += "<p>line " + std::to_string(i) + "</p>\r\n";
    course.Write("info/header.html", header);
    course.Write("info/item.html", "<p><a href=\"%s*%d\">%s</a></p>");
    course.Write("info/item2.html", "<h2><a href=\"%0:s*%1:d\">%2:s</a></h2>");
    course.Write("info/footer.html", "</body></html>");
    for (const char* page : {"t0", "t2", "t3", "t5", "t6", "s0", "s4", "s5"})
      course.Write(std::string("info/") + page + ".htm",
                   std::string("<html><head><title>") + page + "</title></head><body>" + page + "</body></html>");
    course.Write("test/before.htm", "<html><body>before the exam</body></html>");
    course.Write("content/Journal.htm", "<html><body><table>\r\n<insert>\r\n</table></body></html>");
  }
  void TearDown() override { qunsetenv("XDG_DATA_HOME"); }

  // Runs a command as a button of the tutor screen would, errors shown.
  void Run(TfrmMain& window, const std::string& command) {
    TSkStract::Guarded([&] { window.StractShow()->RunCommandString(command); });
  }
  static QWidget* Control(TfrmMain& window, const char* name) {
    return qobject_cast<QWidget*>(window.StractShow()->GetControl(name));
  }
  static bool Shown(TfrmMain& window, const char* name) { return !Control(window, name)->isHidden(); }
  static bool Enabled(TfrmMain& window, const char* name) { return Control(window, name)->isEnabled(); }
  // The page shown, relative to the course's folder.
  static std::string PageFile(TfrmMain& window) {
    const std::string file = window.Screen().Html()->CurrentFile();
    return file.rfind(ProgramFolder(), 0) == 0 ? file.substr(ProgramFolder().size()) : file;
  }
  static std::string PageText(TfrmMain& window) { return window.Screen().Html()->PlainText(); }

  test::TTempCourse course;
  test::TMessageCapture messages;
};

TEST_F(TutorTest, StartsOnTheStartScreenWithNothingToPrint) {
  TfrmMain window;
  EXPECT_TRUE(messages.Messages.empty());
  EXPECT_EQ(window.Notebook()->currentIndex(), window.StractMain()->PageIndex());
  EXPECT_FALSE(Enabled(window, "but_print"));
  EXPECT_FALSE(Enabled(window, "but_diary"));  // no journal yet
  // Commands of the start screen reach the handler: the start button opens the theory list.
  window.StractMain()->FireControl(window.StractMain()->GetControl("start"));
  EXPECT_EQ(window.Notebook()->currentIndex(), window.StractShow()->PageIndex());
  EXPECT_TRUE(window.Screen().IsDown("but_info"));
}

TEST_F(TutorTest, ListsTitledTopicsWithTheirItemTemplates) {
  TfrmMain window;
  Run(window, "go_info");
  const std::string text = PageText(window);
  for (const char* title : {"Природа", "Без страницы", "Вода", "Земля"})
    EXPECT_NE(text.find(W(title)), std::string::npos) << title;
  EXPECT_EQ(text.find(W("Воздух")), std::string::npos);
  const QString html = window.Screen().Html()->Viewer()->toHtml();
  EXPECT_TRUE(html.contains("href=\"$info*3\""));
  EXPECT_TRUE(html.contains("href=\"$info*5\""));
  EXPECT_FALSE(html.contains("$info*2"));  // a page without a title is not listed
  // Topic 3 uses the item variant 2: a heading.
  EXPECT_TRUE(window.Screen().Html()->Viewer()->document()->toHtml().contains("<h2"));
  Run(window, "go_hpora");
  EXPECT_TRUE(window.Screen().Html()->Viewer()->toHtml().contains("href=\"$hpora*4\""));
  EXPECT_FALSE(window.Screen().Html()->Viewer()->toHtml().contains("$hpora*3"));
  EXPECT_TRUE(messages.Messages.empty());
}

TEST_F(TutorTest, ScreenStatesOfListsPagesTestStartAndJournal) {
  TfrmMain window;
  struct TCase {
    const char* Command;
    bool Panel, Title, GoInfo, GoInfoEnabled, TestGo, Print, Selectable;
  };
  const TCase cases[] = {
      {"go_info", true, false, true, false, false, false, true},
      {"info*0", true, true, true, true, false, true, true},
      {"go_hpora", true, false, true, false, false, false, true},
      {"hpora*0", true, true, true, true, false, true, true},
      {"test_go", false, false, false, true, true, true, true},
      {"go_diary", false, false, false, true, false, true, false},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Command);
    Run(window, c.Command);
    EXPECT_EQ(Shown(window, "panel_div0"), c.Panel);
    EXPECT_EQ(Shown(window, "label_title"), c.Title);
    EXPECT_EQ(Shown(window, "but_go_info"), c.GoInfo);
    if (c.GoInfo) {
      EXPECT_EQ(Enabled(window, "but_go_info"), c.GoInfoEnabled);
    }
    EXPECT_EQ(Shown(window, "but_test_go"), c.TestGo);
    EXPECT_EQ(Enabled(window, "but_print"), c.Print);
    EXPECT_FALSE(Shown(window, "label_timer"));
    EXPECT_FALSE(window.Timer().isActive());
    const bool selectable =
        window.Screen().Html()->Viewer()->textInteractionFlags().testFlag(Qt::TextSelectableByMouse);
    EXPECT_EQ(selectable, c.Selectable);
  }
  EXPECT_TRUE(messages.Messages.empty());
}

TEST_F(TutorTest, PrintModesAndTheContextMenu) {
  TfrmMain window;
  const std::pair<const char*, int> modes[] = {{"go_info", 0}, {"info*0", 2}, {"hpora*0", 1},
                                               {"go_hpora", 0}, {"test_go", 2}, {"go_diary", 2}};
  for (const auto& [command, mode] : modes) {
    Run(window, command);
    EXPECT_EQ(window.State().PrintMode, mode) << command;
  }
  Run(window, "test_go");
  EXPECT_EQ(window.Screen().Html()->Viewer()->contextMenuPolicy(), Qt::DefaultContextMenu);
  Run(window, "go_info");
  EXPECT_EQ(window.Screen().Html()->Viewer()->contextMenuPolicy(), Qt::CustomContextMenu);
}

TEST_F(TutorTest, TheExamScreensRunAndStopTheCountdown) {
  TfrmMain window;
  window.Screen().Apply(TScreen::ExamRunning);
  EXPECT_TRUE(Shown(window, "label_timer"));
  EXPECT_TRUE(window.Timer().isActive());
  for (const char* name : {"but_find", "but_go_home", "but_info", "but_hpora", "but_examen", "but_diary"})
    EXPECT_FALSE(Enabled(window, name)) << name;
  // "go_to_find" is no command of the handler while searching is disabled... but a
  // list shown meanwhile hides the timer and stops the countdown.
  Run(window, "go_info");
  EXPECT_FALSE(window.Timer().isActive());
  window.Screen().Apply(TScreen::ExamRunning);
  window.Screen().Apply(TScreen::ExamChecked);
  EXPECT_FALSE(window.Timer().isActive());
  EXPECT_TRUE(Shown(window, "but_rep_test"));
  EXPECT_TRUE(Enabled(window, "but_examen"));
}

TEST_F(TutorTest, TopicPagesAndTheirNavigation) {
  TfrmMain window;
  Run(window, "goto*1");
  Run(window, "info*0");
  EXPECT_EQ(PageFile(window), "info\\t0.htm");
  EXPECT_EQ(window.State().PageKind, "html");
  EXPECT_EQ(FromQString(qobject_cast<TSkLabel*>(Control(window, "label_title"))->FFullCaption), W("Природа"));
  EXPECT_FALSE(Enabled(window, "but_go_prev"));
  EXPECT_TRUE(Enabled(window, "but_go_next"));
  EXPECT_TRUE(Shown(window, "but_info_go_hpora"));  // topic 0 has a summary

  // A title without a page: nothing shown, the page stays.
  EXPECT_FALSE(window.Textbook().ShowInfoPage("1"));
  EXPECT_EQ(PageFile(window), "info\\t0.htm");
  // Out of the list: the same.
  EXPECT_FALSE(window.Textbook().ShowInfoPage("99"));
  EXPECT_EQ(PageFile(window), "info\\t0.htm");

  // Next from 0 skips topic 1 (no page) and topic 2 (no title): topic 3.
  Run(window, "info*0");
  Run(window, "go_next");
  EXPECT_EQ(PageFile(window), "info\\t3.htm");
  EXPECT_EQ(window.State().TopicIndex, 3);
  EXPECT_FALSE(Shown(window, "but_info_go_hpora"));
  Run(window, "go_prev");
  EXPECT_EQ(PageFile(window), "info\\t0.htm");
  // Topic 6 has a page but no title: next is enabled on 5, the step ends on 6 with the page unchanged.
  Run(window, "info*5");
  EXPECT_TRUE(Enabled(window, "but_go_next"));
  Run(window, "go_next");
  EXPECT_EQ(PageFile(window), "info\\t5.htm");
  EXPECT_EQ(window.State().TopicIndex, 6);

  // Theory to summary and back: the mode buttons follow.
  Run(window, "info*5");
  Run(window, "go_to_hpora");
  EXPECT_EQ(PageFile(window), "info\\s5.htm");
  EXPECT_TRUE(window.Screen().IsDown("but_hpora"));
  EXPECT_FALSE(window.Screen().IsDown("but_info"));
  EXPECT_TRUE(Shown(window, "but_hpora_go_info"));
  EXPECT_EQ(window.State().PrintMode, 1);
  // Stepping follows the pressed mode button: summaries 4 and 0 before 5.
  Run(window, "go_prev");
  EXPECT_EQ(PageFile(window), "info\\s4.htm");
  EXPECT_FALSE(Shown(window, "but_hpora_go_info"));  // topic 4 has no theory page
  Run(window, "go_to_info");  // nothing to switch to: the summary stays
  EXPECT_EQ(PageFile(window), "info\\s4.htm");
  EXPECT_TRUE(messages.Messages.empty());
}

TEST_F(TutorTest, BackToTheListWhereItWasLeft) {
  TfrmMain window;
  window.resize(800, 500);
  window.show();
  Run(window, "goto*1");
  TSkHtml* html = window.Screen().Html();
  const int half = html->Viewer()->verticalScrollBar()->maximum() / 2;
  ASSERT_GT(half, 0);
  html->SetPosition(half);
  Run(window, "info*3");
  Run(window, "go_next");  // a later page does not overwrite the saved place
  Run(window, "go_back");
  EXPECT_EQ(html->GetPosition(), half);
  // Shown once, the place is forgotten: a list left at the top opens at the top.
  html->SetPosition(0);
  Run(window, "info*0");
  Run(window, "go_back");
  EXPECT_EQ(html->GetPosition(), 0);
  // With the summary mode pressed, back leads to the summary list.
  Run(window, "goto*3");
  Run(window, "hpora*4");
  Run(window, "go_back");
  EXPECT_TRUE(html->Viewer()->toHtml().contains("$hpora*4"));
}

TEST_F(TutorTest, TheCommandTable) {
  TfrmMain window;
  struct TCase {
    const char* Command;
    std::vector<std::string> Messages;
  };
  const TCase cases[] = {
      {"goto*5", {"goto"}},          // no row matches
      {"no_such_command", {"no_such_command"}},
      {"GO_INFO", {}},               // names are lower-cased
      {"info*0*7", {}},              // a second argument is ignored
      {"go_diary//no_such_command", {}},  // only the first command runs
      {"info*abc", {"'abc' is not a valid integer value"}},

  };
  for (const TCase& c : cases) {
    messages.Messages.clear();
    Run(window, c.Command);
    EXPECT_EQ(messages.Messages, c.Messages) << c.Command;
  }
  // Nothing to print on a list: the command does nothing.
  messages.Messages.clear();
  Run(window, "go_info");
  Run(window, "print");
  EXPECT_TRUE(messages.Messages.empty());
  Run(window, "goto*4");
  EXPECT_EQ(window.Notebook()->currentIndex(), window.StractOther()->PageIndex());
  Run(window, "goto*2");
  EXPECT_EQ(window.Notebook()->currentIndex(), window.StractShow()->PageIndex());
  EXPECT_TRUE(window.Screen().IsDown("but_examen"));
  EXPECT_NE(PageText(window).find("before the exam"), std::string::npos);
  Run(window, "show_main");
  EXPECT_EQ(window.Notebook()->currentIndex(), window.StractMain()->PageIndex());
  // The summary list brings the tutor screen to the front; the theory list does not.
  Run(window, "go_info");
  EXPECT_EQ(window.Notebook()->currentIndex(), window.StractMain()->PageIndex());
  Run(window, "go_hpora");
  EXPECT_EQ(window.Notebook()->currentIndex(), window.StractShow()->PageIndex());
}

TEST_F(TutorTest, MissingControlsAreNamedOnceAndTheRestWorks) {
  course.Write("struct_show.txt", test::TutorShowDescription({"label_timer", "but_print", "but_rep_test"}));
  TfrmMain window;
  ASSERT_EQ(messages.Messages.size(), 1u) << messages.Messages.front() << messages.Messages.back();
  const std::string& text = messages.Messages.front();
  for (const char* name : {"label_timer", "but_print", "but_rep_test"})
    EXPECT_NE(text.find(name), std::string::npos) << text;
  messages.Messages.clear();
  Run(window, "goto*1");
  Run(window, "info*0");
  window.Screen().Apply(TScreen::ExamRunning);
  EXPECT_EQ(PageFile(window), "info\\t0.htm");
  EXPECT_TRUE(messages.Messages.empty());
}

TEST_F(TutorTest, ABrokenTopicListGivesEmptyListsAndOneMessage) {
  const std::pair<const char*, const char*> lists[] = {
      {"<root><topic>", "не прочитан"}, {"<other/>", "не прочитан"}, {nullptr, "Не найден файл"}};
  for (const auto& [xml, expected] : lists) {
    SCOPED_TRACE(expected);
    if (xml) course.Write("info/topic.xml", xml);
    else std::remove((course.Native() + "info/topic.xml").c_str());
    messages.Messages.clear();
    TfrmMain window;
    Run(window, "go_info");
    Run(window, "go_hpora");
    Run(window, "info*0");
    Run(window, "go_next");
    ASSERT_EQ(messages.Messages.size(), 1u);
    EXPECT_NE(messages.Messages.front().find(expected), std::string::npos) << messages.Messages.front();
    EXPECT_EQ(PageText(window).find("Topics"), 0u);  // header and footer, no items
  }
}

TEST_F(TutorTest, AMissingItemTemplateIsReportedOnceAndTheListStillShows) {
  std::remove((course.Native() + "info/item.html").c_str());
  TfrmMain window;
  Run(window, "go_info");
  EXPECT_EQ(messages.Messages, (std::vector<std::string>{"Не найден файл \r\ninfo\\item.html"}));
  EXPECT_NE(PageText(window).find(W("Вода")), std::string::npos);  // the variant 2 item is there
}

TEST_F(TutorTest, JournalShownFromTheTemplateUntilCleared) {
  TfrmMain window;
  const std::string file = NativePathOf(window.Journal().File());
  Run(window, "go_diary");
  EXPECT_EQ(PageFile(window), "content\\Journal.htm");
  EXPECT_FALSE(window.Journal().Exists());  // showing writes nothing
  Run(window, "clear_diary");
  EXPECT_TRUE(window.Journal().Exists());
  EXPECT_EQ(test::ReadFile(file), "<html><body><table>\r\n<insert>\r\n</table></body></html>\r\n");
  Run(window, "test_go");
  EXPECT_TRUE(Enabled(window, "but_diary"));
  Run(window, "go_diary");
  EXPECT_EQ(NativePathOf(window.Screen().Html()->CurrentFile()), file);
  EXPECT_TRUE(messages.Messages.empty());
}

TEST_F(TutorTest, ReadingAndDemoWindowsAreModal) {
  course.Write("struct_read.txt", "[read]\r\ntype=form\r\n[html]\r\ntype=html\r\nalign=client\r\n");
  course.Write("struct_demo.txt", "[demo]\r\ntype=form\r\n[flash_show]\r\ntype=flash\r\nalign=client\r\n");
  course.Write("movie.swf", "FWS");
  TfrmMain window;
  std::string seenPage;
  bool noticeShown = false;
  auto inspectAndClose = [&](auto inspect) {
    QTimer::singleShot(0, [&, inspect] {
      for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<TfrmFORM*>(top); form && form->isVisible()) {
          inspect(*form);
          form->CloseWithResult(1);
        }
    });
  };
  inspectAndClose([&](TfrmFORM& form) {
    if (auto* html = form.findChild<TSkHtml*>()) seenPage = html->CurrentFile().substr(ProgramFolder().size());
  });
  Run(window, "read*info\\t3.htm");
  EXPECT_EQ(seenPage, "info\\t3.htm");

  inspectAndClose([&](TfrmFORM& form) {
    auto* flash = form.findChild<TSkFlash*>();
    noticeShown = flash && !flash->findChild<QWidget*>("flash_notice")->isHidden();
  });
  Run(window, "play_other*movie.swf");
  EXPECT_TRUE(noticeShown);  // no Flash here: its name and the way to the desktop's player
  EXPECT_TRUE(messages.Messages.empty());

  inspectAndClose([](TfrmFORM&) {});
  Run(window, "play_other*missing.swf");
  EXPECT_EQ(messages.Messages, (std::vector<std::string>{"Не найден файл missing.swf"}));
}

TEST_F(TutorTest, TheProgressWindowFollowsPageLoadsAndStaysOpen) {
  course.Write("struct_progress.txt",
               "[progress_form]\r\ntype=form\r\n[progress]\r\ntype=progress_bar\r\n[x]\r\ntype=sp_button\r\naction=go_info\r\n");
  TfrmMain window;
  Run(window, "go_info");  // no progress window yet: nothing to follow
  TfrmProgress& progress = window.ProgressWindow();
  EXPECT_EQ(&progress, &window.ProgressWindow());
  progress.SetProgress(0);
  Run(window, "info*0");
  EXPECT_EQ(progress.Progress(), 100);
  // Its commands reach nothing of the tutor.
  const std::string before = PageFile(window);
  for (TSkStract* stract : TSkStract::Living())
    if (stract->FileName() == "struct_progress.txt") stract->FireControl(stract->GetControl("x"));
  EXPECT_EQ(PageFile(window), before);
  // The pupil cannot close it.
  progress.show();
  QCloseEvent close;
  QApplication::sendEvent(&progress, &close);
  EXPECT_FALSE(close.isAccepted());
  EXPECT_TRUE(messages.Messages.empty());
}

}  // namespace
}  // namespace kv
