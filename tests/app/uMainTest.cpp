#include <gtest/gtest.h>

#include "TestSupport.h"
#include "app/uMain.h"
#include "pack/PackWriter.h"
#include "pack/gPack.h"

#include <QStackedWidget>

namespace kv {

TEST(MainWindow, OpensTheCoursePackAndClosesItWithTheWindow) {
  test::TTempCourse course;
  test::TMessageCapture messages;
  TPackWriter writer;
  for (const char* name : {"struct_main.txt", "struct_other.txt", "struct_show.txt"})
    writer.Add(name, "[form]\r\ntype=form\r\n", true);
  writer.Add("options.txt", "timer=15\r\ncount_test=5;5\r\n", true);
  writer.Write(course.Native() + "interface.dat");
  {
    TfrmMain window;
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("Кварнель"));
    EXPECT_EQ(window.size(), QSize(688, 453));
    EXPECT_EQ(FindMember("struct_main.txt"), 0);
    EXPECT_EQ(window.Options().TimerMinutes, 15);
    EXPECT_EQ(window.Options().Tests.Size(), 2);
    // Three descriptions, one page each; the start screen shows.
    ASSERT_NE(window.Notebook(), nullptr);
    EXPECT_EQ(window.Notebook()->count(), 3);
    EXPECT_EQ(window.Notebook()->currentIndex(), 0);
  }
  EXPECT_FALSE(PackIsOpen());
  EXPECT_TRUE(messages.Messages.empty());
}

TEST(MainWindow, ShowsPackErrorsAndStartsAnyway) {
  test::TTempCourse course;
  test::TMessageCapture messages;
  course.Write("interface.dat", "MZ this is not a pack");
  TfrmMain window;
  // The pack's error ends the start-up sequence: no description is read after it.
  EXPECT_EQ(messages.Messages, (std::vector<std::string>{"Неверная сигнатура архива", "Ошибка иницилизации архива"}));
  EXPECT_EQ(window.Notebook(), nullptr);
  EXPECT_FALSE(PackIsOpen());
}

}  // namespace kv
