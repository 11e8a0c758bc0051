#include <gtest/gtest.h>

#include "TestSupport.h"
#include "pack/gPackUtils.h"

namespace kv {

using namespace std::string_literals;

class PackUtilsTest : public ::testing::Test {
 protected:
  test::TTempCourse course;
  test::TMessageCapture messages;
};

TEST_F(PackUtilsTest, LinesSplitAtEveryBreakAndStopAtNul) {
  course.Write("list.txt", "a\r\nb\nc\rd\r\n\r\ne\0hidden\r\n"s);
  EXPECT_EQ(LoadPackStrings("list.txt"), (std::vector<std::string>{"a", "b", "c", "d", "", "e"}));
  course.Write("empty.txt", "");
  EXPECT_TRUE(LoadPackStrings("empty.txt").empty());
}

TEST_F(PackUtilsTest, TextEndsEveryLineWithCrLfAndFillsArguments) {
  course.Write("page.htm", "<p>%s</p>\n<i>%S</i>");
  EXPECT_EQ(LoadPackText("page.htm", ""), "<p>%s</p>\r\n<i>%S</i>\r\n");
  EXPECT_EQ(LoadPackText("page.htm", "x%sy"), "<p>x%sy</p>\r\n<i>x%sy</i>\r\n");
  EXPECT_EQ(OpenPackStream("page.htm")->Size(), 19u);
  EXPECT_TRUE(messages.Messages.empty());
}

TEST_F(PackUtilsTest, MissingFilesGiveEmptyDataAfterTheMessage) {
  EXPECT_TRUE(LoadPackStrings("none.txt").empty());
  EXPECT_EQ(LoadPackText("none.txt", "x"), "");
  EXPECT_EQ(OpenPackStream("none.txt")->Size(), 0u);
  EXPECT_EQ(messages.Messages.size(), 3u);
}

}  // namespace kv
