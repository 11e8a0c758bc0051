#include <gtest/gtest.h>

#include "TestSupport.h"
#include "tutor/AnswerCheck.h"

namespace kv {
namespace {

using test::W;

TEST(AnswerCheck, TypedAnswers) {
  const struct {
    const char* Expected;
    const char* Given;
    const char* Separator;
    bool Right;
  } cases[] = {
      {"Москва", " москва ", "", true},
      {"Нью-Йорк", "Нью - Йорк", "", true},
      {"новый город", "новый город", "", false},  // expected spaces stay, given ones go
      {"$0Москва", "МОСКВА", "", true},
      {"Москва", "", "", false},
      {"$1а,б#в,г", "б, а", "", true},
      {"$1а,б#в,г", "а", "", true},
      {"$1а,б#в,г", "а,в", "", false},
      {"$1а;б#в;г", "г;в", ";", true},
      {"$1«Север»,юг", "север", "", true},
      {"$1а,б", ",,", "", false},     // no items given
      {"$1##а", "а", "", true},       // empty alternatives are skipped
      {"$2а", "а", "", false},        // unknown modes are never right
      {"$x", "$x", "", true},         // two characters only: plain text
  };
  for (const auto& c : cases)
    EXPECT_EQ(CompareTextAnswer(W(c.Expected), W(c.Given), c.Separator), c.Right)
        << c.Expected << " / " << c.Given;
}

TEST(AnswerCheck, MarksAndTimes) {
  const struct {
    long long Right, Total;
    const char* Mark;
  } marks[] = {{7, 10, "4"}, {3, 4, "5"}, {1, 4, "3"}, {0, 4, "2"}, {24, 100, "2"}, {25, 100, "3"},
               {49, 100, "3"}, {50, 100, "4"}, {74, 100, "4"}, {75, 100, "5"}, {5, 0, "2"}, {11, 10, "2"}};
  for (const auto& m : marks) EXPECT_EQ(MarkFor(m.Right, m.Total), m.Mark) << m.Right << "/" << m.Total;
  EXPECT_EQ(FormatSeconds(125), "00:02:05");
  EXPECT_EQ(FormatSeconds(20 * 60), "00:20:00");
  EXPECT_EQ(FormatSeconds(3 * 3600 + 61), "03:01:01");
}

TEST(AnswerCheck, JournalRowsGoWhereTheMarkerIs) {
  const std::string row = JournalRow(7, 10, "4", "11.12.2026", "00:12:30");
  EXPECT_EQ(row,
            "<tr align=\"center\"> <td>7/10</td> <td>4</td> <td>11.12.2026</td> <td>00:12:30</td> </tr>\r\n<insert>");
  std::string text;
  ASSERT_TRUE(InsertJournalRow({"<table>", "<insert>", "</table>"}, row, text));
  std::string second;
  const std::vector<std::string> lines = {"<table>", row.substr(0, row.find("\r\n")), "<insert>", "</table>"};
  ASSERT_TRUE(InsertJournalRow(lines, JournalRow(1, 10, "2", "12.12.2026", "00:01:00"), second));
  // The second row follows the first.
  EXPECT_LT(second.find("7/10"), second.find("1/10"));
  EXPECT_LT(second.find("1/10"), second.find("<insert>"));
  std::string untouched = "keep";
  EXPECT_FALSE(InsertJournalRow({"<table>", "</table>"}, row, untouched));
  EXPECT_EQ(untouched, "keep");
}

}  // namespace
}  // namespace kv
