// The main window: opens the course's pack, builds the three descriptions of
// the textbook (start screen, second screen, tutor screen) on its page book
// and receives every command their interpreters do not know.
#pragma once

#include <memory>

#include "skForm.h"
#include "tutor/Options.h"

class QLineEdit;

namespace kv {

class TSkStract;

class TfrmMain : public TSkForm {
  Q_OBJECT

 public:
  explicit TfrmMain(QWidget* parent = nullptr);
  ~TfrmMain() override;

  TSkStract* StractMain() const { return FStractMain.get(); }
  TSkStract* StractOther() const { return FStractOther.get(); }
  TSkStract* StractShow() const { return FStractShow.get(); }

  const TOptions& Options() const { return FOptions; }

  // The application handler of the three interpreters.
  void OnAppCommand(RHelpAction& action);

 protected:
  bool event(QEvent* event) override;

 private:
  void FormCreate();
  void FormActivate();
  void FormDestroy();
  std::unique_ptr<TSkStract> BuildDescription(const char* fileName);

  std::unique_ptr<TSkStract> FStractMain;
  std::unique_ptr<TSkStract> FStractOther;
  std::unique_ptr<TSkStract> FStractShow;
  QLineEdit* FFocusEdit = nullptr;
  TOptions FOptions;
  bool FActivated = false;
};

}  // namespace kv
