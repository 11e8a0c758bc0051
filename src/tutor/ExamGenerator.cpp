#include "ExamGenerator.h"

#include <pugixml.hpp>

#include "XmlText.h"
#include "util/Cp1251.h"

namespace kv {
namespace {

// The answers ("text", any case) and the heading ("title", any case; the last counts) of a group.
TAnswerGroup ReadGroup(const pugi::xml_node& group, bool utf8) {
  TAnswerGroup result;
  for (const pugi::xml_node child : group.children()) {
    if (child.type() != pugi::node_element) continue;
    const std::string name = LowerCase(child.name());
    if (name == "text") result.Answers.push_back(InnerText(child, utf8));
    else if (name == "title") result.Heading = InnerText(child, utf8);
  }
  return result;
}

// The slots of n answers: identity order, or shuffled.
std::vector<int> SlotOrder(int n, bool keepOrder, std::mt19937& random) {
  TArrayInt order;
  if (keepOrder) {
    for (int i = 0; i < n; ++i) order.Add(i);
  } else {
    Shuffle(order, n, random);
  }
  std::vector<int> slots;
  for (int i = 0; i < order.Size(); ++i) slots.push_back(order.At(i).Count + 1);
  return slots;
}

// Puts the answers of a group into their slots; `answerToken` is "<answer" or "<answer2_".
void FillGroup(const TAnswerGroup& group, const std::vector<int>& slots, const std::string& answerToken,
               std::string& T, std::string& R, int& controlId) {
  for (std::size_t i = 0; i < group.Answers.size() && i < slots.size(); ++i) {
    const std::string s = std::to_string(slots[i]);
    const std::string id = std::to_string(++controlId);
    const std::string& answer = group.Answers[i];
    ReplaceAll(T, answerToken + s + ">", answer);
    ReplaceAll(T, "<id" + s + ">", id);
    ReplaceAll(R, answerToken + s + ">", answer);
    ReplaceAll(R, "<id" + s + ">", id);
    ReplaceAll(R, "<td tdparam" + s + ">", "<td tdparam" + id + "id>");
    ReplaceAll(T, "<need" + s + ">", i == 0 ? "1" : "0");
  }
}

// Removes the blocks of the slots past the last answer, on both pages.
void RemoveUnusedSlots(std::size_t answers, const std::string& blockToken, std::string& T, std::string& R) {
  for (std::size_t m = answers + 1;; ++m) {
    const std::string open = "<" + blockToken + std::to_string(m) + ">";
    const std::string close = "</" + blockToken + std::to_string(m) + ">";
    const bool fromT = RemoveBlock(T, open, close);
    const bool fromR = RemoveBlock(R, open, close);
    if (!fromT && !fromR) return;
  }
}

}  // namespace

bool ParseTestFile(const std::string& bytes, TTestFile& test, std::string& error) {
  test = TTestFile{};
  pugi::xml_document document;
  const pugi::xml_node list = LoadCourseXml(bytes, document, "LISTDATA", error);
  if (!list) return false;
  const bool utf8 = DeclaresUtf8(bytes);
  auto attribute = [&](const char* name) {
    const std::string value = list.attribute(name).value();
    return utf8 ? Utf8ToCp1251(value) : value;
  };
  test.Files = TDatGenQuest{attribute("title"), attribute("template"), attribute("rep_title"), attribute("rep_body")};
  for (const pugi::xml_node node : list.children()) {
    if (node.type() != pugi::node_element) continue;
    const pugi::xml_node block1 = node.child("QUESTBLOCK1");
    const pugi::xml_node block2 = node.child("QUESTBLOCK2");
    if (!block1 || !block2) {
      ++test.Unsound;
      continue;
    }
    TQuestion question;
    question.Text = InnerText(block1.child("TEXT"), utf8);
    question.TextFile = InnerText(node.child("TEXTFN"), utf8);
    question.Group1 = ReadGroup(block2, utf8);
    if (const pugi::xml_node block3 = node.child("QUESTBLOCK3")) {
      question.HasGroup2 = true;
      question.Group2 = ReadGroup(block3, utf8);
    }
    if (const pugi::xml_node right = node.child("RIGHTANSWER")) {
      question.HasRightAnswer = true;
      question.RightAnswer = InnerText(right, utf8);
      question.Separ = right.attribute("separ").value();
      if (utf8) question.Separ = Utf8ToCp1251(question.Separ);
    }
    test.Questions.push_back(std::move(question));
  }
  return true;
}

int ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
  if (from.empty()) return 0;
  int count = 0;
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
    ++count;
  }
  return count;
}

bool RemoveBlock(std::string& text, const std::string& open, const std::string& close) {
  const std::string lower = LowerCase(text);
  const std::size_t start = lower.find(LowerCase(open));
  const std::size_t end = lower.find(LowerCase(close));
  if (start == std::string::npos || end == std::string::npos || end < start + open.size()) return false;
  text.erase(start, end + close.size() - start);
  return true;
}

