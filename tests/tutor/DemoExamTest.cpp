// The demo course's exam, answered all right and all wrong, as a pupil would.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include "TestSupport.h"
#include "app/uMain.h"
#include "interpreter/skUseStract.h"
#include "pack/gPack.h"
#include "platform/TextCodec.h"
#include "tutor/Exam.h"
#include "tutor/Journal.h"
#include "tutor/TutorScreen.h"
#include "util/DiskFile.h"
#include "util/Random.h"
#include "util/uUtils.h"
#include "viewers/HtmlFormLayer.h"
#include "viewers/skHTML.h"

namespace kv {
namespace {

// What a pupil who knows every answer (or none) types: the first alternative of a list answer.
QString TypedAnswer(const QString& need, bool right) {
  if (!right) return QStringLiteral("zzz");
  QString expected = need.trimmed();
  if (expected.startsWith("$1")) expected = expected.mid(2).section('#', 0, 0);
  else if (expected.startsWith("$0")) expected = expected.mid(2);
  return expected;
}

class DemoExamTest : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(data.isValid());
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    SetProgramFolder(KV_DEMO_COURSE);
    ClosePack();
  }
  void TearDown() override {
    qunsetenv("XDG_DATA_HOME");
    ClosePack();
  }
  QTemporaryDir data;
  test::TMessageCapture messages;
};

TEST_P(DemoExamTest, AnsweredGivesTheMarkAndAJournalRow) {
  const bool right = GetParam();
  for (const std::uint32_t seed : {1u, 2u, 3u}) {
    SeedRandom(seed);
    TfrmMain window;
    window.StractMain()->RunCommandString("show_test");
    window.StractShow()->RunCommandString("go_examen");
    window.Timer().stop();
    THtmlFormLayer& forms = *window.Screen().Html()->Viewer()->Forms();
    // The expected typed answers stand in the report beside the ids of their fields.
    const QString report = ToQString(window.Exam().ReportParts().Joined());
    std::map<QString, QString> needs;
    const QRegularExpression field(QStringLiteral("id=\"(\\d+)\" need=\"([^\"]*)\""));
    for (auto match = field.globalMatch(report); match.hasNext();) {
      const auto found = match.next();
      needs[found.captured(1)] = found.captured(2);
    }
    int typed = 0;
    for (const auto& control : forms.Controls()) {
      if (control.Kind == THtmlFormLayer::TKind::Text) {
        ASSERT_TRUE(needs.count(control.Id)) << control.Id.toStdString();
        forms.SetText(control.Index, TypedAnswer(needs[control.Id], right));
        ++typed;
      }
      if (control.Kind == THtmlFormLayer::TKind::Radio && (control.Attributes.at("need") == "1") == right)
        forms.SetChecked(control.Index, true);
    }
    EXPECT_GT(typed, 0);
    window.StractShow()->RunCommandString("test_examen");
    const long long total = window.Options().Tests.SumOfCounts();
    EXPECT_EQ(window.State().RightCount, right ? total : 0) << "seed " << seed;
    const std::string journal = test::ReadFile(NativePathOf(window.Journal().File()));
    const std::string row = "<td>" + std::to_string(right ? total : 0) + "/" + std::to_string(total) + "</td> <td>" +
                            (right ? "5" : "2") + "</td>";
    EXPECT_NE(journal.find(row), std::string::npos) << journal;
    window.Journal().Clear();
  }
  EXPECT_TRUE(messages.Messages.empty()) << (messages.Messages.empty() ? "" : messages.Messages.front());
}

INSTANTIATE_TEST_SUITE_P(AllRightAndAllWrong, DemoExamTest, ::testing::Bool());

}  // namespace
}  // namespace kv
