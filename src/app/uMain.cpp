#include "uMain.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "pack/gPack.h"
#include "platform/TextCodec.h"
#include "util/Cp1251.h"
#include "util/Errors.h"
#include "util/Messages.h"
#include "util/uUtils.h"

namespace kv {

TfrmMain::TfrmMain(QWidget* parent) : QWidget(parent) {
  setWindowTitle(ToQString(Utf8ToCp1251("Кварнель")));
  resize(688, 453);
  FNotebook = new QStackedWidget(this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(FNotebook);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  FormCreate();
}

TfrmMain::~TfrmMain() { FormDestroy(); }

void TfrmMain::FormCreate() {
  // An error ends the sequence at its step; the user sees it and the player
  // goes on with what was built so far.
  try {
    OpenPack(ProgramFolder() + "interface.dat");
  } catch (const EError& error) {
    ShowMessage(error.what());
  }
}

void TfrmMain::FormActivate() {
  if (FActivated) return;
  FActivated = true;
  move(x(), y() - 11);
}

void TfrmMain::FormDestroy() { ClosePack(); }

bool TfrmMain::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) FormActivate();
  return QWidget::event(event);
}

}  // namespace kv
