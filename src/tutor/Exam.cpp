#include "Exam.h"

#include <QCoreApplication>
#include <QDate>
#include <QTimer>
#include <set>

#include "AnswerCheck.h"
#include "Journal.h"
#include "Options.h"
#include "TutorScreen.h"
#include "TutorState.h"
#include "TutorWindows.h"
#include "controls/skLabels.h"
#include "interpreter/skValues.h"
#include "pack/gPack.h"
#include "pack/gPackUtils.h"
#include "platform/TextCodec.h"
#include "util/Cp1251.h"
#include "util/Messages.h"
#include "util/Random.h"
#include "util/uUtils.h"
#include "viewers/HtmlFormLayer.h"
#include "viewers/skHTML.h"

namespace kv {
namespace {

std::string Number(long long value) { return std::to_string(value); }

// An attribute of a form control's element ("" when it has none).
std::string Attribute(const THtmlFormLayer::TControl& control, const char* name) {
  const auto found = control.Attributes.find(QString::fromLatin1(name));
  return found == control.Attributes.end() ? std::string() : FromQString(found->second);
}

// Reads one test file; what is wrong with it is said, and what is sound of it is used.
bool ReadTest(const std::string& file, int count, TTestFile& test) {
  TPack stream;
  if (!LoadPackFile(file, stream)) {
    ShowMessage(MissingFileMessage(file));
    return false;
  }
  std::string error;
  if (!ParseTestFile(stream.Text(), test, error)) {
    ShowMessage(Utf8ToCp1251("Тест ") + file + Utf8ToCp1251(" не прочитан (") + error +
                Utf8ToCp1251("): его вопросов в экзамене нет."));
    return false;
  }
  if (test.Unsound > 0)
    ShowMessage(Utf8ToCp1251("В тесте ") + file + Utf8ToCp1251(" вопросов без QUESTBLOCK1 или QUESTBLOCK2: ") +
                Number(test.Unsound) + Utf8ToCp1251(". Они в экзамен не попадут."));
  const auto available = static_cast<int>(test.Questions.size());
  if (count < 0 || count > available) {
    ShowMessage(Utf8ToCp1251("В тесте ") + file + Utf8ToCp1251(" вопросов ") + Number(available) +
                Utf8ToCp1251(", а задано ") + Number(count) + Utf8ToCp1251(": тест в экзамен не вошёл."));
    return false;
  }
  return true;
}

}  // namespace

TExam::TExam(TTutorScreen& screen, TTutorState& state, const TOptions& options, TJournal& journal, QTimer& countdown,
             std::function<TfrmProgress&()> progressWindow, std::function<void()> takeFocus)
    : FScreen(screen),
      FState(state),
      FOptions(options),
      FJournal(journal),
      FCountdown(countdown),
      FProgressWindow(std::move(progressWindow)),
      FTakeFocus(std::move(takeFocus)) {}

std::string TExam::PageFolder() const { return ProgramFolder() + FOptions.Date.DirTest; }

void TExam::StartExam() {
  TfrmProgress& progress = FProgressWindow();
  progress.SetProgress(0);
  progress.show();
  QCoreApplication::processEvents();

  FCountdown.stop();
  FState.Remaining = 60 * FOptions.TimerMinutes + 1;
  TimerTimer();
  FScreen.Apply(TScreen::ExamRunning);
  // The countdown starts once the page is on display.
  FCountdown.stop();
  FRunning = false;
  Generate();

  TSkHtml* html = FScreen.Html();
  if (html) {
    html->LoadHtmlTextIn(FTestParts.Joined(), PageFolder());
    html->UpdateScrollBars();
  }
  // Checked from here on: a check asked for while the page was still being made would check half a page.
  FRunning = true;
  FCountdown.start();
  progress.hide();
  if (!html) return;
  THtmlFormLayer& forms = *html->Viewer()->Forms();
  for (const auto& control : forms.Controls())
    if (control.Kind == THtmlFormLayer::TKind::Radio) forms.SetChecked(control.Index, false);
  FScreen.SetVisible("but_test_examen", true);
  FScreen.SetVisible("but_no_test", true);
  html->SetPosition(0);
}

void TExam::Generate() {
  const TDate& options = FOptions.Date;
  TExamBuilder builder(
      options.DirTest, [](const std::string& name) { return LoadPackText(name, ""); }, RandomEngine());
  builder.Start();
  const TArrayInt& tests = FOptions.Tests;
  for (int t = 0; t < tests.Size(); ++t) {
    const TArrayInt::TEntry& entry = tests.At(t);
    TTestFile test;
    if (entry.Count == 0 || !ReadTest(entry.File, entry.Count, test)) continue;
    builder.AddTest(test, entry.Count, entry.Type);
  }
  builder.Finish();
  FTestParts = builder.TestParts;
  FReportParts = builder.ReportParts;
  FState.ControlId = builder.ControlId;
}

void TExam::TimerTimer() {
  --FState.Remaining;
  if (FState.Remaining <= 0) {
    FState.Remaining = 0;
    CheckExam();
    return;
  }
  if (TSkLabel* label = FScreen.TimerLabel()) label->SetCaption(FormatSeconds(FState.Remaining));
}

void TExam::Leave() {
  if (!FRunning) return;
  FRunning = false;
  FCountdown.stop();
  FScreen.SetVisible("label_timer", false);
}

void TExam::CheckExam() {
  // Only the exam on display is checked, once: a second check would add a second row to the journal.
  if (!FRunning) return;
  FRunning = false;
  FCountdown.stop();
  FScreen.SetVisible("label_timer", false);
  TfrmProgress& progress = FProgressWindow();
  progress.SetProgress(0);
  progress.show();
  QCoreApplication::processEvents();

  FState.RightCount = 0;
  FScreen.SetVisible("but_test_examen", false);
  FScreen.SetVisible("but_no_test", false);
  std::string report = FReportParts.Joined();
  const TDate& options = FOptions.Date;
  TSkHtml* html = FScreen.Html();
  if (html) {
    THtmlFormLayer& exam = *html->Viewer()->Forms();
    for (const auto& control : exam.Controls()) {
      if (control.Kind != THtmlFormLayer::TKind::Radio) continue;
      const bool chosen = exam.Checked(control.Index);
      const bool right = ParseBool(Attribute(control, "need"), false);
      if (!chosen && !right) continue;
      // A right answer is coloured as right whether it was chosen or not; a wrong choice as wrong.
      const std::string& colour = right ? options.ColorTrue : options.ColorFalse;
      ReplaceAll(report, "tdparam" + FromQString(control.Id) + "id", "bgcolor=\"" + colour + "\"");
      if (chosen && right) ++FState.RightCount;
    }
    FList.SaveStates(exam);

    html->LoadHtmlTextIn(report, PageFolder());
    html->SetPosition(0);
    html->UpdateScrollBars();
    THtmlFormLayer& forms = *html->Viewer()->Forms();
    FList.RestoreStates(forms);
    const QColor rightColour = ToQColor(ParseColor(options.ColorTrue));
    const QColor wrongColour = ToQColor(ParseColor(options.ColorFalse));
    const QColor textColour = ToQColor(options.ColorText);
    std::set<int> typedRight;
    for (const auto& control : forms.Controls()) {
      if (control.Kind != THtmlFormLayer::TKind::Text) continue;
      const bool right = CompareTextAnswer(Attribute(control, "need"), FromQString(forms.Text(control.Index)),
                                           Attribute(control, "separ"));
      forms.SetColors(control.Index, right ? rightColour : wrongColour, textColour);
      forms.SetReadOnly(control.Index, true);
      if (!right) continue;
      typedRight.insert(control.Index);
      ++FState.RightCount;
    }
    FTakeFocus();
    FList.RestoreStates(forms);
    // The field after a typed answer shows the right one; after a right answer it is not needed.
    bool afterRight = false;
    for (const auto& control : forms.Controls()) {
      if (typedRight.count(control.Index)) afterRight = true;
      const std::string value = Attribute(control, "value");
      if (value.empty()) continue;
      forms.SetText(control.Index, ToQString(HeadBefore(value, "#")));
      forms.SetColors(control.Index, rightColour, QColor());
      if (!afterRight) continue;
      forms.HideElement(control.Id);
      forms.Blank(control.Index);
      afterRight = false;
    }
    forms.Relayout();
  }

  const long long total = FOptions.Tests.SumOfCounts();
  const std::string date = FromQString(QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
  FJournal.AppendRow(JournalRow(FState.RightCount, total, MarkFor(FState.RightCount, total), date,
                                FormatSeconds(60LL * FOptions.TimerMinutes - FState.Remaining)));
  FScreen.SetPrintMode(0);
  progress.hide();
  FScreen.Apply(TScreen::ExamChecked);
  FScreen.UpdateJournalButton();
}

}  // namespace kv
