// The exam: drawn from the course's tests onto one page with a countdown,
// then checked on its report page, which shows the pupil's answers with the
// right and wrong ones coloured, gives a mark and adds a row to the journal.
#pragma once

#include <functional>
#include <string>

#include "ExamGenerator.h"
#include "ListControl.h"

class QTimer;
class QWidget;

namespace kv {

class TTutorScreen;
class TJournal;
class TfrmProgress;
struct TTutorState;
struct TOptions;

class TExam {
 public:
  TExam(TTutorScreen& screen, TTutorState& state, const TOptions& options, TJournal& journal, QTimer& countdown,
        std::function<TfrmProgress&()> progressWindow, std::function<void()> takeFocus);

  // Draws and shows a new exam and starts the countdown.
  void StartExam();
  // Checks the exam on display; does nothing when no exam is running.
  void CheckExam();
  // One second of the countdown; at zero the exam is checked.
  void TimerTimer();
  // Another screen was chosen: the exam on display is given up.
  void Leave();

  bool Running() const { return FRunning; }
  const TArrayStr& TestParts() const { return FTestParts; }
  const TArrayStr& ReportParts() const { return FReportParts; }

 private:
  void Generate();
  // The folder the exam's pages take their links and pictures in.
  std::string PageFolder() const;

  TTutorScreen& FScreen;
  TTutorState& FState;
  const TOptions& FOptions;
  TJournal& FJournal;
  QTimer& FCountdown;
  std::function<TfrmProgress&()> FProgressWindow;
  std::function<void()> FTakeFocus;
  TArrayStr FTestParts;
  TArrayStr FReportParts;
  TListControl FList;
  bool FRunning = false;
  bool FProgressMade = false;
};

}  // namespace kv
