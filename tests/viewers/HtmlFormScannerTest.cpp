#include <gtest/gtest.h>

#include "viewers/HtmlFormScanner.h"

namespace kv {

namespace {

std::string AttributeOf(const THtmlFormScan& scan, std::size_t element, const std::string& name) {
  if (element >= scan.Elements.size()) return "<no element>";
  const auto& attributes = scan.Elements[element].Attributes;
  const auto found = attributes.find(name);
  return found == attributes.end() ? "<absent>" : found->second;
}

}  // namespace

TEST(HtmlFormScanner, ReadsEveryAttributeSyntaxAndEntity) {
  struct Case { const char* html; const char* name; const char* value; };
  for (const Case& c : {
           Case{R"(<input id="double">)", "id", "double"},
           Case{R"(<input id='single "quoted"'>)", "id", "single \"quoted\""},
           Case{R"(<input id=bare>)", "id", "bare"},
           Case{R"(<input id = spaced >)", "id", "spaced"},
           Case{R"(<INPUT ID="Upper" Value=MixedCase>)", "id", "Upper"},
           Case{R"(<INPUT ID="Upper" Value=MixedCase>)", "value", "MixedCase"},
           Case{R"(<input checked id=x>)", "checked", ""},
           Case{R"(<input id=first id=second>)", "id", "first"},
           Case{R"(<input need="a;b" separ=";"/>)", "separ", ";"},
           Case{R"(<input value=x/>)", "value", "x/"},
           Case{R"(<input value="a &amp; b &lt;c&gt; &quot;d&quot; &#39;e&#39;">)", "value",
                "a & b <c> \"d\" 'e'"},
           Case{R"(<input value="&nbsp;&#1071;&#x44F;&#X41;&#65">)", "value", "\u00A0\u042F\u044F" "AA"},
           Case{R"(<input value="&copy; & &amp &#; &#xZ; &#0; &#99999999999;">)", "value",
                "&copy; & &amp &#; &#xZ; \uFFFD \uFFFD"},
       }) {
    EXPECT_EQ(AttributeOf(ScanHtmlForms(c.html), 0, c.name), c.value) << c.html;
  }
}

TEST(HtmlFormScanner, PassesOverCommentsScriptsAndStyles) {
  const std::string skipped =
      "<!-- <input id=comment> --><SCRIPT>document.write('<input id=script>'); if (a<b) f();</script >"
      "<style>input { color: red }</style><p title=\"<input id=attribute>\">";
  const THtmlFormScan scan = ScanHtmlForms(skipped + "<input id=real>");
  ASSERT_EQ(scan.Elements.size(), 1u);
  EXPECT_EQ(AttributeOf(scan, 0, "id"), "real");
  EXPECT_EQ(scan.Html, skipped + "<img src=\"kvform:0\">");
}

TEST(HtmlFormScanner, ReadsTheOptionsOfAList) {
  const THtmlFormScan scan = ScanHtmlForms(
      "<Select name=s size=3>ignored<option>One<OPTION value=2 SELECTED>Two</option><!-- <option>no -->"
      "<optgroup label=g><option>\n  Three &amp;\n four  </option></optgroup>"
      "<option value=\"\">Empty</select>after");
  ASSERT_EQ(scan.Elements.size(), 1u);
  const THtmlFormElement& list = scan.Elements[0];
  EXPECT_EQ(list.Tag, "select");
  EXPECT_EQ(AttributeOf(scan, 0, "size"), "3");
  struct Expected { const char* text; const char* value; bool selected; };
  const Expected expected[] = {{"One", "One", false}, {"Two", "2", true}, {"Three & four", "Three & four", false},
                               {"Empty", "", false}};
  ASSERT_EQ(list.Options.size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    EXPECT_EQ(list.Options[i].Text, expected[i].text) << i;
    EXPECT_EQ(list.Options[i].Value, expected[i].value) << i;
    EXPECT_EQ(list.Options[i].Selected, expected[i].selected) << i;
  }
  EXPECT_EQ(scan.Html, "<img src=\"kvform:0\">after");
}

TEST(HtmlFormScanner, TakesATextAreasContentAsWritten) {
  const THtmlFormScan scan =
      ScanHtmlForms("<textarea rows=3>\r\nline &lt;b&gt;\r\n<input id=inside>\r<!-- kept --></TEXTAREA>after");
  ASSERT_EQ(scan.Elements.size(), 1u);
  EXPECT_EQ(scan.Elements[0].Content, "line <b>\n<input id=inside>\n<!-- kept -->");
  EXPECT_EQ(scan.Html, "<img src=\"kvform:0\">after");
}

TEST(HtmlFormScanner, NumbersPlaceholdersInOrderAndListsHiddenInputsWithout) {
  const THtmlFormScan scan = ScanHtmlForms(
      "<<input type=HIDDEN name=h value=1>b><input id=x>c<select><option>o</select>d<textarea></textarea>e");
  EXPECT_EQ(scan.Html, "<<!---->b><img src=\"kvform:1\">c<img src=\"kvform:2\">d<img src=\"kvform:3\">e");
  ASSERT_EQ(scan.Elements.size(), 4u);
  EXPECT_FALSE(scan.Elements[0].HasPlaceholder);
  EXPECT_EQ(AttributeOf(scan, 0, "value"), "1");
  for (std::size_t i = 1; i < 4; ++i) EXPECT_TRUE(scan.Elements[i].HasPlaceholder) << i;
  EXPECT_EQ(scan.Elements[2].Tag, "select");
  EXPECT_EQ(scan.Elements[3].Tag, "textarea");
}

TEST(HtmlFormScanner, LeavesWhatItCannotParseAsText) {
  struct Case { const char* html; const char* page; std::size_t elements; };
  for (const Case& c : {
           Case{"x < y <input id=a>", "x < y <img src=\"kvform:0\">", 1},
           Case{"<<input id=a>", "<<img src=\"kvform:0\">", 1},
           Case{"a<inputs>b</ input>", "a<inputs>b</ input>", 0},
           Case{"<input id=a", "<input id=a", 0},
           Case{"<input id=\"a><input id=b>", "<input id=\"a><input id=b>", 0},
           Case{"<p title='x><input id=a>", "<p title='x><input id=a>", 0},
           Case{"<!-- <input id=a>", "<!-- <input id=a>", 0},
           Case{"<script><input id=a>", "<script><input id=a>", 0},
           Case{"<textarea>abc<input id=a>", "<img src=\"kvform:0\">abc<img src=\"kvform:1\">", 2},
           Case{"<textarea>abc</textarea", "<img src=\"kvform:0\">", 1},
           Case{"<select><option>a<input id=b>", "<img src=\"kvform:0\"><img src=\"kvform:1\">", 2},
           Case{"<select><option>a<b title='x", "<img src=\"kvform:0\"><b title='x", 1},
           Case{"<select><option>a < b</select>", "<img src=\"kvform:0\">", 1},
           Case{"<", "<", 0},
           Case{"", "", 0},
       }) {
    const THtmlFormScan scan = ScanHtmlForms(c.html);
    EXPECT_EQ(scan.Html, c.page) << c.html;
    EXPECT_EQ(scan.Elements.size(), c.elements) << c.html;
  }
  EXPECT_EQ(ScanHtmlForms("<select><option>a < b</select>").Elements[0].Options[0].Text, "a < b");
}

}  // namespace kv
