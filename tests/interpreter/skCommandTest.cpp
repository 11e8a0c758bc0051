#include <gtest/gtest.h>

#include "interpreter/skCommand.h"

namespace kv {

TEST(SkCommand, SplitsCommandsAndArguments) {
  const TSkCommand parsed("Html_Load*Html*Content\\A.htm//tree_go*tree*5");
  ASSERT_EQ(parsed.Count(), 2);
  EXPECT_EQ(parsed.Commands(0).Name, "html_load");
  EXPECT_EQ(parsed.Commands(0).Args, (std::vector<std::string>{"Html", "Content\\A.htm"}));
  EXPECT_EQ(parsed.Commands(0).Rest, "tree_go*tree*5");
  EXPECT_EQ(parsed.Commands(1).Name, "tree_go");
  EXPECT_EQ(parsed.Commands(1).Args, (std::vector<std::string>{"tree", "5"}));
  EXPECT_EQ(parsed.Commands(1).Rest, "");
}

TEST(SkCommand, DropsEmptyNamesAndArguments) {
  const TSkCommand nil("//nil//");
  ASSERT_EQ(nil.Count(), 1);
  EXPECT_EQ(nil.Commands(0).Name, "nil");

  const TSkCommand bare("a*");
  ASSERT_EQ(bare.Count(), 1);
  EXPECT_TRUE(bare.Commands(0).Args.empty());
  EXPECT_EQ(bare.Commands(0).ArgText, "");

  const TSkCommand gaps("A*x**y");
  EXPECT_EQ(gaps.Commands(0).ArgText, "x**y");
  EXPECT_EQ(gaps.CommandText(0), "a*x*y");
  EXPECT_EQ(gaps.CommandText(1), "");
  EXPECT_EQ(TSkCommand("").Count(), 0);
  EXPECT_EQ(TSkCommand("*x//").Count(), 0);
}

}  // namespace kv
