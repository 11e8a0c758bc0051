#include <gtest/gtest.h>

#include "TestSupport.h"
#include "util/skUtils.h"
#include "util/uUtils.h"

namespace kv {

TEST(InsertArgument, ReplacesOrAppends) {
  struct Case { std::string templ, argument; bool append; std::string result; };
  for (const Case& c : {Case{"a*insert//b*insert", "x", true, "a*x//b*x"}, Case{"a*", "x", true, "a*x"},
                        Case{"a", "x", false, "a"}, Case{"a", "x", true, "a*x"}, Case{"", "x", true, ""},
                        Case{"tree_load*insert*main", "topics.txt", false, "tree_load*topics.txt*main"},
                        Case{"html_load*html", "content\\a.htm", true, "html_load*html*content\\a.htm"},
                        Case{"a*Insert", "x", true, "a*Insert*x"}})
    EXPECT_EQ(InsertArgument(c.templ, c.argument, c.append), c.result) << c.templ;
}

TEST(CommandArgument, OpenFileAsksWithFilter) {
  std::vector<std::string> filters;
  const TFileAsker old = SetFileAsker([&](const std::string& filter) {
    filters.push_back(filter);
    return std::string("picked.txt");
  });
  const std::vector<std::string> args = {"Open_File(.TXT)", "open_file", "open_files(x)", "plain"};
  EXPECT_EQ(CommandArgument(args, 0), "picked.txt");
  EXPECT_EQ(CommandArgument(args, 1), "picked.txt");
  EXPECT_EQ(CommandArgument(args, 2), "open_files(x)");
  EXPECT_EQ(CommandArgument(args, 3), "plain");
  EXPECT_EQ(CommandArgument(args, 4), "");
  EXPECT_EQ(filters, (std::vector<std::string>{"*.txt", "*"}));
  SetFileAsker(old);
  EXPECT_EQ(CommandArgument(args, 0), "");  // no dialog: as if cancelled
}

TEST(FieldOf, PicksStarSeparatedFields) {
  EXPECT_EQ(FieldOf("10*20*30", 2), "20");
  EXPECT_EQ(FieldOf("10*20*30", 3), "30");
  EXPECT_EQ(FieldOf("10", 2), "");
  EXPECT_EQ(FieldOf("10*20", 0), "");
}

TEST(AlignmentWords, IgnoreCase) {
  EXPECT_EQ(AlignmentOf("RIGHT"), TAlignment::Right);
  EXPECT_EQ(AlignmentOf("left"), TAlignment::Left);
  EXPECT_EQ(AlignmentOf("justify"), TAlignment::Center);
  EXPECT_EQ(ControlAlignOf("Client"), TControlAlign::Client);
  EXPECT_EQ(ControlAlignOf("CUSTOM"), TControlAlign::Custom);
  EXPECT_EQ(ControlAlignOf("middle"), TControlAlign::None);
}

TEST(StripProgramFolder, DropsTheFolderOfFullPaths) {
  test::TTempCourse course;
  EXPECT_EQ(StripProgramFolder(course.Native() + "content/a.htm"), "content\\a.htm");
  EXPECT_EQ(StripProgramFolder(ProgramFolder() + "content\\a.htm"), "content\\a.htm");
  EXPECT_EQ(StripProgramFolder("content\\a.htm"), "content\\a.htm");
}

TEST(HtmlPageFrame, WrapsLines) {
  std::vector<std::string> lines;
  OpenHtmlPage(lines, "bgcolor=white");
  EXPECT_EQ(lines, (std::vector<std::string>{"<html>", "<head></head>", "<body bgcolor=white>"}));
  lines = {"<p>x</p>"};
  OpenHtmlPage(lines, "");
  CloseHtmlPage(lines);
  EXPECT_EQ(lines, (std::vector<std::string>{"<html>", "<head></head>", "<body >", "<p>x</p>", "</body>", "</html>"}));
}

}  // namespace kv
