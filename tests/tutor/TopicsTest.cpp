#include <gtest/gtest.h>

#include <map>

#include "TestSupport.h"
#include "tutor/ItemFormat.h"
#include "tutor/Topics.h"
#include "util/Errors.h"

namespace kv {

TEST(ItemFormat, DirectivesTakeTheirArguments) {
  struct Case { const char* templ; const char* result; };
  for (const Case& c : {Case{"<a href=\"%s*%d\">%s</a>", "<a href=\"$info*7\">Water</a>"},
                        Case{"%2:s (%1:d) %0:s", "Water (7) $info"},
                        Case{"%1:d. %s", "7. Water"},  // after an index the next argument follows it
                        Case{"100%% [%1:5d] [%0:-6s] [%2:.3s]", "100% [    7] [$info ] [Wat]"},
                        Case{"%%s stays", "%s stays"}})
    EXPECT_EQ(FormatText(c.templ, {"$info", 7LL, "Water"}), c.result) << c.templ;
  for (const char* bad : {"%d", "%s %s %s %s", "%9:s", "%q", "trailing %"})
    EXPECT_THROW(FormatText(bad, {"$info", 7LL, "Water"}), EConvertError) << bad;
}

TEST(Topics, ReadTitlesPagesAndSequences) {
  const std::string xml = test::W(
      "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<root>"
      "<topic><name>Вода</name><hpora_name>Вода кратко</hpora_name><html file=\"w.htm\"/>"
      "<hpora html=\"wh.htm\" file=\"p.gif\" count=\"2\"/></topic>"
      "<topic format=\"2\"><name>Только теория</name><html file=\"t.htm\"/></topic>"
      "<topic><hpora_name>Только конспект</hpora_name><hpora html=\"s.htm\"/></topic>"
      "</root>");
  TTopics topics;
  std::string error;
  ASSERT_TRUE(topics.Parse(xml, error)) << error;
  ASSERT_EQ(topics.Count(), 3);
  EXPECT_EQ(topics.Title(0, TPageKind::Info), test::W("Вода"));
  EXPECT_EQ(topics.PageFile(0, TPageKind::Hpora), "wh.htm");
  EXPECT_EQ(topics.All()[0].HporaPrintCount, "2");
  EXPECT_TRUE(topics.InSequence(1, TPageKind::Info));
  EXPECT_FALSE(topics.InSequence(1, TPageKind::Hpora));
  EXPECT_EQ(topics.Title(2, TPageKind::Info), "");
  // Steps count the topics of the sequence (an "html" or "hpora" element), titled or not.
  EXPECT_FALSE(topics.HasPrev(0, TPageKind::Info));
  EXPECT_TRUE(topics.HasNext(0, TPageKind::Info));
  EXPECT_FALSE(topics.HasNext(1, TPageKind::Info));
  EXPECT_TRUE(topics.HasNext(0, TPageKind::Hpora));
  EXPECT_TRUE(topics.HasPrev(2, TPageKind::Hpora));
  EXPECT_FALSE(topics.HasPrev(1, TPageKind::Hpora) && topics.HasNext(2, TPageKind::Hpora));
  EXPECT_TRUE(topics.HasPrev(99, TPageKind::Info));  // a number past the list looks back from its end

  const std::map<std::string, std::string> files = {
      {"header.html", "<ul>"}, {"item.html", "<li><a href=\"%s*%d\">%s</a>"}, {"item2.html", "<li class=x>%2:s"},
      {"footer.html", "</ul>"}};
  std::vector<std::string> read;
  const auto lines = BuildTopicList(topics, TPageKind::Info, [&](const std::string& name) {
    read.push_back(name);
    return files.at(name);
  });
  EXPECT_EQ(lines, (std::vector<std::string>{"<ul>", "<li><a href=\"$info*0\">" + test::W("Вода") + "</a>",
                                             "<li class=x>" + test::W("Только теория"), "</ul>"}));
  // The third topic has no theory title, but its item template is still read.
  EXPECT_EQ(read, (std::vector<std::string>{"header.html", "item.html", "item2.html", "item.html", "footer.html"}));
}

TEST(Topics, BrokenListsAreRefusedWithAReason) {
  TTopics topics;
  std::string error;
  for (const char* bad : {"<root><topic>", "<other/>", "", "\xEF\xBB\xBF<?xml?><nope"}) {
    EXPECT_FALSE(topics.Parse(bad, error)) << bad;
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(topics.Count(), 0);
  }
  ASSERT_TRUE(topics.Parse("<?xml version=\"1.0\" encoding=\"UTF-8\"?><root><t><name>Вода</name></t></root>", error));
  EXPECT_EQ(topics.Title(0, TPageKind::Info), test::W("Вода"));
}

}  // namespace kv
