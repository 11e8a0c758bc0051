#include "skForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QProcess>
#include <QPropertyAnimation>
#include <QScreen>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

#include "platform/KeyCodes.h"

namespace kv {

// The caption strip of a window that shows its caption: title and border buttons.
class TCaptionStrip : public QWidget {
 public:
  explicit TCaptionStrip(TSkForm* form) : QWidget(form), FForm(form) {
    setObjectName("caption_strip");
    setAttribute(Qt::WA_StyledBackground);
    setFixedHeight(28);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 0, 2, 0);
    layout->setSpacing(2);
    FTitle = new QLabel(this);
    FTitle->setObjectName("caption_title");
    layout->addWidget(FTitle, 1);
    FHelp = AddButton(layout, "?", "caption_help", [this] { FForm->RunHelp(QCursor::pos()); });
    FMinimise = AddButton(layout, QString::fromUtf8("–"), "caption_minimise", [this] { FForm->showMinimized(); });
    FMaximise = AddButton(layout, QString::fromUtf8("□"), "caption_maximise", [this] { FForm->ToggleMaximise(); });
    AddButton(layout, QString::fromUtf8("✕"), "caption_close", [this] { FForm->close(); });
    FHelp->hide();
  }

  void SetTitle(const QString& title) { FTitle->setText(title); }
  QToolButton* FHelp;
  QToolButton* FMinimise;
  QToolButton* FMaximise;

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && !FForm->IsMaximised() && FForm->windowHandle())
      FForm->windowHandle()->startSystemMove();
  }
  void contextMenuEvent(QContextMenuEvent* event) override {
    if (QMenu* menu = FForm->SystemMenu()) menu->popup(event->globalPos());
  }
  void mouseDoubleClickEvent(QMouseEvent*) override {
    if (FMaximise->isVisible()) FForm->ToggleMaximise();
  }

 private:
  template <typename F>
  QToolButton* AddButton(QHBoxLayout* layout, const QString& text, const char* name, F onClick) {
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setText(text);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(26, 22);
    connect(button, &QToolButton::clicked, this, onClick);
    layout->addWidget(button);
    return button;
  }

  TSkForm* FForm;
  QLabel* FTitle;
};

