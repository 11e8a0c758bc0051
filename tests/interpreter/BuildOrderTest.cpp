#include <gtest/gtest.h>

#include "interpreter/BuildOrder.h"

namespace kv {
namespace {

struct TRecorder {
  std::vector<std::string> Made;  // "name<parent"
  std::vector<std::string> Containers;
  bool operator()(const TBuildEntry& entry, const std::string& parent) {
    Made.push_back(entry.Name + "<" + parent);
    for (const std::string& c : Containers)
      if (c == entry.Name) return true;
    return false;
  }
};

TEST(BuildOrder, ParentsFirstDepthFirstSiblingsInFileOrder) {
  TRecorder recorder{{}, {"A", "C"}};
  const auto left = CreateInBuildOrder(
      {{"B", "a"}, {"A", "Main"}, {"x", ""}, {"D", "C"}, {"C", "A"}, {"E", "main"}}, "main",
      std::ref(recorder));
  EXPECT_TRUE(left.empty());
  EXPECT_EQ(recorder.Made, (std::vector<std::string>{"A<", "B<A", "C<A", "D<C", "x<", "E<"}));
}

TEST(BuildOrder, UnreachableMastersAreReturnedNotAwaited) {
  TRecorder recorder{{}, {"P"}};
  const auto left = CreateInBuildOrder({{"orphan", "nothing"}, {"cyc1", "cyc2"}, {"cyc2", "cyc1"},
                                        {"child", "btn"}, {"btn", ""}, {"P", ""}, {"in", "p"}},
                                       "form", std::ref(recorder));
  EXPECT_EQ(recorder.Made, (std::vector<std::string>{"btn<", "P<", "in<P"}));
  ASSERT_EQ(left.size(), 4u);
  EXPECT_EQ(left[0].Name, "orphan");
  EXPECT_EQ(left[3].Name, "child");
}

}  // namespace
}  // namespace kv
