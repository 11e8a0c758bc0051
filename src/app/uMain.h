// The main window: opens the course's pack and carries the textbook's pages.
#pragma once

#include <QWidget>

class QStackedWidget;

namespace kv {

class TfrmMain : public QWidget {
  Q_OBJECT

 public:
  explicit TfrmMain(QWidget* parent = nullptr);
  ~TfrmMain() override;

  // The page book the interface descriptions fill, one page each.
  QStackedWidget* Notebook() const { return FNotebook; }

 protected:
  bool event(QEvent* event) override;

 private:
  void FormCreate();
  void FormActivate();
  void FormDestroy();

  QStackedWidget* FNotebook = nullptr;
  bool FActivated = false;
};

}  // namespace kv