TSkForm::TSkForm(QWidget* parent) : QWidget(parent, Qt::Window) {
  setWindowFlag(Qt::FramelessWindowHint, true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  FStrip = new TCaptionStrip(this);
  FStrip->hide();
  layout->addWidget(FStrip);
  FClient = new QWidget(this);
  FClient->setObjectName("client_area");
  layout->addWidget(FClient, 1);
  auto* clientLayout = new QVBoxLayout(FClient);
  clientLayout->setContentsMargins(0, 0, 0, 0);
  qApp->installEventFilter(this);
  ConnectDrag(FClient);
}

TSkForm::~TSkForm() { qApp->removeEventFilter(this); }

QStackedWidget* TSkForm::EnsureNotebook() {
  if (FNotebook) return FNotebook;
  FNotebook = new QStackedWidget(FClient);
  FNotebook->setObjectName("notebook");
  FClient->layout()->addWidget(FNotebook);
  return FNotebook;
}

void TSkForm::SetContextHelp(bool on) {
  FContextHelp = on;
  FStrip->FHelp->setVisible(on);
}

void TSkForm::SetSizeable(bool on) {
  FSizeable = on;
  FStrip->FMaximise->setVisible(on);
}

void TSkForm::SetDialog(bool on) {
  FSizeable = !on;
  FStrip->FMinimise->setVisible(!on);
  FStrip->FMaximise->setVisible(!on);
  FEscClose = on;
}

void TSkForm::SetHideCaption(bool on) {
  FHideCaption = on;
  FStrip->setVisible(!on);
}

void TSkForm::SetCaption(const QString& caption) {
  setWindowTitle(caption);
  FStrip->SetTitle(caption);
}

void TSkForm::SetMinimumFrameSize(int width, int height) { setMinimumSize(std::max(0, width), std::max(0, height)); }

bool TSkForm::IsMaximised() const { return windowState() & Qt::WindowMaximized; }

void TSkForm::ToggleMaximise() {
  if (!FSizeable) return;
  const bool maximised = IsMaximised();
  if (OnMaximise) OnMaximise(maximised);
  if (maximised) showNormal();
  else showMaximized();
}

void TSkForm::ConnectDrag(QWidget* widget) {
  // The application-wide filter sees the presses; the mark says which widgets drag.
  if (widget) widget->setProperty("kvDrag", true);
}

void TSkForm::StartDrag() {
  if (!FDragAnywhere || IsMaximised() || !windowHandle()) return;
  windowHandle()->startSystemMove();
}

bool TSkForm::HandleKey(int qtKey, Qt::KeyboardModifiers modifiers) {
  const TShortCut shortCut = ShortCutOf(qtKey, modifiers);
  const int page = FNotebook ? FNotebook->currentIndex() : -1;
  if (const auto command = FHotKeys.Lookup(shortCut, page); command && OnAction) {
    RHelpAction action{*command, 0, 0, 0};
    OnAction(action);
    if (qtKey != Qt::Key_Escape || !FEscClose) return true;
  }
  if (qtKey == Qt::Key_Escape && FEscClose) {
    close();
    return true;
  }
  const auto mods = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
  if (qtKey == Qt::Key_Q && mods == (Qt::ControlModifier | Qt::AltModifier)) {
    // Ctrl+Alt+Q restarts the player with the arguments it was started with.
    QProcess::startDetached(QApplication::applicationFilePath(), QApplication::arguments().mid(1));
    QApplication::exit(0);
    return true;
  }
  return false;
}

bool TSkForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this) return false;
    // A key event travels up from the focus widget to its parents; take it
    // once, where it starts.
    // (The window's own focus widget: the one keys go to while it is active.)
    const QWidget* focus = focusWidget();
    const bool start = focus ? widget == focus : widget == this;
    if (!start) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    return HandleKey(key->key(), key->modifiers());
  }
  if (event->type() == QEvent::MouseButtonPress && watched != this) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this) return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    // Only the widgets that were connected drag the window.
    if (mouse->button() == Qt::LeftButton && widget->property("kvDrag").toBool()) StartDrag();
  }
  return false;
}

void TSkForm::LayOutNow() {
  layout()->activate();
  FClient->layout()->activate();
  if (FNotebook) FNotebook->layout()->activate();
}

void TSkForm::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // The handler runs once the layouts below have settled on the new size
  // (percentages are taken of the parents' new sizes), once per burst of resizes.
  if (FResizePending) return;
  FResizePending = true;
  QTimer::singleShot(0, this, [this] {
    FResizePending = false;
    if (OnResizeForm) OnResizeForm(FClient->width(), FClient->height());
  });
}

void TSkForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Centred on the screen when first shown, at the size its description gave it.
  if (!FShownOnce && !IsMaximised())
    if (const QScreen* screen = QGuiApplication::primaryScreen())
      move(screen->availableGeometry().center() - rect().center());
  FShownOnce = true;
  if (FShowEffect.empty()) return;
  auto* fade = new QPropertyAnimation(this, "windowOpacity", this);
  fade->setDuration(500);
  fade->setStartValue(0.0);
  fade->setEndValue(1.0);
  fade->start(QAbstractAnimation::DeleteWhenStopped);
}

void TSkForm::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange)
    FStrip->FMaximise->setText(IsMaximised() ? QString::fromUtf8("❐") : QString::fromUtf8("□"));
}

void TSkForm::RunHelp(const QPoint& screenPosition) {
  if (!FContextHelp || !OnAction) return;
  RHelpAction action{FHelpCommand, 0, screenPosition.x(), screenPosition.y()};
  QApplication::processEvents();
  OnAction(action);
}

TfrmFORM::TfrmFORM(QWidget* parent) : TSkForm(parent) { resize(783, 540); }

int TfrmFORM::ShowModal() {
  setWindowModality(Qt::ApplicationModal);
  show();
  QEventLoop loop;
  FLoop = &loop;
  loop.exec();
  FLoop = nullptr;
  return FModalResult;
}

void TfrmFORM::CloseWithResult(int result) {
  FModalResult = result;
  close();
}

void TfrmFORM::closeEvent(QCloseEvent* event) {
  TSkForm::closeEvent(event);
  if (FLoop) FLoop->quit();
}

}  // namespace kv
