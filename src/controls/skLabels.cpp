#include "skLabels.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <algorithm>

#include "platform/TextCodec.h"

namespace kv {

// --- TSkLabel ------------------------------------------------------------

TSkLabel::TSkLabel(QWidget* parent) : QLabel(parent) {
  // Course captions are plain text even when they look like markup.
  setTextFormat(Qt::PlainText);
}

void TSkLabel::SetCaption(const std::string& text) {
  FFullCaption = ToQString(text);
  FitCaption();
}

void TSkLabel::SetCutLength(bool on) {
  FCutLength = on;
  FitCaption();
}

void TSkLabel::FitCaption() {
  if (FFullCaption.isEmpty() || !FCutLength) return setText(FFullCaption);
  const QFontMetrics metrics(font());
  if (metrics.horizontalAdvance(FFullCaption) <= width()) return setText(FFullCaption);
  // Whole words are dropped from the end until the rest with an ellipsis fits.
  const QString ellipsis = QStringLiteral("...");
  QString text = FFullCaption;
  bool fits = false;
  do {
    text.truncate(std::max<qsizetype>(text.lastIndexOf(u' '), 0));
    fits = metrics.horizontalAdvance(text + ellipsis) <= width();
  } while (!fits && !text.isEmpty());
  // Not even the ellipsis fits: the label keeps what it showed.
  if (fits) setText(text + ellipsis);
}

void TSkLabel::SetUrlStyle(bool on) {
  QFont style = font();
  QPalette colours = palette();
  if (on) {
    style.setUnderline(true);
    // A disabled link stays greyed like any disabled text.
    for (const auto group : {QPalette::Active, QPalette::Inactive})
      colours.setColor(group, QPalette::WindowText, QColor(0, 0, 255));
    setCursor(Qt::PointingHandCursor);
  } else {
    style.setUnderline(false);
    style.setBold(false);
    style.setItalic(false);
    const QPalette normal = QApplication::palette(this);
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
      colours.setColor(group, QPalette::WindowText, normal.color(group, QPalette::WindowText));
    unsetCursor();
  }
  setFont(style);
  setPalette(colours);
}

void TSkLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  FitCaption();
}

void TSkLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit Clicked();
}

// --- TSkTrackBar ---------------------------------------------------------

TSkTrackBar::TSkTrackBar(QWidget* parent) : QSlider(Qt::Horizontal, parent) { setTickPosition(QSlider::NoTicks); }

// --- TSkProgressBar ------------------------------------------------------

TSkProgressBar::TSkProgressBar(QWidget* parent) : QProgressBar(parent) {
  setRange(0, 100);
  // Like the system's progress bar: the bar alone, no percentage.
  setTextVisible(false);
}

}  // namespace kv
