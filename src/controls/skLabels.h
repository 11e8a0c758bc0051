// Display controls: the label that shortens its caption to fit, the track bar
// and the progress bar.
#pragma once

#include <QLabel>
#include <QProgressBar>
#include <QSlider>
#include <string>

namespace kv {

class TSkLabel : public QLabel {
  Q_OBJECT
 public:
  explicit TSkLabel(QWidget* parent);
  void SetCaption(const std::string& text);  // Windows-1251
  void SetCutLength(bool on);
  void FitCaption();
  void SetUrlStyle(bool on);

  QString FFullCaption;
  bool FCutLength = false;
  std::string FAction;

 signals:
  void Clicked();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

class TSkTrackBar : public QSlider {
  Q_OBJECT
 public:
  explicit TSkTrackBar(QWidget* parent);
  std::string FAction;
};

class TSkProgressBar : public QProgressBar {
  Q_OBJECT
 public:
  explicit TSkProgressBar(QWidget* parent);
};

}  // namespace kv
