// The tutor's small windows: the reading window (one page), the demo window
// (one movie) and the progress window shown while an exam is made or checked.
#pragma once

#include <memory>
#include <string>

#include "app/skForm.h"

namespace kv {

class TSkProgressBar;
class TSkStract;

// Opens "struct_read.txt" as a modal window owned by `owner` with `file` in
// its view "html"; returns when the pupil closes it.
void ShowReadWindow(QWidget* owner, const std::string& file);
// Opens "struct_demo.txt" as a modal window with the movie `file` in its player "flash_show".
void ShowDemoWindow(QWidget* owner, const std::string& file);

class TfrmProgress : public TSkForm {
  Q_OBJECT

 public:
  explicit TfrmProgress(QWidget* parent);
  ~TfrmProgress() override;

  // Puts the bar "progress" at a percentage (0 to 100).
  void SetProgress(int percent);
  int Progress() const;

 protected:
  // The window comes back with every exam, so it is never closed: it is
  // hidden when the work it shows is done.
  void closeEvent(QCloseEvent* event) override;

 private:
  std::unique_ptr<TSkStract> FStract;
  TSkProgressBar* FBar = nullptr;
};

}  // namespace kv
