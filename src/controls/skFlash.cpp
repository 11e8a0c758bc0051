#include "skFlash.h"

#include <algorithm>

#include <QLabel>
#include <QMovie>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/SystemServices.h"
#include "platform/TextCodec.h"
#include "skLabels.h"
#include "util/Cp1251.h"
#include "util/DiskFile.h"
#include "util/Messages.h"
#include "util/uUtils.h"

namespace kv {

TSkFlash::TSkFlash(QWidget* parent) : QWidget(parent), FTimer(new QTimer(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  FScreen = new QLabel(this);
  FScreen->setObjectName("flash_screen");
  FScreen->setAlignment(Qt::AlignCenter);
  layout->addWidget(FScreen);

  FNotice = new QWidget(this);
  FNotice->setObjectName("flash_notice");
  auto* noticeLayout = new QVBoxLayout(FNotice);
  noticeLayout->addStretch();
  FNoticeText = new QLabel(FNotice);
  FNoticeText->setAlignment(Qt::AlignCenter);
  FNoticeText->setWordWrap(true);
  FNoticeText->setContentsMargins(24, 0, 24, 8);
  QFont noticeFont = FNoticeText->font();
  noticeFont.setPointSizeF(noticeFont.pointSizeF() * 1.2);
  FNoticeText->setFont(noticeFont);
  noticeLayout->addWidget(FNoticeText);
  FExternal = new QPushButton(ToQString(Utf8ToCp1251("Открыть в проигрывателе")), FNotice);
  FExternal->setObjectName("flash_external");
  // Drawn like the player's other buttons.
  FExternal->setProperty("theme", "default");
  FExternal->setMinimumHeight(32);
  noticeLayout->addWidget(FExternal, 0, Qt::AlignCenter);
  noticeLayout->addStretch();
  layout->addWidget(FNotice);
  ShowNotice(false);
  connect(FExternal, &QPushButton::clicked, this, [this] {
    if (!FMoviePath.empty()) ShellOpen(FMoviePath, std::string(), "open");
  });

  FTimer->setInterval(500);
  connect(FTimer, &QTimer::timeout, this, &TSkFlash::Tick);
}

TSkFlash::~TSkFlash() = default;

void TSkFlash::ShowNotice(bool on) {
  FNotice->setVisible(on);
  FScreen->setVisible(!on);
}

void TSkFlash::LoadMovie(const std::string& fileName) {
  if (fileName.empty()) return;
  // Relative names are taken in the course's folder, where the player was started on Windows.
  const std::optional<std::string> disk = FindDiskFile(ProgramPath(fileName));
  if (!disk) {
    ShowMessage(Utf8ToCp1251("Не найден файл ") + fileName);
    return;
  }
  FFileName = fileName;
  FMoviePath = *disk;
  delete FMovie;
  FMovie = new QMovie(QString::fromStdString(*disk), QByteArray(), this);
  if (FMovie->isValid() && FMovie->frameCount() != 1) {
    FScreen->setMovie(FMovie);
    connect(FMovie, &QMovie::finished, this, [this] {
      if (FLoop) FMovie->start();
    });
    ShowNotice(false);
  } else {
    // Not an animation Qt can play (a Flash movie): say so and offer the desktop's player.
    delete FMovie;
    FMovie = nullptr;
    FScreen->clear();
    FNoticeText->setText(ToQString(Utf8ToCp1251("Ролик «") + fileName.substr(fileName.find_last_of("\\/") + 1) +
                                   Utf8ToCp1251("» нельзя показать в этом окне: проигрыватель Flash "
                                                "на этом компьютере не установлен.")));
    ShowNotice(true);
  }
  if (FTrackBar) {
    FTrackBar->setMaximum(TotalFrames());
    FTimer->start();
  }
}

void TSkFlash::SetTrackBar(TSkTrackBar* bar) {
  FTrackBar = bar;
  if (!bar) return;
  connect(bar, &QSlider::sliderPressed, this, &TSkFlash::TrackPressed);
  connect(bar, &QSlider::sliderReleased, this, &TSkFlash::TrackReleased);
}

void TSkFlash::Play() {
  if (!FMovie) return;
  if (FMovie->state() == QMovie::Paused) FMovie->setPaused(false);
  else if (FMovie->state() == QMovie::NotRunning) FMovie->start();
}

void TSkFlash::Stop() {
  if (FMovie && FMovie->state() == QMovie::Running) FMovie->setPaused(true);
}

void TSkFlash::GotoFrame(int frame) {
  if (!FMovie) return;
  const int target = std::clamp(frame, 0, std::max(0, TotalFrames() - 1));
  const bool wasRunning = Playing();
  // Animations are read forwards only: an earlier frame is reached from the start.
  if (FMovie->state() == QMovie::NotRunning || target < CurrentFrame()) {
    FMovie->stop();
    FMovie->start();
  }
  FMovie->setPaused(true);
  while (CurrentFrame() < target && FMovie->jumpToNextFrame()) {
  }
  if (wasRunning) FMovie->setPaused(false);
}

int TSkFlash::CurrentFrame() const { return FMovie ? std::max(0, FMovie->currentFrameNumber()) : 0; }
int TSkFlash::TotalFrames() const { return FMovie ? std::max(0, FMovie->frameCount()) : 0; }
bool TSkFlash::Playing() const { return FMovie && FMovie->state() == QMovie::Running; }
void TSkFlash::SetLoop(bool loop) { FLoop = loop; }

void TSkFlash::RaiseCommand(const std::string& text) {
  if (!FOnCommand) return;
  RHelpAction action{text, 0, 0, 0};
  FOnCommand(action);
}

void TSkFlash::TrackPressed() {
  FWasPlaying = Playing();
  FTimer->stop();
  Stop();
}

void TSkFlash::TrackReleased() {
  GotoFrame(FTrackBar->value());
  FTimer->start();
  if (FWasPlaying) Play();
}

void TSkFlash::Tick() {
  if (!FTrackBar) return;
  FTrackBar->setValue(CurrentFrame());
  // Raised on every tick while the movie rests at its end, as the courses expect.
  if (FTrackBar->value() == FTrackBar->maximum()) RaiseCommand("end_run_flash");
}

}  // namespace kv