void Shuffle(TArrayInt& order, int n, std::mt19937& random) {
  if (n <= 0) return;
  order.Clear();
  std::vector<bool> taken(static_cast<std::size_t>(n), false);
  std::uniform_int_distribution<int> position(0, n - 1);
  while (order.Size() < n) {
    const int at = position(random);
    if (taken[static_cast<std::size_t>(at)]) continue;
    taken[static_cast<std::size_t>(at)] = true;
    order.Add(at);
  }
}

std::vector<int> PickQuestions(int available, int count, std::mt19937& random) {
  std::vector<int> picked;
  if (count <= 0 || available < count) return picked;
  std::vector<bool> taken(static_cast<std::size_t>(available), false);
  std::uniform_int_distribution<int> index(0, available - 1);
  while (static_cast<int>(picked.size()) < count) {
    const int at = index(random);
    if (taken[static_cast<std::size_t>(at)]) continue;
    taken[static_cast<std::size_t>(at)] = true;
    picked.push_back(at);
  }
  return picked;
}

void GenerateQuestion(const TQuestion& question, std::string& T, int testType, std::string& R, int& controlId,
                      const std::string& dirTest, std::mt19937& random) {
  ReplaceAll(T, "<quest>", question.Text);
  ReplaceAll(R, "<quest>", question.Text);
  if (!question.TextFile.empty()) {
    const std::string link =
        "<a href=\"$read*" + dirTest + question.TextFile + "\">" + Utf8ToCp1251("Прочтите текст") + "</a>.";
    ReplaceAll(T, "<hrefText>", link);
    ReplaceAll(R, "<hrefText>", link);
  }

  const TAnswerGroup& group1 = question.Group1;
  const int n = static_cast<int>(group1.Answers.size());
  const std::vector<int> slots1 = SlotOrder(n, question.HasRightAnswer || testType == 5, random);
  if (question.HasRightAnswer) ReplaceAll(R, "<separ>", question.Separ);
  if (!group1.Heading.empty()) {
    ReplaceAll(T, "<title1>", group1.Heading);
    ReplaceAll(R, "<title1>", group1.Heading);
  }
  FillGroup(group1, slots1, "<answer", T, R, controlId);
  RemoveUnusedSlots(group1.Answers.size(), "ans", T, R);

  // A question without a second group has none of its slots: their blocks go too.
  const TAnswerGroup& group2 = question.Group2;
  if (question.HasGroup2) {
    const int n2 = static_cast<int>(group2.Answers.size());
    // A group with a heading keeps its order (the heading introduces it); one without is shuffled.
    const std::vector<int> slots2 = SlotOrder(n2, !group2.Heading.empty(), random);
    if (!group2.Heading.empty()) {
      ReplaceAll(T, "<title2>", group2.Heading);
      ReplaceAll(R, "<title2>", group2.Heading);
    }
    FillGroup(group2, slots2, "<answer2_", T, R, controlId);
  }
  RemoveUnusedSlots(group2.Answers.size(), "ans2_", T, R);

  if (T.find("id_textfield") != std::string::npos ||
      (R.find("inputparam1") != std::string::npos && R.find("id=") == std::string::npos)) {
    const std::string id = std::to_string(++controlId);
    ReplaceAll(T, "<id_textfield>", id);
    ReplaceAll(R, "inputparam1", "id=\"" + id + "\"");
  }
  if (!question.RightAnswer.empty()) {
    ReplaceAll(R, "<rightanswer>", question.RightAnswer);
    ReplaceAll(R, "<need>", question.RightAnswer);
  } else {
    RemoveBlock(R, "<rans>", "</rans>");
    ReplaceAll(R, "<need>", "");
  }
}

TExamBuilder::TExamBuilder(std::string dirTest, TReadText readText, std::mt19937& random)
    : FDirTest(std::move(dirTest)), FReadText(std::move(readText)), FRandom(random) {}

void TExamBuilder::Start() {
  TestParts.Clear();
  ReportParts.Clear();
  ControlId = 0;
  const std::string header = FReadText(FDirTest + "header.htm");
  TestParts.Add(header);
  ReportParts.Add(header);
}

void TExamBuilder::AddTest(const TTestFile& test, int count, int type) {
  const std::vector<int> picked = PickQuestions(static_cast<int>(test.Questions.size()), count, FRandom);
  if (picked.empty()) return;
  TestParts.Add(FReadText(FDirTest + test.Files.Title));
  const std::string examTemplate = FReadText(FDirTest + test.Files.Template);
  ReportParts.Add(FReadText(FDirTest + test.Files.RepTitle));
  const std::string reportTemplate = FReadText(FDirTest + test.Files.RepBody);
  int number = 0;
  for (const int index : picked) {
    const std::string num = std::to_string(++number);
    std::string T = examTemplate;
    std::string R = reportTemplate;
    ReplaceAll(T, "<num>", num);
    ReplaceAll(R, "<num>", num);
    GenerateQuestion(test.Questions[static_cast<std::size_t>(index)], T, type, R, ControlId, FDirTest, FRandom);
    TestParts.Add(T);
    ReportParts.Add(R);
  }
}

void TExamBuilder::Finish() {
  const std::string footer = FReadText(FDirTest + "footer.htm");
  TestParts.Add(footer);
  ReportParts.Add(footer);
}

}  // namespace kv
