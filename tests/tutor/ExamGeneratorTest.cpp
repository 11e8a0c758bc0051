#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "TestSupport.h"
#include "tutor/ExamGenerator.h"

namespace kv {
namespace {

using test::W;

TQuestion Choice(std::vector<std::string> answers) {
  TQuestion question;
  question.Text = "Q";
  question.Group1.Answers = std::move(answers);
  return question;
}

// An exam template with four answer slots and the report with coloured cells.
const std::string kExam =
    "<num>. <quest> <hrefText><title1>"
    "<ans1>[<answer1>|<id1>|<need1>]</ans1><ans2>[<answer2>|<id2>|<need2>]</ans2>"
    "<ans3>[<answer3>|<id3>|<need3>]</ans3><ans4>[<answer4>|<id4>|<need4>]</ans4>";
const std::string kReport =
    "<num>. <quest><ans1><td tdparam1><answer1></ans1><ans2><td tdparam2><answer2></ans2>"
    "<ans3><td tdparam3><answer3></ans3><ans4><td tdparam4><answer4></ans4><rans>=<rightanswer></rans>|<need>|<separ>";

TEST(ExamGenerator, RemoveBlockCutsTheFirstBlockIgnoringCase) {
  const struct {
    std::string Text, Result;
    bool Removed;
  } cases[] = {
      {"a<ANS4>x</ans4>b<ans4>y</ans4>", "ab<ans4>y</ans4>", true},
      {"a<ans4>x", "a<ans4>x", false},
      {"a</ans4>x<ans4>y", "a</ans4>x<ans4>y", false},  // closing before opening: nothing changes
      {"", "", false},
  };
  for (const auto& c : cases) {
    std::string text = c.Text;
    EXPECT_EQ(RemoveBlock(text, "<ans4>", "</ans4>"), c.Removed) << c.Text;
    EXPECT_EQ(text, c.Result);
  }
}

TEST(ExamGenerator, ThreeAnswersInFourSlotsOnBothPages) {
  std::mt19937 random(7);
  std::string T = kExam;
  std::string R = kReport;
  int id = 10;
  T += "<ans2_1>{<answer2_1>}</ans2_1>";
  GenerateQuestion(Choice({"right", "b", "c"}), T, 5, R, id, "test\\", random);
  // Type 5 keeps the order: the right answer is in slot 1; ids run on from 10.
  EXPECT_EQ(T, "<num>. Q <hrefText><title1><ans1>[right|11|1]</ans1><ans2>[b|12|0]</ans2><ans3>[c|13|0]</ans3>");
  EXPECT_EQ(R, "<num>. Q<ans1><td tdparam11id>right</ans1><ans2><td tdparam12id>b</ans2>"
               "<ans3><td tdparam13id>c</ans3>||<separ>");
  EXPECT_EQ(id, 13);
}

TEST(ExamGenerator, ShuffledAnswersKeepTheRightOneMarked) {
  std::mt19937 random(1);
  std::set<std::string> firstSlots;
  for (int run = 0; run < 30; ++run) {
    std::string T = kExam;
    std::string R = kReport;
    int id = 0;
    GenerateQuestion(Choice({"right", "b", "c", "d"}), T, 0, R, id, "", random);
    EXPECT_NE(T.find("[right|"), std::string::npos);
    const std::size_t right = T.find("[right|");
    EXPECT_EQ(T.substr(T.find('|', right + 7) + 1, 1), "1");  // its need is 1 wherever it lands
    firstSlots.insert(T.substr(T.find("<ans1>[") + 7, 1));
  }
  EXPECT_GT(firstSlots.size(), 1u);  // the order does change
}

TEST(ExamGenerator, TypedAnswersReadingTextsAndTheSecondGroup) {
  std::mt19937 random(3);
  TQuestion typed = Choice({"x"});
  typed.HasRightAnswer = true;
  typed.RightAnswer = W("$1а,б#в");
  typed.Separ = ";";
  typed.TextFile = "read1.htm";
  std::string T = kExam + "<input id=\"<id_textfield>\">";
  std::string R = kReport + "<input inputparam1>";
  int id = 0;
  GenerateQuestion(typed, T, 0, R, id, "content\\test\\", random);
  EXPECT_NE(T.find(W("<a href=\"$read*content\\test\\read1.htm\">Прочтите текст</a>.")), std::string::npos);
  EXPECT_NE(T.find("[x|1|1]"), std::string::npos);     // a typed question keeps its order
  EXPECT_NE(T.find("<input id=\"2\">"), std::string::npos);
  EXPECT_NE(R.find("<input id=\"2\">"), std::string::npos);
  EXPECT_NE(R.find(W("<rans>=$1а,б#в</rans>|$1а,б#в|;")), std::string::npos) << R;

  // Without a right answer the report's block goes and <need> is empty.
  TQuestion grouped = Choice({"a1", "a2"});
  grouped.HasGroup2 = true;
  grouped.Group2 = TAnswerGroup{{"g1", "g2", "g3"}, "Second"};
  T = "<title2><ans2_1>{<answer2_1>}</ans2_1><ans2_2>{<answer2_2>}</ans2_2><ans2_3>{<answer2_3>}</ans2_3>"
      "<ans2_4>{<answer2_4>}</ans2_4><id1><id3>";
  R = "<rans>gone</rans><need>.";
  id = 0;
  GenerateQuestion(grouped, T, 0, R, id, "", random);
  // A group with a heading keeps its order; slots shared with group 1 keep group 1's ids.
  EXPECT_EQ(T.substr(0, T.find("</ans2_3>") + 9),
            "Second<ans2_1>{g1}</ans2_1><ans2_2>{g2}</ans2_2><ans2_3>{g3}</ans2_3>");
  EXPECT_EQ(T.find("<ans2_4>"), std::string::npos);
  // <id1> was filled by group 1 (id 1 or 2), <id3> by the third answer of group 2 (id 5).
  EXPECT_TRUE(T.substr(T.size() - 2) == "15" || T.substr(T.size() - 2) == "25") << T;
  EXPECT_EQ(R, ".");
  EXPECT_EQ(id, 5);
}

TEST(ExamGenerator, PickAndShuffleDrawDistinctValues) {
  std::mt19937 random(5);
  EXPECT_TRUE(PickQuestions(3, 4, random).empty());   // more asked than there are
  EXPECT_TRUE(PickQuestions(3, 0, random).empty());
  EXPECT_TRUE(PickQuestions(3, -2, random).empty());  // never loops for ever
  std::vector<int> picked = PickQuestions(10, 10, random);
  std::sort(picked.begin(), picked.end());
  EXPECT_EQ(picked, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
  TArrayInt order;
  order.Add(42);
  Shuffle(order, 0, random);
  EXPECT_EQ(order.Size(), 1);  // n of 0 leaves the list as it was
  Shuffle(order, 4, random);
  std::vector<int> values;
  for (int i = 0; i < order.Size(); ++i) values.push_back(order.At(i).Count);
  std::sort(values.begin(), values.end());
  EXPECT_EQ(values, (std::vector<int>{0, 1, 2, 3}));
}

TEST(ExamGenerator, TestFilesAndTheirFaults) {
  TTestFile test;
  std::string error;
  ASSERT_TRUE(ParseTestFile(W("<?xml version=\"1.0\" encoding=\"windows-1251\"?>"
                              "<LISTDATA title=\"t.htm\" template=\"q.htm\" rep_title=\"rt.htm\" rep_body=\"rq.htm\">"
                              "<q><QUESTBLOCK1><TEXT>Что <b>это</b>?</TEXT></QUESTBLOCK1><TEXTFN>r.htm</TEXTFN>"
                              "<QUESTBLOCK2><TITLE>Выберите</TITLE><Text>да</Text><text>нет</text></QUESTBLOCK2>"
                              "<RIGHTANSWER separ=\";\">да</RIGHTANSWER></q>"
                              "<q><QUESTBLOCK1><TEXT>без ответов</TEXT></QUESTBLOCK1></q>"
                              "</LISTDATA>"),
                            test, error));
  EXPECT_EQ(test.Files.Template, "q.htm");
  EXPECT_EQ(test.Files.RepBody, "rq.htm");
  ASSERT_EQ(test.Questions.size(), 1u);
  EXPECT_EQ(test.Unsound, 1);
  const TQuestion& q = test.Questions[0];
  EXPECT_EQ(q.Text, W("Что <b>это</b>?"));  // markup inside the text is kept
  EXPECT_EQ(q.Group1.Heading, W("Выберите"));
  EXPECT_EQ(q.Group1.Answers, (std::vector<std::string>{W("да"), W("нет")}));
  EXPECT_TRUE(q.HasRightAnswer);
  EXPECT_EQ(q.Separ, ";");
  EXPECT_EQ(q.TextFile, "r.htm");
  EXPECT_FALSE(ParseTestFile("<LISTDATA><q>", test, error));
  EXPECT_FALSE(ParseTestFile("<other/>", test, error));
  EXPECT_EQ(error, "no LISTDATA element");
}

TEST(ExamGenerator, AnExamNumbersEachTestAndRunsTheIdsOn) {
  std::mt19937 random(9);
  auto read = [](const std::string& name) { return "{" + name + "}"; };
  TTestFile two, three;
  for (int i = 0; i < 2; ++i) two.Questions.push_back(Choice({"a", "b"}));
  for (int i = 0; i < 3; ++i) three.Questions.push_back(Choice({"a", "b"}));
  two.Files = TDatGenQuest{"t1", "q1", "r1", "rb1"};
  three.Files = TDatGenQuest{"t2", "q2", "r2", "rb2"};
  TExamBuilder builder("d\\", [&](const std::string& name) {
    if (name == "d\\q1" || name == "d\\q2") return std::string("<num>:<id1>,<id2>");
    return read(name);
  }, random);
  builder.Start();
  builder.AddTest(two, 2, 5);
  builder.AddTest(three, 0, 5);  // a count of 0 adds nothing, not even the heading
  builder.AddTest(three, 3, 5);
  builder.Finish();
  EXPECT_EQ(builder.TestParts.Joined(),
            "{d\\header.htm}\r\n{d\\t1}\r\n1:1,2\r\n2:3,4\r\n{d\\t2}\r\n1:5,6\r\n2:7,8\r\n3:9,10\r\n{d\\footer.htm}\r\n");
  EXPECT_EQ(builder.ReportParts.Size(), 9);
  EXPECT_EQ(builder.ControlId, 10);
}

}  // namespace
}  // namespace kv
