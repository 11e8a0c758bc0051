#include "skValues.h"

#include <QBitmap>
#include <QPainter>
#include <QPixmap>
#include <QWidget>
#include <utility>

#include "platform/TextCodec.h"
#include "util/Cp1251.h"

namespace kv {
namespace {

// The program's own cursors: a magnifier (plain, plus, minus) and an open or closed hand.
QCursor ProgramCursor(int number) {
  if (number == 143) return QCursor(Qt::OpenHandCursor);
  if (number == 144) return QCursor(Qt::ClosedHandCursor);
  QPixmap picture(32, 32);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::white, 5));
  painter.drawEllipse(QRectF(3, 3, 18, 18));
  painter.drawLine(QPointF(19, 19), QPointF(29, 29));
  painter.setPen(QPen(Qt::black, 2.5));
  painter.drawEllipse(QRectF(3, 3, 18, 18));
  painter.drawLine(QPointF(19, 19), QPointF(29, 29));
  painter.setPen(QPen(Qt::black, 2));
  if (number == 141 || number == 142) painter.drawLine(QPointF(8, 12), QPointF(16, 12));
  if (number == 141) painter.drawLine(QPointF(12, 8), QPointF(12, 16));
  painter.end();
  return QCursor(picture, 12, 12);
}

}  // namespace

QColor ToQColor(TColor color) { return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF); }

void ApplyFont(QWidget* widget, const std::string& text) {
  std::string rest = text;
  const std::string name = SplitFirst(rest, "*");
  const std::string size = SplitFirst(rest, "*");
  const std::string colour = SplitFirst(rest, "*");
  const std::string style = LowerCase(rest);
  QFont font = widget->font();
  if (!name.empty()) font.setFamily(ToQString(name));
  if (!size.empty()) font.setPointSize(std::max(1, StrToInt(size)));
  if (!style.empty()) {
    font.setItalic(style.find('i') != std::string::npos);
    font.setBold(style.find('b') != std::string::npos);
    font.setUnderline(style.find('u') != std::string::npos);
  }
  widget->setFont(font);
  if (colour.empty()) return;
  QPalette palette = widget->palette();
  const QColor color = ToQColor(ParseColor(colour));
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    palette.setColor(role, color);
  widget->setPalette(palette);
}

QCursor CursorOf(const std::string& text) {
  static const std::pair<const char*, int> kNames[] = {
      {"crdefault", 0},     {"crarrow", -2},      {"crcross", -3},     {"cribeam", -4},     {"crsizenesw", -6},
      {"crsizens", -7},     {"crsizenwse", -8},   {"crsizewe", -9},    {"cruparrow", -10},  {"crhourglass", -11},
      {"crdrag", -12},      {"crnodrop", -13},    {"crhsplit", -14},   {"crvsplit", -15},   {"crmultidrag", -16},
      {"crsqlwait", -17},   {"crno", -18},        {"crappstart", -19}, {"crhelp", -20},     {"crhandpoint", -21},
      {"crsizeall", -22},
  };
  const std::string lower = LowerCase(Trim(text));
  int number = 0;
  bool named = false;
  for (const auto& [name, value] : kNames)
    if (lower == name) {
      number = value;
      named = true;
    }
  if (!named) number = StrToInt(text);
  if (number >= 140 && number <= 144) return ProgramCursor(number);
  switch (number) {
    case -3: return QCursor(Qt::CrossCursor);
    case -4: return QCursor(Qt::IBeamCursor);
    case -6: return QCursor(Qt::SizeBDiagCursor);
    case -7: return QCursor(Qt::SizeVerCursor);
    case -8: return QCursor(Qt::SizeFDiagCursor);
    case -9: return QCursor(Qt::SizeHorCursor);
    case -10: return QCursor(Qt::UpArrowCursor);
    case -11: return QCursor(Qt::WaitCursor);
    case -12:
    case -16: return QCursor(Qt::DragMoveCursor);
    case -13:
    case -18: return QCursor(Qt::ForbiddenCursor);
    case -14: return QCursor(Qt::SplitHCursor);
    case -15: return QCursor(Qt::SplitVCursor);
    case -17:
    case -19: return QCursor(Qt::BusyCursor);
    case -20: return QCursor(Qt::WhatsThisCursor);
    case -21: return QCursor(Qt::PointingHandCursor);
    case -22: return QCursor(Qt::SizeAllCursor);
    default: return QCursor(Qt::ArrowCursor);
  }
}

}  // namespace kv
