#include "uMain.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QTimer>

#include "interpreter/skUseStract.h"
#include "pack/gPack.h"
#include "platform/TextCodec.h"
#include "tutor/Exam.h"
#include "tutor/Journal.h"
#include "tutor/Textbook.h"
#include "tutor/TutorScreen.h"
#include "tutor/TutorWindows.h"
#include "util/Cp1251.h"
#include "util/Errors.h"
#include "util/Messages.h"
#include "util/skUtils.h"
#include "util/uUtils.h"
#include "viewers/skHTML.h"

namespace kv {
namespace {

// The commands that step through the topic pages.
bool IsTopicStep(const std::string& name) {
  return name == "go_back" || name == "go_to_hpora" || name == "go_to_info" || name == "go_next" || name == "go_prev";
}

}  // namespace

TfrmMain::TfrmMain(QWidget* parent) : TSkForm(parent), FTimer(new QTimer(this)) {
  SetCaption(ToQString(Utf8ToCp1251("Кварнель")));
  resize(688, 453);
  FTimer->setObjectName("Timer");
  FTimer->setInterval(1000);
  FScreen = std::make_unique<TTutorScreen>(FState, *FTimer);
  FTextbook = std::make_unique<TTextbook>(*FScreen, FState, FOptions.Date, [this] { ShowTutorWindow(); });
  FJournal = std::make_unique<TJournal>(*FScreen, FOptions.Date);
  FScreen->JournalExists = [this] { return FJournal->Exists(); };
  FExam = std::make_unique<TExam>(
      *FScreen, FState, FOptions, *FJournal, *FTimer, [this]() -> TfrmProgress& { return ProgressWindow(); },
      [this] {
        // Pulls the keyboard focus out of the page.
        FFocusEdit->show();
        FFocusEdit->setFocus();
        FFocusEdit->hide();
      });
  // Any screen but the exam's own gives the running exam up.
  FScreen->OnApply = [this](TScreen screen) {
    if (screen != TScreen::ExamRunning && screen != TScreen::ExamChecked) FExam->Leave();
  };
  connect(FTimer, &QTimer::timeout, this, [this] { TSkStract::Guarded([this] { FExam->TimerTimer(); }); });
  FormCreate();
}

TfrmMain::~TfrmMain() { FormDestroy(); }

std::unique_ptr<TSkStract> TfrmMain::BuildDescription(const char* fileName) {
  auto stract = std::make_unique<TSkStract>(this, fileName);
  stract->Build();
  // Set after the build: a command a description runs at the end of its own
  // build reaches only the interpreter's built-in commands.
  stract->OnAppCommand = [this](RHelpAction& action) { HandleAppCommand(action); };
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
    BindTutorScreen();
    FStractMain->ActivatePage();
    FScreen->UpdateJournalButton();
    FScreen->SetEnabled("but_print", false);
    FStractShow->CloseSplash();
  } catch (const EError& error) {
    ShowMessage(error.what());
  }
}

void TfrmMain::BindTutorScreen() {
  const std::vector<std::string> missing = FScreen->Bind(*FStractShow);
  if (TSkHtml* html = FScreen->Html())
    connect(html, &THtmlEx::Progress, this, [this](int percent) { OnHtmlProgress(percent); });
  // A description that is missing altogether has been reported by its interpreter.
  if (missing.empty() || FStractShow->Objects().empty()) return;
  std::string names;
  for (const std::string& name : missing) names += (names.empty() ? "" : ", ") + name;
  ShowMessage(Utf8ToCp1251("В описании struct_show.txt нет объектов, нужных учебнику: ") + names +
              Utf8ToCp1251(". То, что с ними связано, работать не будет."));
}

void TfrmMain::ShowPageOf(TSkStract* stract) {
  if (stract) stract->ActivatePage();
}

void TfrmMain::ShowTutorWindow() { ShowPageOf(FStractShow.get()); }

void TfrmMain::ShowTestStart() {
  FScreen->Apply(TScreen::TestStart);
  if (TSkHtml* html = FScreen->Html()) html->LoadPage(FOptions.Date.BeforeTest);
}

TfrmProgress& TfrmMain::ProgressWindow() {
  if (!FProgress) FProgress = std::make_unique<TfrmProgress>(this);
  return *FProgress;
}

void TfrmMain::OnHtmlProgress(int percent) {
  if (!FProgress) return;
  FProgress->SetProgress(percent);
  QCoreApplication::processEvents();
}

void TfrmMain::HandleAppCommand(RHelpAction& action) {
  const TSkCommand parsed(action.Text);
  if (parsed.Count() == 0) return;
  const RCommand& command = parsed.Commands(0);
  if (!RunCommand(command.Name, CommandArgument(command.Args, 0))) ShowMessage(command.Name);
}

bool TfrmMain::RunCommand(const std::string& name, const std::string& argument) {
  TTextbook& book = *FTextbook;
  if (name == "resize_form") {
    if (TSkHtml* html = FScreen->Html()) html->repaint();
  } else if (name == "go_info") {
    book.ShowInfoList();
  } else if (name == "play_other") {
    ShowDemoWindow(this, argument);
  } else if (name == "go_examen" || name == "test_rep") {
    FExam->StartExam();
  } else if (name == "go_hpora") {
    book.ShowHporaList();
  } else if ((name == "goto" && argument == "1") || name == "show_teor") {
    ShowTutorWindow();
    FScreen->Press("but_info");
    book.ShowInfoList();
  } else if ((name == "goto" && argument == "2") || name == "show_test") {
    ShowTutorWindow();
    FScreen->Press("but_examen");
    ShowTestStart();
  } else if ((name == "goto" && argument == "3") || name == "show_hpora") {
    ShowTutorWindow();
    FScreen->Press("but_hpora");
    book.ShowHporaList();
  } else if (name == "goto" && argument == "4") {
    ShowPageOf(FStractOther.get());
  } else if (name == "clear_diary") {
    FJournal->Clear();
  } else if (name == "read") {
    ShowReadWindow(this, argument);
  } else if (name == "go_diary") {
    FJournal->Show();
  } else if (name == "test_examen") {
    FExam->CheckExam();
  } else if (IsTopicStep(name)) {
    // Their buttons are hidden while an exam runs; keys that send them do nothing then.
    if (FExam->Running()) return true;
    if (name == "go_back") book.GoBack();
    else if (name == "go_to_hpora") book.SwitchToHpora();
    else if (name == "go_to_info") book.SwitchToInfo();
    else if (name == "go_next") book.GoNextTopic();
    else book.GoPrevTopic();
  } else if (name == "info") {
    book.ShowInfoPage(argument);
  } else if (name == "hpora") {
    book.ShowHporaPage(argument);
  } else if (name == "test_go") {
    ShowTestStart();
  } else if (name == "show_main") {
    ShowPageOf(FStractMain.get());
  } else if (name == "go_to_find") {
    // Searching is refused while its button is disabled (during an exam). The
    // search window is not part of the player yet: the command is unknown otherwise.
    return !FScreen->IsEnabled("but_find");
  } else if (name == "print") {
    // Nothing to print in mode 0; printing itself is not part of the player yet.
    return FState.PrintMode == 0;
  } else {
    return false;
  }
  return true;
}

void TfrmMain::FormActivate() {
  if (FActivated) return;
  FActivated = true;
  move(x(), y() - 11);
}

void TfrmMain::FormDestroy() {
  FProgress.reset();
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
