// The main window: opens the course's pack, builds the three descriptions of
// the textbook (start screen, second screen, tutor screen) on its page book
// and receives every command their interpreters do not know.
#pragma once

#include <memory>
#include <string>

#include "skForm.h"
#include "tutor/Options.h"
#include "tutor/TutorState.h"

class QLineEdit;
class QTimer;

namespace kv {

class TSkStract;
class TTutorScreen;
class TTextbook;
class TJournal;
class TExam;
class TfrmProgress;

class TfrmMain : public TSkForm {
  Q_OBJECT

 public:
  explicit TfrmMain(QWidget* parent = nullptr);
  ~TfrmMain() override;

  TSkStract* StractMain() const { return FStractMain.get(); }
  TSkStract* StractOther() const { return FStractOther.get(); }
  TSkStract* StractShow() const { return FStractShow.get(); }

  const TOptions& Options() const { return FOptions; }
  const TTutorState& State() const { return FState; }
  TTutorScreen& Screen() const { return *FScreen; }
  TTextbook& Textbook() const { return *FTextbook; }
  TJournal& Journal() const { return *FJournal; }
  TExam& Exam() const { return *FExam; }
  // The exam countdown's one-second timer.
  QTimer& Timer() const { return *FTimer; }

  // The application handler of the three interpreters.
  void HandleAppCommand(RHelpAction& action);

  // The page shown before an exam.
  void ShowTestStart();
  // The progress window of making and checking exams, made on first use.
  TfrmProgress& ProgressWindow();

 protected:
  bool event(QEvent* event) override;

 private:
  void FormCreate();
  void FormActivate();
  void FormDestroy();
  std::unique_ptr<TSkStract> BuildDescription(const char* fileName);
  void BindTutorScreen();
  void ShowTutorWindow();
  void ShowPageOf(TSkStract* stract);
  void OnHtmlProgress(int percent);
  // Runs the row of the command table that matches; false when none does.
  bool RunCommand(const std::string& name, const std::string& argument);

  std::unique_ptr<TSkStract> FStractMain;
  std::unique_ptr<TSkStract> FStractOther;
  std::unique_ptr<TSkStract> FStractShow;
  QLineEdit* FFocusEdit = nullptr;
  QTimer* FTimer;
  TOptions FOptions;
  TTutorState FState;
  std::unique_ptr<TTutorScreen> FScreen;
  std::unique_ptr<TTextbook> FTextbook;
  std::unique_ptr<TJournal> FJournal;
  std::unique_ptr<TExam> FExam;
  std::unique_ptr<TfrmProgress> FProgress;
  bool FActivated = false;
};

}  // namespace kv
