#include <gtest/gtest.h>

#include "TestSupport.h"
#include "tutor/Options.h"
#include "tutor/uKeepData.h"

#include <filesystem>
#include "util/Errors.h"

namespace kv {

TEST(KeepData, FirstLineOfAKeyCountsAndSpacesArePartOfIt) {
  const TKeepData data({"dir_info=content\\info\\", "DIR_INFO=second", "timer = 20", "no equals", "x==y "});
  EXPECT_EQ(data.Text("dir_info"), "content\\info\\");
  EXPECT_EQ(data.Text("timer"), "");
  EXPECT_EQ(data.Text("x"), "=y ");  // the value is taken verbatim
  EXPECT_FALSE(data.Integer("timer"));
  EXPECT_FALSE(data.Integer("missing"));
}

TEST(Options, TestListsFollowTheirCounts) {
  struct Case { std::vector<std::string> lines; std::vector<TArrayInt::TEntry> tests; };
  const Case cases[] = {
      {{"count_test=3;4", "file_test=a.xml"}, {{0, "a.xml", 3}, {0, "", 4}}},
      {{"count_test=3;4", "file_test=a.xml;b.xml;c.xml", "type_test=5"}, {{5, "a.xml", 3}, {0, "b.xml", 4}}},
      {{"count_test= 5;5; ", "type_test=1;2;3"}, {{1, "", 5}, {2, "", 5}}},
      {{"file_test=a.xml"}, {}},
  };
  for (const Case& c : cases) {
    const TOptions options = ReadOptions(c.lines);
    ASSERT_EQ(options.Tests.Size(), static_cast<int>(c.tests.size())) << c.lines[0];
    for (int i = 0; i < options.Tests.Size(); ++i) {
      EXPECT_EQ(options.Tests.At(i).Type, c.tests[i].Type) << c.lines[0] << " #" << i;
      EXPECT_EQ(options.Tests.At(i).File, c.tests[i].File) << c.lines[0] << " #" << i;
      EXPECT_EQ(options.Tests.At(i).Count, c.tests[i].Count) << c.lines[0] << " #" << i;
    }
  }
  TArrayInt list;
  list.Add(1);
  list.SetFiles(std::string(300, 'f'), ";", 0);
  EXPECT_EQ(list.At(0).File.size(), 255u);
  EXPECT_EQ(list.SumOfCounts(), 1);
  EXPECT_THROW(ReadOptions({"count_test=3;x"}), EConvertError);
  EXPECT_THROW(ReadOptions({"count_test=3", "type_test=t"}), EConvertError);
}

TEST(Options, TimerAndColoursFallBackToDefaults) {
  test::TMessageCapture messages;
  const TOptions good = ReadOptions({"timer=30", "color_text=#FF0000", "color_true=#00FF00", "dir_test=t\\"});
  EXPECT_EQ(good.TimerMinutes, 30);
  EXPECT_EQ(good.Date.ColorText, 0x0000FFu);
  EXPECT_EQ(good.Date.ColorTrue, "#00FF00");
  EXPECT_EQ(good.Date.DirTest, "t\\");
  EXPECT_TRUE(messages.Messages.empty());
  for (const char* timer : {"timer=", "timer=abc", "timer=0", "timer=-5", "other=1"})
    EXPECT_EQ(ReadOptions({timer}).TimerMinutes, kDefaultTimerMinutes) << timer;
  EXPECT_EQ(ReadOptions({}).Date.ColorText, kDefaultTextColor);
  EXPECT_TRUE(messages.Messages.empty());  // a missing colour is no error
  EXPECT_EQ(ReadOptions({"color_text=blue"}).Date.ColorText, kDefaultTextColor);
  EXPECT_EQ(messages.Messages.size(), 1u);
}

TEST(Options, AreReadThroughThePack) {
  test::TTempCourse course;
  test::TMessageCapture messages;
  course.Write("options.txt", "timer=45\r\ncount_test=2\r\n");
  EXPECT_EQ(LoadOptions().TimerMinutes, 45);
  std::filesystem::remove(course.Native() + "options.txt");
  EXPECT_EQ(LoadOptions().Tests.Size(), 0);
  EXPECT_EQ(messages.Messages, (std::vector<std::string>{"Не найден файл \r\noptions.txt"}));
}

}  // namespace kv
