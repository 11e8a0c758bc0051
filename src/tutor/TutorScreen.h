// The tutor screen's named controls and the states the screen takes: which
// buttons are shown, hidden, enabled or pressed on the lists, the topic pages,
// the test start page, a running and a checked exam and the journal.
#pragma once

#include <QPointer>
#include <functional>
#include <map>
#include <string>
#include <vector>

class QTimer;
class QWidget;

namespace kv {

class TSkHtml;
class TSkLabel;
class TSkPopMenu;
class TSkStract;
struct TTutorState;

enum class TScreen { InfoList, HporaList, InfoPage, HporaPage, TestStart, ExamRunning, ExamChecked, Journal };

class TTutorScreen {
 public:
  TTutorScreen(TTutorState& state, QTimer& countdown);

  // Looks the controls up once in the tutor screen's interpreter and returns
  // the names it lacks; the screen works on with the ones it has.
  std::vector<std::string> Bind(TSkStract& show);

  // The settings of one screen; controls the screen leaves alone stay as they are.
  void Apply(TScreen screen);

  void SetVisible(const std::string& name, bool visible);
  void SetEnabled(const std::string& name, bool enabled);
  bool IsEnabled(const std::string& name) const;
  // Presses a mode button (its group releases the others).
  void Press(const std::string& name);
  bool IsDown(const std::string& name) const;
  void ShowTitle(const std::string& title);
  // Sets the print mode; the print button is enabled exactly when it is not 0.
  void SetPrintMode(int mode);
  // Enables the journal button exactly when the journal file exists; returns that.
  bool UpdateJournalButton();
  void StopCountdown();

  TSkHtml* Html() const;
  TSkPopMenu* HtmlMenu() const;
  TSkLabel* TimerLabel() const;

  // Whether the pupil's journal file exists (set by the owner).
  std::function<bool()> JournalExists;
  // Told of every screen set up, before its settings are made.
  std::function<void(TScreen)> OnApply;

 private:
  QWidget* Control(const std::string& name) const;
  void ApplyCode(const std::string& name, char code);

  TTutorState& FState;
  QTimer& FCountdown;
  std::map<std::string, QPointer<QWidget>> FControls;
  QPointer<TSkHtml> FHtml;
  QPointer<TSkPopMenu> FHtmlMenu;
  QPointer<TSkLabel> FTimerLabel;
};

}  // namespace kv
