// The movie player control. No Flash runtime exists on this platform, so the
// control keeps the player's interface (load, play, stop, frames, a track bar
// that follows and seeks, the end-of-movie command) over a movie back end:
// animations Qt can decode (GIF) play in place; any other movie shows its
// name with a notice and a button that hands the file to the desktop's player.
#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "interpreter/skCommand.h"

class QLabel;
class QMovie;
class QPushButton;
class QTimer;

namespace kv {

class TSkTrackBar;

class TSkFlash : public QWidget {
  Q_OBJECT

 public:
  explicit TSkFlash(QWidget* parent);
  ~TSkFlash() override;

  // Loads a movie file from disk; "Не найден файл NAME" when there is none.
  void LoadMovie(const std::string& fileName);
  void SetTrackBar(TSkTrackBar* bar);

  void Play();
  void Stop();
  void GotoFrame(int frame);
  int CurrentFrame() const;
  int TotalFrames() const;
  bool Playing() const;
  // The frame the movie is at, as the player's FrameNum property.
  int FrameNum() const { return CurrentFrame(); }
  void SetFrameNum(int frame) { GotoFrame(frame); }
  void SetLoop(bool loop);

  std::function<void(RHelpAction&)> FOnCommand;
  std::string FFileName;     // the movie last loaded, as it was given
  std::string FMoviePath;    // its full disk path
  TSkTrackBar* FTrackBar = nullptr;
  bool FWasPlaying = false;
  bool FLoop = false;

 private:
  void RaiseCommand(const std::string& text);
  void TrackPressed();
  void TrackReleased();
  void Tick();
  void ShowNotice(bool on);

  QLabel* FScreen;          // the animation's frames
  QWidget* FNotice;         // name, notice and the external-player button
  QLabel* FNoticeText;
  QPushButton* FExternal;
  QMovie* FMovie = nullptr;
  QTimer* FTimer;
};

}  // namespace kv
