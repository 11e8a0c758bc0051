#include <gtest/gtest.h>

#include "TestSupport.h"
#include "pack/gPack.h"
#include "pack/uIniFiles.h"

namespace kv {

TEST(PakIniFile, LaterSectionsAndKeysWinWithoutRegardToCase) {
  const auto ini = TPakIniFile::FromText("[a]\r\nx = 1\r\n[A]\r\nx=2\r\nx=3\r\n");
  EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"a", "A"}));
  EXPECT_EQ(ini.ReadValue("a", "X", ""), "3");
  EXPECT_EQ(ini.KeyNames("a"), (std::vector<std::string>{"x", "x"}));
  EXPECT_EQ(ini.ReadValue("b", "x", "def"), "def");
  EXPECT_EQ(ini.ReadValue("a", "y", "def"), "def");
  EXPECT_TRUE(ini.KeyNames("none").empty());
}

TEST(PakIniFile, LineRules) {
  const auto ini = TPakIniFile::FromText(
      "orphan=1\n; comment\n[ s ]\n  key=a=b  \n;skip=1\n[open\n\t\n\"q\" = \"v\"\rlast=x\n\x01[t]\x01\nk=v");
  EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"s", "t"}));
  EXPECT_EQ(ini.ReadValue("S", "key", ""), "a=b");
  EXPECT_EQ(ini.ReadValue("s", "\"q\"", ""), "\"v\"");  // quotes stay
  EXPECT_EQ(ini.ReadValue("s", "last", ""), "x");
  EXPECT_EQ(ini.KeyNames("s"), (std::vector<std::string>{"key", "", "\"q\"", "last"}));
  EXPECT_EQ(ini.SectionLines("s"), (std::vector<std::string>{"key=a=b", "[open", "\"q\"=\"v\"", "last=x"}));
  EXPECT_EQ(ini.ReadValue("t", "k", ""), "v");
}

TEST(PakIniFile, CyrillicNamesIgnoreCase) {
  const auto ini = TPakIniFile::FromText(test::W("[Кнопка]\r\nПодпись=Далее\r\n"));
  EXPECT_EQ(ini.ReadValue(test::W("КНОПКА"), test::W("подпись"), ""), test::W("Далее"));
}

TEST(PakIniFile, ReadsThroughThePackAndReportsMissingFiles) {
  test::TTempCourse course;
  test::TMessageCapture messages;
  course.Write("struct_main.txt", "[form]\r\ncaption=Main\r\n");
  EXPECT_EQ(TPakIniFile("struct_main.txt").ReadValue("form", "caption", ""), "Main");
  const TPakIniFile missing("struct_none.txt");
  EXPECT_TRUE(missing.SectionNames().empty());
  EXPECT_EQ(messages.Messages, (std::vector<std::string>{"Не найден файл \r\nstruct_none.txt"}));
}

}  // namespace kv
