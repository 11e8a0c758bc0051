#include "TutorScreen.h"

#include <QTimer>
#include <algorithm>
#include <array>

#include "TutorState.h"
#include "controls/skButtons.h"
#include "controls/skLabels.h"
#include "controls/skPopMenu.h"
#include "interpreter/skUseStract.h"
#include "viewers/skHTML.h"

namespace kv {
namespace {

// One row of settings per control, one cell per screen in the order of TScreen:
// theory list, summary list, theory page, summary page, test start, exam
// running, exam checked, journal. V shows, H hides, E enables, D disables,
// J enables when the journal file exists, "-" leaves the control as it is.
// On the topic pages the page operation itself sets what depends on the topic
// (the title, the cross buttons, previous and next), so those cells are "-".
struct TRow {
  const char* Name;
  std::array<const char*, 8> Cells;
};

constexpr TRow kRows[] = {
    {"panel_div0", {"V", "V", "V", "V", "H", "-", "H", "H"}},
    {"label_title", {"H", "H", "-", "-", "H", "H", "-", "H"}},
    {"label_timer", {"H", "H", "-", "-", "H", "V", "H", "H"}},
    {"but_go_info", {"VD", "VD", "VE", "VE", "H", "H", "H", "H"}},
    {"but_go_prev", {"VD", "VD", "-", "-", "H", "H", "H", "H"}},
    {"but_go_next", {"VD", "VD", "-", "-", "H", "H", "H", "H"}},
    {"but_info_go_hpora", {"H", "H", "-", "H", "H", "H", "-", "H"}},
    {"but_hpora_go_info", {"H", "H", "H", "-", "H", "H", "-", "H"}},
    {"but_test_go", {"H", "H", "H", "H", "V", "H", "-", "H"}},
    // The exam's check and stop buttons appear once its page is loaded.
    {"but_test_examen", {"H", "H", "H", "H", "H", "-", "H", "H"}},
    {"but_no_test", {"-", "H", "-", "-", "H", "-", "H", "H"}},
    {"but_rep_test", {"H", "H", "H", "H", "H", "H", "V", "H"}},
    {"but_find", {"-", "-", "-", "-", "E", "D", "E", "-"}},
    {"but_go_home", {"-", "-", "-", "-", "E", "D", "E", "-"}},
    {"but_info", {"-", "-", "-", "-", "E", "D", "E", "-"}},
    {"but_hpora", {"-", "-", "-", "-", "E", "D", "E", "-"}},
    {"but_examen", {"-", "-", "-", "-", "E", "D", "E", "-"}},
    {"but_diary", {"-", "-", "-", "-", "J", "D", "J", "-"}},
};

// The print mode of each screen (-1: unchanged).
constexpr std::array<int, 8> kPrintModes = {0, 0, 2, 1, 2, -1, 0, 2};

// The context menu: set (S), removed (R); text selection: allowed (A), not (N).
constexpr std::array<char, 8> kMenu = {'S', 'S', '-', '-', 'R', '-', '-', 'S'};
constexpr std::array<char, 8> kSelection = {'A', 'A', '-', '-', '-', 'N', '-', 'N'};

// Controls the tutor logic needs beyond the rows, with their types.
constexpr const char* kButtons[] = {"but_print"};

}  // namespace

TTutorScreen::TTutorScreen(TTutorState& state, QTimer& countdown) : FState(state), FCountdown(countdown) {}

std::vector<std::string> TTutorScreen::Bind(TSkStract& show) {
  std::vector<std::string> missing;
  // Looked up without the interpreter's own report: a missing control is
  // named once, together with the others missing.
  const bool report = show.FReportErrors;
  show.FReportErrors = false;
  auto find = [&](const char* type, const std::string& name) -> QObject* {
    QObject* object = show.GetTyped(type, name);
    if (!object) missing.push_back(name);
    return object;
  };
  FHtml = qobject_cast<TSkHtml*>(find("html", "html"));
  FHtmlMenu = qobject_cast<TSkPopMenu*>(find("pop_menu", "menu_html"));
  FTimerLabel = qobject_cast<TSkLabel*>(find("label", "label_timer"));
  FControls.clear();
  auto bindControl = [&](const std::string& name) {
    if (auto* widget = qobject_cast<QWidget*>(show.GetControl(name))) FControls[name] = widget;
    else if (std::find(missing.begin(), missing.end(), name) == missing.end()) missing.push_back(name);
  };
  for (const TRow& row : kRows) bindControl(row.Name);
  for (const char* name : kButtons) bindControl(name);
  show.FReportErrors = report;
  if (FHtml) FHtml->SetTextSelection(false);
  return missing;
}

TSkHtml* TTutorScreen::Html() const { return FHtml; }
TSkPopMenu* TTutorScreen::HtmlMenu() const { return FHtmlMenu; }
TSkLabel* TTutorScreen::TimerLabel() const { return FTimerLabel; }

QWidget* TTutorScreen::Control(const std::string& name) const {
  const auto found = FControls.find(name);
  return found == FControls.end() ? nullptr : found->second.data();
}

void TTutorScreen::SetVisible(const std::string& name, bool visible) {
  if (QWidget* control = Control(name)) control->setVisible(visible);
}

void TTutorScreen::SetEnabled(const std::string& name, bool enabled) {
  if (QWidget* control = Control(name)) control->setEnabled(enabled);
}

bool TTutorScreen::IsEnabled(const std::string& name) const {
  const QWidget* control = Control(name);
  return control && control->isEnabled();
}

void TTutorScreen::Press(const std::string& name) {
  if (auto* button = qobject_cast<TSkSpeedButton*>(Control(name))) button->SetDown(true);
}

bool TTutorScreen::IsDown(const std::string& name) const {
  const auto* button = qobject_cast<const TSkSpeedButton*>(Control(name));
  return button && button->isChecked();
}

void TTutorScreen::ShowTitle(const std::string& title) {
  auto* label = qobject_cast<TSkLabel*>(Control("label_title"));
  if (!label) return;
  label->SetCaption(title);
  label->show();
}

void TTutorScreen::SetPrintMode(int mode) {
  FState.PrintMode = mode;
  SetEnabled("but_print", mode != 0);
}

bool TTutorScreen::UpdateJournalButton() {
  const bool exists = JournalExists && JournalExists();
  SetEnabled("but_diary", exists);
  return exists;
}

void TTutorScreen::StopCountdown() { FCountdown.stop(); }

void TTutorScreen::ApplyCode(const std::string& name, char code) {
  switch (code) {
    case 'V':
      SetVisible(name, true);
      if (name == "label_timer") FCountdown.start();
      break;
    case 'H':
      SetVisible(name, false);
      // A hidden countdown never runs on behind another screen.
      if (name == "label_timer") FCountdown.stop();
      if (name == "label_title")
        if (auto* label = qobject_cast<TSkLabel*>(Control(name))) label->SetCaption(std::string());
      break;
    case 'E': SetEnabled(name, true); break;
    case 'D': SetEnabled(name, false); break;
    case 'J': UpdateJournalButton(); break;
    default: break;
  }
}

void TTutorScreen::Apply(TScreen screen) {
  if (OnApply) OnApply(screen);
  const auto column = static_cast<std::size_t>(screen);
  for (const TRow& row : kRows)
    for (const char* code = row.Cells[column]; *code; ++code) ApplyCode(row.Name, *code);
  if (kPrintModes[column] >= 0) SetPrintMode(kPrintModes[column]);
  if (!FHtml) return;
  if (kMenu[column] != '-') FHtml->SetContextMenu(kMenu[column] == 'S' ? FHtmlMenu.data() : nullptr);
  if (kSelection[column] != '-') FHtml->SetTextSelection(kSelection[column] == 'A');
}

}  // namespace kv
