#include <gtest/gtest.h>

#include "util/Cp1251.h"

namespace kv {

TEST(Cp1251, EveryByteRoundTripsThroughUtf8) {
  std::string all;
  for (int i = 1; i < 256; ++i) all += static_cast<char>(i);
  bool exact = false;
  EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(all), &exact), all);
  EXPECT_TRUE(exact);
}

TEST(Cp1251, UnrepresentableAndMalformedUtf8BecomeQuestionMarks) {
  bool exact = true;
  EXPECT_EQ(Utf8ToCp1251("a\xE4\xB8\xAD" "b", &exact), "a?b");  // a CJK character
  EXPECT_FALSE(exact);
  EXPECT_EQ(Utf8ToCp1251("\xFF\xC3"), "??");
}

TEST(Cp1251, CaseTablesCoverCyrillic) {
  EXPECT_EQ(Cp1251ToUtf8(LowerCase(Utf8ToCp1251("ПРИВЕТ Ёлка ЄЇІЎҐ ABC"))), "привет ёлка єїіўґ abc");
  EXPECT_EQ(Cp1251ToUtf8(UpperCase(Utf8ToCp1251("привет ёлка џ abc"))), "ПРИВЕТ ЁЛКА Џ ABC");
  EXPECT_TRUE(SameText(Utf8ToCp1251("Глава"), Utf8ToCp1251("гЛАВА")));
  EXPECT_FALSE(SameText("ab", "abc"));
  // Characters without case stay as they are.
  EXPECT_EQ(LowerCase("\x96\x85\xB9"), "\x96\x85\xB9");
}

}  // namespace kv
