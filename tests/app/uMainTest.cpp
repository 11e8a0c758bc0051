#include <gtest/gtest.h>

#include "TestSupport.h"
#include "app/uMain.h"
#include "pack/PackWriter.h"
#include "pack/gPack.h"

namespace kv {

TEST(MainWindow, OpensTheCoursePackAndClosesItWithTheWindow) {
  test::TTempCourse course;
  test::TMessageCapture messages;
  TPackWriter writer;
  writer.Add("struct_main.txt", "[form]\r\n", true);
  writer.Write(course.Native() + "interface.dat");
  {
    TfrmMain window;
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("Кварнель"));
    EXPECT_EQ(window.size(), QSize(688, 453));
    EXPECT_EQ(FindMember("struct_main.txt"), 0);
  }
  EXPECT_FALSE(PackIsOpen());
  EXPECT_TRUE(messages.Messages.empty());
}

TEST(MainWindow, ShowsPackErrorsAndStartsAnyway) {
  test::TTempCourse course;
  test::TMessageCapture messages;
  course.Write("interface.dat", "MZ this is not a pack");
  TfrmMain window;
  EXPECT_EQ(messages.Messages, (std::vector<std::string>{"Неверная сигнатура архива", "Ошибка иницилизации архива"}));
  EXPECT_FALSE(PackIsOpen());
}

}  // namespace kv
