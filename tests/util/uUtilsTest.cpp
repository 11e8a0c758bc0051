#include <gtest/gtest.h>

#include "TestSupport.h"
#include "util/Errors.h"
#include "util/uUtils.h"

namespace kv {

TEST(SplitHelpers, SplitFirst) {
  struct Case { std::string text, sep, head, rest; };
  for (const Case& c : {Case{"a//b//c", "//", "a", "b//c"}, Case{"abc", "//", "abc", ""},
                        Case{"//x", "//", "", "x"}, Case{"a*", "*", "a", ""}, Case{"", "*", "", ""}}) {
    std::string text = c.text;
    EXPECT_EQ(SplitFirst(text, c.sep), c.head) << c.text;
    EXPECT_EQ(text, c.rest) << c.text;
  }
}

TEST(SplitHelpers, SplitLastAndLastPos) {
  std::string text = "one two three";
  EXPECT_EQ(SplitLast(text, " "), " three");
  EXPECT_EQ(text, "one two");
  std::string none = "abc";
  EXPECT_EQ(SplitLast(none, "#"), "abc");
  EXPECT_EQ(none, "");

  EXPECT_EQ(LastPos("a", "abca"), 4);
  EXPECT_EQ(LastPos(" ", " abc"), 0);  // start position 1 is not tried here
  EXPECT_EQ(LastPos("ab", "ab"), 2);   // ... but is when it is the first candidate
  EXPECT_EQ(LastPos("abc", "ab"), 0);
  EXPECT_EQ(LastPos("//", "a//b//c"), 6);
}

TEST(SplitHelpers, TakeCharsAndHeadBefore) {
  std::string text = "abc";
  EXPECT_EQ(TakeChars(2, text), "ab");
  EXPECT_EQ(text, "c");
  text = "abc";
  EXPECT_EQ(TakeChars(4, text), "abc");
  EXPECT_EQ(text, "");
  EXPECT_EQ(HeadBefore("page.htm#top", "#"), "page.htm");
  EXPECT_EQ(HeadBefore("page.htm", "#"), "page.htm");
}

TEST(Values, ParseColorReadsBothOrders) {
  EXPECT_EQ(ParseColor("#FF0000"), 0x0000FFu);
  EXPECT_EQ(ParseColor("FF0000"), 0xFF0000u);
  EXPECT_EQ(ParseColor("$FF"), 0xFFu);
  EXPECT_EQ(ParseColor("#FF8000"), 0x0080FFu);
  EXPECT_EQ(SwapRgb("AABBCCDD"), "CCBBAA");
  EXPECT_EQ(SwapRgb("ABCDE"), "ABCDE");
  for (const char* bad : {"", "#", "white", "#GG0000", "$-1", "123456789"})
    EXPECT_THROW(ParseColor(bad), EConvertError) << bad;
}

TEST(Values, StrToIntAndParseBool) {
  EXPECT_EQ(StrToInt("42"), 42);
  EXPECT_EQ(StrToInt("-7"), -7);
  EXPECT_EQ(StrToInt("$1F"), 31);
  EXPECT_EQ(StrToInt("-2147483648"), -2147483647 - 1);
  for (const char* bad : {"", "12a", "$", "2147483648", "1.5"}) EXPECT_THROW(StrToInt(bad), EConvertError) << bad;

  EXPECT_TRUE(ParseBool("  TRUE \t", false));
  EXPECT_TRUE(ParseBool("1", false));
  EXPECT_FALSE(ParseBool("False", true));
  EXPECT_TRUE(ParseBool("yes", true));
  EXPECT_FALSE(ParseBool("", false));
  EXPECT_EQ(BoolText(true), "1");
  EXPECT_TRUE(IsEven(-4));
  EXPECT_FALSE(IsEven(-3));
}

TEST(Paths, ResolvePath) {
  EXPECT_EQ(ResolvePath("pics\\a.gif", "C:\\Course\\content"), "C:\\Course\\content\\pics\\a.gif");
  EXPECT_EQ(ResolvePath("..\\..\\b.htm", "C:\\Course\\content\\x\\"), "C:\\Course\\b.htm");
  EXPECT_EQ(ResolvePath("img/a.gif", "C:\\c\\"), "C:\\c\\img\\a.gif");
  EXPECT_EQ(ResolvePath("../b.htm", "/srv/course/content/"), "/srv/course\\b.htm");
  EXPECT_EQ(ResolvePath("..\\..\\..\\..\\b.htm", "/srv/x/"), "/b.htm");  // never above the root
  EXPECT_EQ(ResolvePath("C:\\x.htm", "D:\\base"), "C:\\x.htm");
  EXPECT_EQ(ResolvePath("/etc/x.htm", "D:\\base"), "/etc/x.htm");
  test::TTempCourse course;
  EXPECT_EQ(ResolvePath("a.htm", ""), course.Native() + "a.htm");
}

TEST(Paths, ProgramPathAndFolders) {
  test::TTempCourse course;
  EXPECT_EQ(ProgramFolder(), course.Native());
  EXPECT_EQ(ProgramPath("\\content\\a.htm"), ProgramPath("content\\a.htm"));
  EXPECT_EQ(ProgramPath("content\\a.htm"), course.Native() + "content\\a.htm");
  EXPECT_EQ(ProgramPath("C:\\a.htm"), "C:\\a.htm");
  EXPECT_EQ(ProgramPath(""), "");
  EXPECT_EQ(IncludeBackslash("C:\\a"), "C:\\a\\");
  EXPECT_EQ(IncludeBackslash("/a/"), "/a/");
  EXPECT_EQ(IncludeBackslash(""), "");
  EXPECT_EQ(ExcludeBackslash("C:\\a\\"), "C:\\a");
  EXPECT_EQ(AddSuffixBeforeExt("page.html", "#2"), "page#2.html");
  EXPECT_EQ(AddSuffixBeforeExt("content.v2\\page", "#2"), "content.v2\\page#2");
  EXPECT_EQ(ExtractFilePath("C:\\course\\interface.dat"), "C:\\course\\");
}

TEST(Texts, ShortenText) {
  EXPECT_EQ(ShortenText(test::W("Глава первая"), 8), test::W("Глава..."));
  EXPECT_EQ(ShortenText("abcdefgh", 4), "abc");
  EXPECT_EQ(ShortenText("abcd", 4), "abc");  // exactly n characters is shortened
  EXPECT_EQ(ShortenText("abc", 4), "abc");
  EXPECT_EQ(ShortenText("abcdefgh", 0), "abcdefgh");
}

TEST(Texts, CollapseSpaces) {
  EXPECT_EQ(CollapseSpaces("a\r\nb"), "ab");
  EXPECT_EQ(CollapseSpaces("a   b"), "a b");
  EXPECT_EQ(CollapseSpaces("a \r\n  b"), "a b");
  EXPECT_EQ(CollapseSpaces("  "), " ");
}

TEST(Texts, FindInList) {
  const std::vector<std::string> list = {test::W("Вода"), test::W("Воздух"), test::W("Почва")};
  std::vector<int> steps;
  const auto progress = [&](int index) { steps.push_back(index); };
  EXPECT_EQ(FindInList(list, test::W("ВОЗ"), 0, progress, false), 1);
  EXPECT_EQ(steps, (std::vector<int>{1, 2}));
  EXPECT_EQ(FindInList(list, test::W("оздух"), 0, {}, true), -1);
  EXPECT_EQ(FindInList(list, test::W("оздух"), 0, {}, false), 1);
  EXPECT_EQ(FindInList(list, test::W("в"), 1, {}, true), 1);
  EXPECT_EQ(FindInList(list, "", 0, {}, false), -1);
  EXPECT_EQ(FindInList(list, test::W("вода"), 3, {}, false), -1);
}

}  // namespace kv
