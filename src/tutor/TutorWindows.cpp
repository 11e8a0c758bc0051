#include "TutorWindows.h"

#include <QCloseEvent>

#include "controls/skFlash.h"
#include "controls/skLabels.h"
#include "interpreter/skUseStract.h"
#include "util/Errors.h"
#include "util/Messages.h"
#include "viewers/skHTML.h"

namespace kv {
namespace {

// Builds a description on a new modal window, lets `fill` put the content in
// and shows it; the window and its interpreter go when it closes.
template <typename Fill>
void ShowModalWindow(QWidget* owner, const char* description, Fill&& fill) {
  const std::unique_ptr<TfrmFORM> window = std::make_unique<TfrmFORM>(owner);
  auto* interpreter = new TSkStract(window.get(), description);
  interpreter->Build();
  interpreter->ActivatePage();
  // A missing page or movie is reported; the window still opens.
  TSkStract::Guarded([&] { fill(*interpreter); });
  window->ShowModal();
}

}  // namespace

void ShowReadWindow(QWidget* owner, const std::string& file) {
  ShowModalWindow(owner, "struct_read.txt", [&](TSkStract& interpreter) {
    if (TSkHtml* html = interpreter.GetHtml("html")) html->LoadPage(file);
  });
}

void ShowDemoWindow(QWidget* owner, const std::string& file) {
  ShowModalWindow(owner, "struct_demo.txt", [&](TSkStract& interpreter) {
    if (TSkFlash* flash = interpreter.GetFlash("flash_show")) flash->LoadMovie(file);
  });
}

TfrmProgress::TfrmProgress(QWidget* parent) : TSkForm(parent) {
  setWindowFlag(Qt::WindowStaysOnTopHint);
  FStract = std::make_unique<TSkStract>(this, "struct_progress.txt");
  FStract->Build();
  // The window runs no commands of the tutor: whatever its description sends is ignored.
  FStract->OnAppCommand = [](RHelpAction&) {};
  FStract->ActivatePage();
  FBar = FStract->GetProgressBar("progress");
}

TfrmProgress::~TfrmProgress() = default;

void TfrmProgress::SetProgress(int percent) {
  if (FBar) FBar->setValue(percent);
}

int TfrmProgress::Progress() const { return FBar ? FBar->value() : 0; }

void TfrmProgress::closeEvent(QCloseEvent* event) { event->ignore(); }

}  // namespace kv
