#include "uMain.h"

#include <QEvent>
#include <QLineEdit>

#include "interpreter/skUseStract.h"
#include "pack/gPack.h"
#include "platform/TextCodec.h"
#include "util/Cp1251.h"
#include "util/Errors.h"
#include "util/Messages.h"
#include "util/uUtils.h"

namespace kv {

TfrmMain::TfrmMain(QWidget* parent) : TSkForm(parent) {
  SetCaption(ToQString(Utf8ToCp1251("Кварнель")));
  resize(688, 453);
  FormCreate();
}

TfrmMain::~TfrmMain() { FormDestroy(); }

std::unique_ptr<TSkStract> TfrmMain::BuildDescription(const char* fileName) {
  auto stract = std::make_unique<TSkStract>(this, fileName);
  stract->Build();
  // Set after the build: a command a description runs at the end of its own
  // build reaches only the interpreter's built-in commands.
  stract->OnAppCommand = [this](RHelpAction& action) { OnAppCommand(action); };
  return stract;
}

void TfrmMain::FormCreate() {
  // An error ends the sequence at its step; the user sees it and the player
  // goes on with what was built so far.
  try {
    OpenPack(ProgramFolder() + "interface.dat");
    FFocusEdit = new QLineEdit(this);
    FFocusEdit->hide();
    FOptions = LoadOptions();
    FStractMain = BuildDescription("struct_main.txt");
    FStractOther = BuildDescription("struct_other.txt");
    FStractShow = BuildDescription("struct_show.txt");
    FStractMain->ActivatePage();
  } catch (const EError& error) {
    ShowMessage(error.what());
  }
}

void TfrmMain::OnAppCommand(RHelpAction& action) {
  const TSkCommand parsed(action.Text);
  if (parsed.Count() == 0) return;
  const std::string& name = parsed.Commands(0).Name;
  // Every window resize ends here; the tutor screen's page view repaints by itself.
  if (name == "resize_form") return;
  ShowMessage(name);
}

void TfrmMain::FormActivate() {
  if (FActivated) return;
  FActivated = true;
  move(x(), y() - 11);
}

void TfrmMain::FormDestroy() {
  FStractShow.reset();
  FStractMain.reset();
  FStractOther.reset();
  ClosePack();
}

bool TfrmMain::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) FormActivate();
  return TSkForm::event(event);
}

}  // namespace kv
