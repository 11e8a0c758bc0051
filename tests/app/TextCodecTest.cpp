#include <gtest/gtest.h>

#include "TestSupport.h"
#include "platform/TextCodec.h"

namespace kv {

TEST(TextCodec, CourseTextMeetsQt) {
  const std::string text = test::W("Кварнель: «тест» №1 — ёж");
  EXPECT_EQ(ToQString(text), QString::fromUtf8("Кварнель: «тест» №1 — ёж"));
  bool exact = false;
  EXPECT_EQ(FromQString(ToQString(text), &exact), text);
  EXPECT_TRUE(exact);
  EXPECT_EQ(FromQString(QString::fromUtf8("a日b"), &exact), "a?b");
  EXPECT_FALSE(exact);
}

}  // namespace kv
