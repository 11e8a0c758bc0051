// The base of every window: a top-level widget whose frame is ours (no frame
// at all, or a caption strip with the border buttons), a hot-key table looked
// up before any control sees a key, closing by Escape, Ctrl+Alt+Q to restart,
// dragging by the surface, context help and a show effect. Interpreters fill it.
#pragma once

#include <QFont>
#include <QMenu>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "interpreter/skCommand.h"
#include "interpreter/skHotKey.h"

class QEventLoop;
class QStackedWidget;

namespace kv {

class TCaptionStrip;

class TSkForm : public QWidget {
  Q_OBJECT

 public:
  explicit TSkForm(QWidget* parent = nullptr);
  ~TSkForm() override;

  void SetContextHelp(bool on);
  void SetSizeable(bool on);
  void SetDialog(bool on);
  // hide_caption: true gives a window without border or caption strip.
  void SetHideCaption(bool on);
  void SetCaption(const QString& caption);
  void SetMinimumFrameSize(int width, int height);
  bool IsMaximised() const;
  // The maximise button's action: maximise or restore.
  void ToggleMaximise();

  // The page book of the interpreters, created by the first build.
  QStackedWidget* Notebook() const { return FNotebook; }
  QStackedWidget* EnsureNotebook();
  // Lays the window out at its current size now, also while it is hidden,
  // so that the page book's pages have their real size.
  void LayOutNow();
  // The area below the caption strip that holds the page book.
  QWidget* ClientArea() const { return FClient; }

  // The menu the caption strip offers on a right click (none: the form's own, empty).
  void SetSystemMenu(QMenu* menu) { FSystemMenu = menu; }
  QMenu* SystemMenu() const { return FSystemMenu; }

  // Lets presses on `widget` drag the window while FDragAnywhere is on.
  void ConnectDrag(QWidget* widget);

  // What the form does with a key press: hot keys, Escape, Ctrl+Alt+Q.
  // True when the key was used.
  bool HandleKey(int qtKey, Qt::KeyboardModifiers modifiers);
  // Context help: runs the help command with the mouse position.
  void RunHelp(const QPoint& screenPosition);

  std::string FShowEffect;
  bool FEscClose = false;
  bool FDragAnywhere = false;
  std::string FStructFile;
  std::string FStartCommand;
  bool FContextHelp = false;
  bool FSizeable = true;
  QFont FMessageFont;
  std::string FMaximisedButtons;
  std::string FNormalButtons;
  TSkHotKey FHotKeys;
  QColor FPageColor;  // invalid: none
  std::string FHelpCommand;

  std::function<void(RHelpAction&)> OnAction;
  std::function<void(int width, int height)> OnResizeForm;
  // The frame's maximise button was used; the argument tells whether the
  // window is maximised at that moment (before the change).
  std::function<void(bool maximised)> OnMaximise;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void StartDrag();

  QWidget* FClient = nullptr;
  QStackedWidget* FNotebook = nullptr;
  TCaptionStrip* FStrip = nullptr;
  QPointer<QMenu> FSystemMenu;
  bool FHideCaption = true;
  bool FResizePending = false;
  bool FShownOnce = false;
};

// The plain window that "form_show" fills from a description.
class TfrmFORM : public TSkForm {
  Q_OBJECT
 public:
  explicit TfrmFORM(QWidget* parent = nullptr);
  // Shows the window modally and returns its modal result when it closes.
  int ShowModal();
  void CloseWithResult(int result);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QEventLoop* FLoop = nullptr;
  int FModalResult = 0;
};

}  // namespace kv
