// Exams: test files of questions, drawing questions and answer orders at
// random, and filling the exam and report templates of each question.
#pragma once

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "uArrayInt.h"
#include "uArrayStr.h"

namespace kv {

// The four template files a test file names (in dir_test).
struct TDatGenQuest {
  std::string Title;     // heads the test on the exam page
  std::string Template;  // question template of the exam page
  std::string RepTitle;  // heads the test on the report
  std::string RepBody;   // question template of the report
};

struct TAnswerGroup {
  std::vector<std::string> Answers;  // document order; the first is the right one
  std::string Heading;
};

struct TQuestion {
  std::string Text;      // QUESTBLOCK1/TEXT, may hold HTML
  std::string TextFile;  // TEXTFN: a text to read before answering
  TAnswerGroup Group1;   // QUESTBLOCK2
  bool HasGroup2 = false;
  TAnswerGroup Group2;   // QUESTBLOCK3
  bool HasRightAnswer = false;
  std::string RightAnswer;  // a typed answer's expectation
  std::string Separ;        // its item separator
};

struct TTestFile {
  TDatGenQuest Files;
  std::vector<TQuestion> Questions;
  int Unsound = 0;  // questions left out: no QUESTBLOCK1 or no QUESTBLOCK2
};

// Parses a test file (Windows-1251, or UTF-8 when declared). False, with
// `error` saying why, for broken XML or no "LISTDATA".
bool ParseTestFile(const std::string& bytes, TTestFile& test, std::string& error);

// Replaces every occurrence (case-sensitive); returns how many.
int ReplaceAll(std::string& text, const std::string& from, const std::string& to);

// Deletes from the first `open` to the end of the first `close` after it,
// both found without regard to case; false (text unchanged) when either is
// missing or the closing marker comes first.
bool RemoveBlock(std::string& text, const std::string& open, const std::string& close);

// A random order of n answers (slot of answer i is order[i] + 1); n <= 0 leaves it.
void Shuffle(TArrayInt& order, int n, std::mt19937& random);

// `count` distinct question indexes drawn from `available`; none when count
// is not positive or the file has fewer questions.
std::vector<int> PickQuestions(int available, int count, std::mt19937& random);

// Fills the exam template T and the report template R of one question;
// `controlId` numbers the answer controls across the exam.
void GenerateQuestion(const TQuestion& question, std::string& T, int testType, std::string& R, int& controlId,
                      const std::string& dirTest, std::mt19937& random);

// Assembles an exam page and its report from header, the tests and footer.
class TExamBuilder {
 public:
  using TReadText = std::function<std::string(const std::string& name)>;
  TExamBuilder(std::string dirTest, TReadText readText, std::mt19937& random);

  void Start();
  // One test of the exam; a test whose questions are not drawn adds nothing.
  void AddTest(const TTestFile& test, int count, int type);
  void Finish();

  TArrayStr TestParts;
  TArrayStr ReportParts;
  int ControlId = 0;

 private:
  std::string FDirTest;
  TReadText FReadText;
  std::mt19937& FRandom;
};

}  // namespace kv
