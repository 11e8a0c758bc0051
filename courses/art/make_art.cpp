// make_art FOLDER: draws the demo course's pictures into FOLDER. The course
// ships only pictures we draw ourselves, so they are made at build time from
// plain vector shapes; run it with QT_QPA_PLATFORM=offscreen on a machine
// without a display.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <string_view>

namespace {

// The course's palette: the player's default look uses the same greens.
const QColor kDeepGreen(0x1F, 0x6B, 0x52);
const QColor kLeafGreen(0x4C, 0xA6, 0x4C);
const QColor kFreshGreen(0x8B, 0xC3, 0x4A);
const QColor kSkyBlue(0x8F, 0xD3, 0xF0);
const QColor kWaterBlue(0x2E, 0x86, 0xC1);
const QColor kSunYellow(0xFF, 0xC8, 0x3D);
const QColor kWarmWhite(0xFB, 0xF8, 0xF1);
const QColor kInk(0x23, 0x3D, 0x33);

constexpr double kPi = 3.14159265358979323846;
// The figures for the pages share one size, so that pages lay them out alike.
constexpr int kFigureWidth = 360;
constexpr int kFigureHeight = 260;

QFont Font(int pixelSize, bool bold = false) {
  QFont font("DejaVu Sans");
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

QImage Canvas(int width, int height, const QColor& fill) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(fill);
  return image;
}

void Smooth(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
}

// --- Motifs shared by several pictures ---------------------------------------

void DrawSun(QPainter& painter, QPointF centre, double radius) {
  painter.save();
  painter.setPen(QPen(kSunYellow, radius * 0.12, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 12; ++i) {
    const double angle = i * kPi / 6;
    const QPointF direction(std::cos(angle), std::sin(angle));
    painter.drawLine(centre + direction * radius * 1.3, centre + direction * radius * 1.65);
  }
  QRadialGradient glow(centre, radius);
  glow.setColorAt(0, QColor(0xFF, 0xE8, 0x8A));
  glow.setColorAt(1, kSunYellow);
  painter.setPen(Qt::NoPen);
  painter.setBrush(glow);
  painter.drawEllipse(centre, radius, radius);
  painter.restore();
}

// A leaf whose stalk sits at `base`, pointing along `angle` degrees (0 = up).
void DrawLeaf(QPainter& painter, QPointF base, double length, double angle, const QColor& colour) {
  painter.save();
  painter.translate(base);
  painter.rotate(angle);
  QPainterPath blade;
  blade.moveTo(0, 0);
  blade.cubicTo(length * 0.45, -length * 0.25, length * 0.4, -length * 0.8, 0, -length);
  blade.cubicTo(-length * 0.4, -length * 0.8, -length * 0.45, -length * 0.25, 0, 0);
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  painter.drawPath(blade);
  painter.setPen(QPen(colour.lighter(140), length * 0.04, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(0, -length * 0.05), QPointF(0, -length * 0.9));
  for (double t : {0.3, 0.5, 0.7}) {
    painter.drawLine(QPointF(0, -length * t), QPointF(length * 0.18, -length * (t + 0.12)));
    painter.drawLine(QPointF(0, -length * t), QPointF(-length * 0.18, -length * (t + 0.12)));
  }
  painter.restore();
}

// A globe: ocean, two stylised continents, a light rim.
void DrawGlobe(QPainter& painter, QPointF centre, double radius) {
  painter.save();
  QPainterPath ball;
  ball.addEllipse(centre, radius, radius);
  QRadialGradient ocean(centre - QPointF(radius * 0.35, radius * 0.35), radius * 1.4);
  ocean.setColorAt(0, kSkyBlue);
  ocean.setColorAt(1, kWaterBlue.darker(115));
  painter.setPen(Qt::NoPen);
  painter.setBrush(ocean);
  painter.drawPath(ball);
  painter.setClipPath(ball);
  painter.setBrush(kLeafGreen);
  const double r = radius;
  QPainterPath land;
  land.moveTo(centre + QPointF(-0.7 * r, -0.5 * r));
  land.cubicTo(centre + QPointF(-0.2 * r, -0.9 * r), centre + QPointF(0.2 * r, -0.6 * r),
               centre + QPointF(0.05 * r, -0.2 * r));
  land.cubicTo(centre + QPointF(-0.1 * r, 0.2 * r), centre + QPointF(-0.5 * r, 0.1 * r),
               centre + QPointF(-0.4 * r, 0.5 * r));
  land.cubicTo(centre + QPointF(-0.8 * r, 0.4 * r), centre + QPointF(-0.95 * r, -0.2 * r),
               centre + QPointF(-0.7 * r, -0.5 * r));
  painter.drawPath(land);
  QPainterPath island;
  island.addEllipse(centre + QPointF(0.45 * r, 0.35 * r), 0.35 * r, 0.22 * r);
  painter.drawPath(island);
  painter.setClipping(false);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(255, 255, 255, 150), r * 0.05));
  painter.drawEllipse(centre, r, r);
  painter.restore();
}

// Rolling hills across the bottom of a picture.
void DrawHills(QPainter& painter, const QRectF& area) {
  painter.save();
  painter.setPen(Qt::NoPen);
  QPainterPath back;
  back.moveTo(area.left(), area.bottom());
  back.lineTo(area.left(), area.top() + area.height() * 0.45);
  back.cubicTo(area.left() + area.width() * 0.3, area.top(), area.left() + area.width() * 0.55,
               area.top() + area.height() * 0.7, area.right(), area.top() + area.height() * 0.25);
  back.lineTo(area.right(), area.bottom());
  painter.setBrush(kFreshGreen);
  painter.drawPath(back);
  QPainterPath front;
  front.moveTo(area.left(), area.bottom());
  front.lineTo(area.left(), area.top() + area.height() * 0.8);
  front.cubicTo(area.left() + area.width() * 0.35, area.top() + area.height() * 0.4,
                area.left() + area.width() * 0.7, area.top() + area.height() * 0.95, area.right(),
                area.top() + area.height() * 0.6);
  front.lineTo(area.right(), area.bottom());
  painter.setBrush(kLeafGreen);
  painter.drawPath(front);
  painter.restore();
}

void DrawCloud(QPainter& painter, QPointF centre, double size, const QColor& colour) {
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  painter.drawEllipse(centre + QPointF(-size * 0.5, 0), size * 0.45, size * 0.32);
  painter.drawEllipse(centre + QPointF(size * 0.05, -size * 0.18), size * 0.5, size * 0.42);
  painter.drawEllipse(centre + QPointF(size * 0.55, 0.02 * size), size * 0.4, size * 0.3);
  painter.drawRoundedRect(QRectF(centre.x() - size * 0.8, centre.y(), size * 1.65, size * 0.3), size * 0.15,
                          size * 0.15);
  painter.restore();
}

// An arrow from `from` to `to` with a filled head.
void DrawArrow(QPainter& painter, QPointF from, QPointF to, const QColor& colour) {
  painter.save();
  painter.setPen(QPen(colour, 3, Qt::SolidLine, Qt::RoundCap));
  const QPointF along = to - from;
  const double length = std::hypot(along.x(), along.y());
  const QPointF unit = along / length;
  const QPointF normal(-unit.y(), unit.x());
  painter.drawLine(from, to - unit * 8);
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  painter.drawPolygon(QPolygonF({to, to - unit * 11 + normal * 6, to - unit * 11 - normal * 6}));
  painter.restore();
}

// A small caption on a light rounded plate, so that it reads on any background.
void DrawTag(QPainter& painter, QPointF topLeft, const QString& text) {
  painter.save();
  painter.setFont(Font(11, true));
  const QRectF box = QFontMetricsF(painter.font()).boundingRect(text).adjusted(-6, -3, 6, 3);
  const QRectF plate(topLeft, box.size());
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 255, 255, 225));
  painter.drawRoundedRect(plate, 6, 6);
  painter.setPen(kInk);
  painter.drawText(plate, Qt::AlignCenter, text);
  painter.restore();
}

// The title strip along the bottom of a figure.
void DrawFigureCaption(QPainter& painter, const QRectF& picture, const QString& text) {
  painter.save();
  const QRectF strip(picture.left(), picture.bottom() - 30, picture.width(), 30);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kDeepGreen);
  painter.drawRect(strip);
  painter.setPen(Qt::white);
  painter.setFont(Font(14, true));
  painter.drawText(strip, Qt::AlignCenter, text);
  painter.restore();
}

// Labels a point of a figure: a thin line from the point to its caption.
void DrawCallout(QPainter& painter, QPointF point, QPointF label, const QString& text, const QColor& ink = kInk) {
  painter.save();
  painter.setPen(QPen(ink, 1.2));
  painter.drawLine(point, label);
  painter.setBrush(ink);
  painter.drawEllipse(point, 2.2, 2.2);
  painter.setFont(Font(10, true));
  const QFontMetricsF metrics(painter.font());
  const double width = metrics.horizontalAdvance(text);
  const bool leftSide = label.x() < point.x();
  const QPointF baseline(leftSide ? label.x() - width - 4 : label.x() + 4, label.y() + metrics.ascent() / 2 - 1);
  painter.drawText(baseline, text);
  painter.restore();
}

// --- The pictures -------------------------------------------------------------

// Shown while the course starts: the title over a sunny landscape with a globe
// and leaves; the bottom band stays plain for the player's progress bar.
QImage Splash() {
  const int width = 480;
  const int height = 300;
  QImage image = Canvas(width, height, kWarmWhite);
  QPainter painter(&image);
  Smooth(painter);
  QLinearGradient sky(0, 0, 0, 240);
  sky.setColorAt(0, QColor(0xD9, 0xF1, 0xFA));
  sky.setColorAt(1, kWarmWhite);
  painter.fillRect(QRectF(0, 0, width, 250), sky);
  DrawSun(painter, QPointF(410, 62), 26);
  DrawCloud(painter, QPointF(300, 52), 46, Qt::white);
  DrawHills(painter, QRectF(0, 170, width, 80));
  DrawGlobe(painter, QPointF(86, 146), 54);
  DrawLeaf(painter, QPointF(120, 190), 56, 38, kDeepGreen);
  DrawLeaf(painter, QPointF(120, 190), 44, 78, kFreshGreen.darker(110));

  painter.setPen(kDeepGreen);
  painter.setFont(Font(29, true));
  painter.drawText(QRectF(164, 96, 310, 40), Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8("Природоведение"));
  painter.setPen(kInk);
  painter.setFont(Font(16));
  painter.drawText(QRectF(166, 136, 300, 24), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromUtf8("Учебник для 5 класса"));

  // The start screen lays its progress bar over this band (left 40, top 278, 400 × 8).
  painter.fillRect(QRectF(0, 250, width, 50), kDeepGreen);
  painter.setPen(QColor(0xE6, 0xF4, 0xEC));
  painter.setFont(Font(12));
  painter.drawText(QRectF(40, 254, 400, 20), Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8("Загрузка…"));
  painter.setPen(QPen(kDeepGreen, 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(1, 1, width - 2, height - 2));
  return image;
}

// The wide banner for the top of the start screen: landscape, sun, globe, the title.
QImage Banner() {
  const int width = 900;
  const int height = 110;
  QImage image = Canvas(width, height, kDeepGreen);
  QPainter painter(&image);
  Smooth(painter);
  QLinearGradient band(0, 0, width, 0);
  band.setColorAt(0, kDeepGreen);
  band.setColorAt(1, QColor(0x2F, 0x8F, 0x6E));
  painter.fillRect(image.rect(), band);
  painter.setOpacity(0.3);
  DrawHills(painter, QRectF(0, 62, width, 48));
  painter.setOpacity(1);
  DrawSun(painter, QPointF(840, 34), 16);
  DrawGlobe(painter, QPointF(58, 55), 34);
  DrawLeaf(painter, QPointF(80, 84), 34, 40, kFreshGreen);
  painter.setPen(Qt::white);
  painter.setFont(Font(30, true));
  painter.drawText(QRectF(112, 18, 600, 40), Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8("Природоведение"));
  painter.setPen(QColor(0xD8, 0xF0, 0xE3));
  painter.setFont(Font(15));
  painter.drawText(QRectF(114, 60, 600, 28), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromUtf8("5 класс · живая и неживая природа, Земля и Вселенная"));
  return image;
}

// A plant cell: wall, membrane, cytoplasm, vacuole, nucleus and chloroplasts, with callouts.
QImage PlantCell() {
  const QRectF picture(0, 0, kFigureWidth, kFigureHeight);
  QImage image = Canvas(kFigureWidth, kFigureHeight, kWarmWhite);
  QPainter painter(&image);
  Smooth(painter);
  const QRectF wall(112, 22, 140, 190);
  painter.setPen(QPen(kLeafGreen.darker(130), 7));
  painter.setBrush(QColor(0xE4, 0xF3, 0xD4));
  painter.drawRoundedRect(wall, 24, 24);
  painter.setPen(QPen(kFreshGreen.darker(120), 1.5, Qt::DashLine));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(wall.adjusted(8, 8, -8, -8), 18, 18);
  painter.setPen(QPen(kWaterBlue, 1.5));
  painter.setBrush(QColor(0xCF, 0xEB, 0xF7));
  painter.drawRoundedRect(QRectF(160, 74, 70, 104), 30, 30);
  painter.setPen(QPen(QColor(0x7A, 0x4E, 0x9C), 1.5));
  painter.setBrush(QColor(0xC9, 0xB3, 0xE0));
  painter.drawEllipse(QPointF(150, 60), 19, 19);
  painter.setBrush(QColor(0x7A, 0x4E, 0x9C));
  painter.drawEllipse(QPointF(153, 58), 6, 6);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kLeafGreen);
  for (const QPointF centre : {QPointF(138, 110), QPointF(140, 160), QPointF(214, 48), QPointF(212, 192),
                               QPointF(160, 192), QPointF(140, 135)}) {
    painter.drawEllipse(centre, 9, 5.5);
  }
  DrawCallout(painter, QPointF(113, 180), QPointF(100, 190), QString::fromUtf8("Оболочка"));
  DrawCallout(painter, QPointF(146, 60), QPointF(100, 40), QString::fromUtf8("Ядро"));
  DrawCallout(painter, QPointF(138, 110), QPointF(100, 110), QString::fromUtf8("Хлоропласт"));
  DrawCallout(painter, QPointF(200, 110), QPointF(266, 96), QString::fromUtf8("Вакуоль"));
  DrawCallout(painter, QPointF(236, 150), QPointF(266, 160), QString::fromUtf8("Цитоплазма"));
  DrawFigureCaption(painter, picture, QString::fromUtf8("Строение растительной клетки"));
  return image;
}

// The water cycle: sea, sun, mountain, cloud and rain, the four stages named beside the arrows.
QImage WaterCycle() {
  const QRectF picture(0, 0, kFigureWidth, kFigureHeight);
  QImage image = Canvas(kFigureWidth, kFigureHeight, kWarmWhite);
  QPainter painter(&image);
  Smooth(painter);
  QLinearGradient sky(0, 0, 0, 200);
  sky.setColorAt(0, QColor(0xD4, 0xEE, 0xFA));
  sky.setColorAt(1, kWarmWhite);
  painter.fillRect(QRectF(0, 0, kFigureWidth, 230), sky);
  DrawSun(painter, QPointF(40, 38), 17);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x8D, 0x7B, 0x68));
  painter.drawPolygon(QPolygonF({QPointF(196, 230), QPointF(270, 128), QPointF(296, 156), QPointF(328, 112),
                                 QPointF(360, 146), QPointF(360, 230)}));
  painter.setBrush(Qt::white);
  painter.drawPolygon(QPolygonF({QPointF(328, 112), QPointF(316, 128), QPointF(338, 122)}));
  QLinearGradient sea(0, 185, 0, 230);
  sea.setColorAt(0, kWaterBlue.lighter(120));
  sea.setColorAt(1, kWaterBlue.darker(120));
  painter.setBrush(sea);
  painter.drawRect(QRectF(0, 186, 236, 44));
  DrawCloud(painter, QPointF(278, 46), 48, QColor(0x9A, 0xAE, 0xBE));
  painter.setPen(QPen(kWaterBlue, 2.5, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 5; ++i) {
    const double x = 256 + i * 12;
    painter.drawLine(QPointF(x, 74), QPointF(x - 5, 90));
    painter.drawLine(QPointF(x - 3, 98), QPointF(x - 8, 114));
  }
  const QColor warm(0xE0, 0x8A, 0x1E);
  for (const double x : {70.0, 100.0, 130.0}) DrawArrow(painter, QPointF(x, 180), QPointF(x + 40, 92), warm);
  DrawArrow(painter, QPointF(176, 70), QPointF(220, 52), kInk);
  DrawArrow(painter, QPointF(282, 206), QPointF(226, 206), kWaterBlue.darker(150));
  DrawTag(painter, QPointF(8, 120), QString::fromUtf8("Испарение"));
  DrawTag(painter, QPointF(128, 18), QString::fromUtf8("Конденсация"));
  DrawTag(painter, QPointF(190, 96), QString::fromUtf8("Осадки"));
  DrawTag(painter, QPointF(290, 196), QString::fromUtf8("Сток"));
  DrawFigureCaption(painter, picture, QString::fromUtf8("Круговорот воды в природе"));
  return image;
}

// The solar system: the Sun at the left edge and the eight planets on their orbits.
QImage SolarSystem() {
  const QRectF picture(0, 0, kFigureWidth, kFigureHeight);
  QImage image = Canvas(kFigureWidth, kFigureHeight, QColor(0x14, 0x24, 0x3A));
  QPainter painter(&image);
  Smooth(painter);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 255, 255, 170));
  for (int i = 0; i < 60; ++i) {
    const double x = std::fmod(i * 97.3, kFigureWidth);
    const double y = std::fmod(i * 53.7 + i * i * 0.7, kFigureHeight - 40);
    painter.drawEllipse(QPointF(x, y), 0.9, 0.9);
  }
  const QPointF sun(-30, 112);
  DrawSun(painter, sun, 62);
  struct TPlanet {
    const char* Name;
    double Orbit;  // from the Sun's centre
    double Radius;
    QColor Colour;
  };
  const TPlanet planets[] = {
      {"Меркурий", 112, 3, QColor(0xB5, 0xA8, 0x9A)}, {"Венера", 140, 5, QColor(0xE8, 0xC5, 0x7A)},
      {"Земля", 166, 5.5, kWaterBlue},                {"Марс", 190, 4, QColor(0xD0, 0x5B, 0x3A)},
      {"Юпитер", 226, 11, QColor(0xD9, 0xA5, 0x6F)},  {"Сатурн", 266, 9, QColor(0xE6, 0xCF, 0x8E)},
      {"Уран", 302, 6.5, QColor(0x9E, 0xDC, 0xE4)},   {"Нептун", 334, 6.5, QColor(0x4F, 0x7C, 0xD6)},
  };
  painter.setFont(Font(9, true));
  const QFontMetricsF metrics(painter.font());
  for (std::size_t i = 0; i < std::size(planets); ++i) {
    const TPlanet& planet = planets[i];
    painter.setPen(QPen(QColor(255, 255, 255, 60), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(sun, planet.Orbit, planet.Orbit);
    // Neighbours sit above and below the Sun's line by turns, so that their names do not collide.
    const double angle = (i % 2 == 0 ? -1 : 1) * (0.2 + 0.06 * static_cast<double>(i % 3));
    const QPointF centre = sun + QPointF(std::cos(angle), std::sin(angle)) * planet.Orbit;
    painter.setPen(Qt::NoPen);
    painter.setBrush(planet.Colour);
    painter.drawEllipse(centre, planet.Radius, planet.Radius);
    if (std::string_view(planet.Name) == "Сатурн") {
      painter.setPen(QPen(planet.Colour.lighter(115), 1.5));
      painter.setBrush(Qt::NoBrush);
      painter.drawEllipse(centre, planet.Radius * 1.9, planet.Radius * 0.6);
    }
    painter.setPen(QColor(0xE8, 0xEE, 0xF5));
    const QString name = QString::fromUtf8(planet.Name);
    const double left = std::min(centre.x() - metrics.horizontalAdvance(name) / 2,
                                 kFigureWidth - 4 - metrics.horizontalAdvance(name));
    const double baseline = i % 2 == 0 ? centre.y() - planet.Radius - 5 : centre.y() + planet.Radius + 13;
    painter.drawText(QPointF(left, baseline), name);
  }
  DrawFigureCaption(painter, picture, QString::fromUtf8("Солнечная система"));
  return image;
}

// Laboratory tools: a magnifier, a thermometer, a measuring cylinder and a microscope on a bench.
QImage LabTools() {
  const QRectF picture(0, 0, kFigureWidth, kFigureHeight);
  QImage image = Canvas(kFigureWidth, kFigureHeight, kWarmWhite);
  QPainter painter(&image);
  Smooth(painter);
  // The bench.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0xD9, 0xB8, 0x8C));
  painter.drawRect(QRectF(0, 196, kFigureWidth, 34));
  painter.setBrush(QColor(0xC4, 0x9E, 0x6C));
  painter.drawRect(QRectF(0, 196, kFigureWidth, 5));

  // Magnifier: a rim, a bluish lens with a glint, a handle.
  const QPointF lens(52, 118);
  painter.setPen(QPen(QColor(0x6B, 0x4A, 0x2E), 10, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(lens + QPointF(24, 24), lens + QPointF(50, 70));
  painter.setPen(QPen(kInk, 5));
  painter.setBrush(QColor(0xCF, 0xEB, 0xF7, 220));
  painter.drawEllipse(lens, 30, 30);
  painter.setPen(QPen(QColor(255, 255, 255, 200), 4, Qt::SolidLine, Qt::RoundCap));
  painter.drawArc(QRectF(lens.x() - 20, lens.y() - 20, 40, 40), 100 * 16, 60 * 16);

  // Thermometer: a glass tube with a scale and a red column.
  const QRectF tube(122, 40, 18, 140);
  painter.setPen(QPen(kInk.lighter(160), 2));
  painter.setBrush(Qt::white);
  painter.drawRoundedRect(tube, 9, 9);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0xD9, 0x3F, 0x36));
  painter.drawEllipse(QPointF(131, 184), 13, 13);
  painter.drawRoundedRect(QRectF(127, 96, 8, 88), 4, 4);
  painter.setPen(QPen(kInk, 1));
  for (int i = 0; i <= 10; ++i) {
    const double y = 54 + i * 12;
    painter.drawLine(QPointF(144, y), QPointF(i % 5 == 0 ? 154 : 149, y));
  }
  painter.setFont(Font(9, true));
  painter.drawText(QPointF(157, 58), "40");
  painter.drawText(QPointF(157, 118), "20");
  painter.drawText(QPointF(157, 178), "0");

  // Measuring cylinder with water and graduations.
  const QRectF glass(196, 70, 40, 124);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x7F, 0xC4, 0xE8));
  painter.drawRect(QRectF(glass.left() + 2, 128, glass.width() - 4, glass.bottom() - 128));
  painter.setPen(QPen(kInk.lighter(150), 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawLine(glass.topLeft(), glass.bottomLeft());
  painter.drawLine(glass.topRight(), glass.bottomRight());
  painter.drawLine(glass.bottomLeft() + QPointF(-8, 0), glass.bottomRight() + QPointF(8, 0));
  painter.drawLine(glass.topLeft(), glass.topLeft() + QPointF(-6, -6));
  painter.setPen(QPen(kInk, 1));
  for (int i = 0; i < 9; ++i) {
    const double y = 84 + i * 12;
    painter.drawLine(QPointF(glass.left() + 2, y), QPointF(glass.left() + (i % 2 == 0 ? 16 : 10), y));
  }
  painter.setPen(QPen(kWaterBlue.darker(130), 1.5));
  painter.drawLine(QPointF(glass.left() + 2, 128), QPointF(glass.right() - 2, 128));

  // Microscope: base, a curved arm holding the stage and the tube, eyepiece on top, objective below.
  painter.setPen(Qt::NoPen);
  painter.setBrush(kInk);
  painter.drawRoundedRect(QRectF(258, 182, 84, 14), 6, 6);
  painter.setBrush(kDeepGreen);
  QPainterPath arm;
  arm.moveTo(326, 184);
  arm.cubicTo(346, 150, 342, 92, 314, 66);
  arm.lineTo(302, 78);
  arm.cubicTo(324, 100, 326, 148, 308, 184);
  arm.closeSubpath();
  painter.drawPath(arm);
  painter.setBrush(kInk);
  painter.drawRoundedRect(QRectF(258, 140, 66, 8), 2, 2);
  painter.setBrush(kSunYellow);
  painter.drawEllipse(QPointF(284, 166), 7, 7);
  painter.save();
  painter.translate(292, 96);
  painter.rotate(-14);
  painter.setBrush(kDeepGreen.darker(120));
  painter.drawRect(QRectF(6, -8, 16, 14));  // the clamp that joins the tube to the arm
  painter.setBrush(QColor(0x4A, 0x5E, 0x57));
  painter.drawRoundedRect(QRectF(-9, -46, 18, 76), 4, 4);
  painter.setBrush(kInk);
  painter.drawRoundedRect(QRectF(-12, -58, 24, 14), 3, 3);
  painter.drawRect(QRectF(-6, 30, 12, 10));
  painter.restore();

  DrawTag(painter, QPointF(18, 40), QString::fromUtf8("Лупа"));
  DrawTag(painter, QPointF(96, 14), QString::fromUtf8("Термометр"));
  DrawTag(painter, QPointF(180, 40), QString::fromUtf8("Мензурка"));
  DrawTag(painter, QPointF(236, 8), QString::fromUtf8("Микроскоп"));
  DrawFigureCaption(painter, picture, QString::fromUtf8("Приборы для изучения природы"));
  return image;
}

// Particles of a substance in a box: packed in rows (solid), close but loose (liquid), far apart (gas).
void DrawParticles(QPainter& painter, const QRectF& box, int state) {
  painter.save();
  painter.setPen(QPen(kInk.lighter(170), 1.2));
  painter.setBrush(Qt::white);
  painter.drawRoundedRect(box, 6, 6);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kWaterBlue);
  const double r = 4.2;
  if (state == 0) {
    for (int row = 0; row < 4; ++row)
      for (int col = 0; col < 7; ++col)
        painter.drawEllipse(QPointF(box.left() + 12 + col * 10.5, box.bottom() - 9 - row * 10), r, r);
  } else if (state == 1) {
    const double jitter[] = {0, 3, -2, 2, -3, 1, -1, 3, -2, 0, 2, -3, 1, -1};
    int n = 0;
    for (int row = 0; row < 3; ++row)
      for (int col = 0; col < 7; ++col, ++n)
        painter.drawEllipse(QPointF(box.left() + 12 + col * 10.5 + jitter[n % 14] * 0.6,
                                    box.bottom() - 9 - row * 10.5 + jitter[(n + 5) % 14] * 0.7),
                            r, r);
  } else {
    const QPointF spots[] = {{14, 12}, {46, 9}, {70, 20}, {28, 30}, {58, 38}, {12, 44}, {80, 46}, {40, 52}};
    for (const QPointF& spot : spots) painter.drawEllipse(box.topLeft() + spot, r, r);
  }
  painter.restore();
}

// Water in three states: an ice cube, a glass of water, steam over a pot; the particles of each below.
QImage WaterStates() {
  const QRectF picture(0, 0, kFigureWidth, kFigureHeight);
  QImage image = Canvas(kFigureWidth, kFigureHeight, kWarmWhite);
  QPainter painter(&image);
  Smooth(painter);
  painter.setFont(Font(11, true));

  // Ice cube.
  painter.setPen(QPen(QColor(0x7F, 0xB8, 0xD6), 2));
  painter.setBrush(QColor(0xDD, 0xF1, 0xFA));
  painter.drawRoundedRect(QRectF(26, 52, 62, 58), 10, 10);
  painter.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(38, 66), QPointF(54, 62));
  painter.drawLine(QPointF(38, 76), QPointF(44, 74));

  // A glass of water.
  QPainterPath glass;
  glass.moveTo(144, 44);
  glass.lineTo(150, 112);
  glass.lineTo(190, 112);
  glass.lineTo(196, 44);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x8F, 0xCF, 0xEE));
  painter.drawPolygon(QPolygonF({QPointF(147, 70), QPointF(150, 112), QPointF(190, 112), QPointF(193, 70)}));
  painter.setPen(QPen(kInk.lighter(150), 2.5));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(glass);

  // A pot with steam curling up.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x5C, 0x6F, 0x7B));
  painter.drawRoundedRect(QRectF(258, 80, 72, 34), 6, 6);
  painter.drawRect(QRectF(250, 78, 88, 6));
  painter.setPen(QPen(QColor(0xB6, 0xC3, 0xCC), 4, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 3; ++i) {
    const double x = 274 + i * 20;
    QPainterPath wisp;
    wisp.moveTo(x, 70);
    wisp.cubicTo(x - 10, 58, x + 10, 46, x, 32);
    painter.drawPath(wisp);
  }

  // Names and temperatures.
  const char* names[] = {"Лёд", "Вода", "Пар"};
  const char* temperatures[] = {"ниже 0 °C", "от 0 до 100 °C", "кипит при 100 °C"};
  for (int i = 0; i < 3; ++i) {
    const QRectF column(8 + i * 118, 114, 108, 20);
    painter.setPen(kInk);
    painter.setFont(Font(13, true));
    painter.drawText(column, Qt::AlignCenter, QString::fromUtf8(names[i]));
    painter.setPen(kInk.lighter(160));
    painter.setFont(Font(10));
    painter.drawText(column.translated(0, 16), Qt::AlignCenter, QString::fromUtf8(temperatures[i]));
    DrawParticles(painter, QRectF(17 + i * 118, 156, 90, 62), i);
  }
  // Melting and boiling arrows between the columns.
  DrawArrow(painter, QPointF(96, 80), QPointF(136, 80), QColor(0xE0, 0x8A, 0x1E));
  DrawArrow(painter, QPointF(206, 80), QPointF(246, 80), QColor(0xE0, 0x8A, 0x1E));
  painter.setPen(kInk.lighter(160));
  painter.setFont(Font(9));
  painter.drawText(QRectF(88, 60, 56, 14), Qt::AlignCenter, QString::fromUtf8("таяние"));
  painter.drawText(QRectF(196, 60, 60, 14), Qt::AlignCenter, QString::fromUtf8("испарение"));
  DrawFigureCaption(painter, picture, QString::fromUtf8("Три состояния воды"));
  return image;
}

// What the air is made of: a pie of nitrogen, oxygen and the other gases with a legend.
QImage AirComposition() {
  const QRectF picture(0, 0, kFigureWidth, kFigureHeight);
  QImage image = Canvas(kFigureWidth, kFigureHeight, kWarmWhite);
  QPainter painter(&image);
  Smooth(painter);
  const QRectF pie(22, 36, 156, 156);
  struct TSlice {
    const char* Name;
    double Share;
    QColor Colour;
  };
  const TSlice slices[] = {
      {"Азот — 78 %", 78, QColor(0x5B, 0x9B, 0xD5)},
      {"Кислород — 21 %", 21, kLeafGreen},
      {"Другие газы — 1 %", 1, kSunYellow.darker(110)},
  };
  double start = 90;  // degrees, counter-clockwise from three o'clock
  painter.setPen(QPen(kWarmWhite, 3));
  for (const TSlice& slice : slices) {
    // The thin slice is drawn wider than its share so that it can be seen at all.
    const double span = std::max(slice.Share, 2.5) * 3.6;
    painter.setBrush(slice.Colour);
    painter.drawPie(pie, static_cast<int>(start * 16), static_cast<int>(-span * 16));
    start -= span;
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(kWarmWhite);
  painter.drawEllipse(pie.center(), 36, 36);
  painter.setPen(kInk);
  painter.setFont(Font(14, true));
  painter.drawText(QRectF(pie.center().x() - 36, pie.center().y() - 12, 72, 24), Qt::AlignCenter,
                   QString::fromUtf8("Воздух"));
  for (std::size_t i = 0; i < std::size(slices); ++i) {
    const double y = 72 + static_cast<double>(i) * 34;
    painter.setPen(Qt::NoPen);
    painter.setBrush(slices[i].Colour);
    painter.drawRoundedRect(QRectF(196, y, 18, 18), 4, 4);
    painter.setPen(kInk);
    painter.setFont(Font(12, true));
    painter.drawText(QPointF(220, y + 14), QString::fromUtf8(slices[i].Name));
  }
  painter.setPen(kInk.lighter(160));
  painter.setFont(Font(10));
  painter.drawText(QRectF(220, 168, 136, 30), Qt::AlignLeft | Qt::TextWordWrap,
                   QString::fromUtf8("углекислый газ, водяной пар, аргон"));
  DrawFigureCaption(painter, picture, QString::fromUtf8("Состав воздуха"));
  return image;
}

// A cut through the soil: grass, the dark humus layer with roots and a worm, the subsoil, the rock below.
QImage SoilLayers() {
  const QRectF picture(0, 0, kFigureWidth, kFigureHeight);
  QImage image = Canvas(kFigureWidth, kFigureHeight, kWarmWhite);
  QPainter painter(&image);
  Smooth(painter);
  const double left = 20;
  const double width = 210;
  painter.fillRect(QRectF(0, 0, kFigureWidth, 40), QColor(0xD9, 0xF1, 0xFA));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x4A, 0x33, 0x24));
  painter.drawRect(QRectF(left, 44, width, 52));
  painter.setBrush(QColor(0x9C, 0x6B, 0x43));
  painter.drawRect(QRectF(left, 96, width, 50));
  painter.setBrush(QColor(0xA8, 0xA0, 0x94));
  painter.drawRect(QRectF(left, 146, width, 84));
  // Stones in the rock, rounder pebbles in the subsoil.
  painter.setBrush(QColor(0x8A, 0x82, 0x78));
  for (const QRectF& stone : {QRectF(30, 160, 40, 22), QRectF(96, 176, 52, 26), QRectF(170, 156, 44, 24),
                              QRectF(56, 198, 36, 20), QRectF(150, 204, 50, 20)})
    painter.drawRoundedRect(stone, 9, 9);
  painter.setBrush(QColor(0xC8, 0x9A, 0x6E));
  for (const QPointF& pebble : {QPointF(48, 120), QPointF(120, 110), QPointF(190, 128), QPointF(88, 136)})
    painter.drawEllipse(pebble, 6, 4);
  // Grass and roots.
  painter.setPen(QPen(kLeafGreen, 3, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 22; ++i) {
    const double x = left + 5 + i * 9.5;
    painter.drawLine(QPointF(x, 45), QPointF(x + (i % 2 ? 3 : -3), 30 - (i % 3) * 4));
  }
  painter.setPen(QPen(QColor(0xE6, 0xD3, 0xB0), 1.5, Qt::SolidLine, Qt::RoundCap));
  for (const double x : {50.0, 118.0, 184.0}) {
    QPainterPath root;
    root.moveTo(x, 46);
    root.cubicTo(x - 6, 62, x + 8, 76, x + 2, 92);
    root.moveTo(x - 2, 60);
    root.lineTo(x - 14, 74);
    root.moveTo(x + 3, 70);
    root.lineTo(x + 14, 82);
    painter.drawPath(root);
  }
  // An earthworm.
  painter.setPen(QPen(QColor(0xE0, 0x8C, 0x8C), 5, Qt::SolidLine, Qt::RoundCap));
  QPainterPath worm;
  worm.moveTo(140, 70);
  worm.cubicTo(150, 60, 160, 82, 172, 72);
  painter.drawPath(worm);
  // Bracketed layer names on the right.
  const struct {
    double Top, Bottom;
    const char* Name;
  } layers[] = {{44, 96, "Перегной"}, {96, 146, "Подпочва"}, {146, 230, "Горная порода"}};
  for (const auto& layer : layers) {
    painter.setPen(QPen(kInk, 1.5));
    const double x = left + width + 10;
    painter.drawLine(QPointF(x, layer.Top + 3), QPointF(x, layer.Bottom - 3));
    painter.drawLine(QPointF(x - 4, layer.Top + 3), QPointF(x, layer.Top + 3));
    painter.drawLine(QPointF(x - 4, layer.Bottom - 3), QPointF(x, layer.Bottom - 3));
    painter.setFont(Font(12, true));
    painter.drawText(QPointF(x + 8, (layer.Top + layer.Bottom) / 2 + 5), QString::fromUtf8(layer.Name));
  }
  DrawFigureCaption(painter, picture, QString::fromUtf8("Слои почвы"));
  return image;
}

// The Earth with a wedge cut out: crust, mantle, outer and inner core.
QImage EarthLayers() {
  const QRectF picture(0, 0, kFigureWidth, kFigureHeight);
  QImage image = Canvas(kFigureWidth, kFigureHeight, QColor(0x14, 0x24, 0x3A));
  QPainter painter(&image);
  Smooth(painter);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 255, 255, 150));
  for (int i = 0; i < 40; ++i)
    painter.drawEllipse(QPointF(std::fmod(i * 83.1, kFigureWidth), std::fmod(i * 41.3 + i * i * 0.9, 220)), 0.9, 0.9);
  const QPointF centre(120, 118);
  const double radius = 92;
  DrawGlobe(painter, centre, radius);
  // The wedge: the upper right quarter, drawn as nested slices from the crust inwards.
  const struct {
    double Radius;
    QColor Colour;
  } shells[] = {{radius, QColor(0x8D, 0x6E, 0x4F)},
                {radius * 0.94, QColor(0xD9, 0x5B, 0x2B)},
                {radius * 0.55, QColor(0xF2, 0x9E, 0x2E)},
                {radius * 0.25, QColor(0xFF, 0xD8, 0x4D)}};
  for (const auto& shell : shells) {
    painter.setBrush(shell.Colour);
    painter.drawPie(QRectF(centre.x() - shell.Radius, centre.y() - shell.Radius, shell.Radius * 2, shell.Radius * 2),
                    0, 90 * 16);
  }
  // Light callouts: the ground is the night sky.
  const QColor ink(0xE8, 0xEE, 0xF5);
  DrawCallout(painter, centre + QPointF(30, -88), QPointF(238, 36), QString::fromUtf8("Земная кора"), ink);
  DrawCallout(painter, centre + QPointF(52, -52), QPointF(238, 76), QString::fromUtf8("Мантия"), ink);
  DrawCallout(painter, centre + QPointF(32, -26), QPointF(238, 116), QString::fromUtf8("Внешнее ядро"), ink);
  DrawCallout(painter, centre + QPointF(8, -10), QPointF(238, 156), QString::fromUtf8("Внутреннее ядро"), ink);
  DrawFigureCaption(painter, picture, QString::fromUtf8("Внутреннее строение Земли"));
  return image;
}

// The Moon as lit by the Sun on the right: `lit` from 0 (new) through 0.5 (quarter) to 1 (full);
// `waxing` puts the light on the right side, otherwise on the left.
void DrawMoon(QPainter& painter, QPointF centre, double radius, double lit, bool waxing) {
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x33, 0x40, 0x52));
  painter.drawEllipse(centre, radius, radius);
  if (lit > 0) {
    // The lit part: one half of the disc plus or minus an ellipse whose width follows the phase.
    const double terminator = radius * std::abs(1 - 2 * lit);
    QPainterPath half;
    const QRectF disc(centre.x() - radius, centre.y() - radius, radius * 2, radius * 2);
    half.moveTo(centre.x(), centre.y() - radius);
    half.arcTo(disc, 90, waxing ? -180 : 180);
    half.closeSubpath();
    QPainterPath ellipse;
    ellipse.addEllipse(centre, terminator, radius);
    const QPainterPath litPart = lit < 0.5 ? half.subtracted(ellipse) : half.united(ellipse);
    painter.setBrush(QColor(0xF6, 0xEE, 0xC8));
    painter.drawPath(litPart);
  }
  painter.setPen(QPen(QColor(255, 255, 255, 70), 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(centre, radius, radius);
  painter.restore();
}

// The phases of the Moon in two rows of four, from the new moon round to the old moon.
QImage MoonPhases() {
  const QRectF picture(0, 0, kFigureWidth, kFigureHeight);
  QImage image = Canvas(kFigureWidth, kFigureHeight, QColor(0x14, 0x24, 0x3A));
  QPainter painter(&image);
  Smooth(painter);
  const struct {
    const char* Name;
    double Lit;
    bool Waxing;
  } phases[] = {{"Новолуние", 0, true},   {"Молодая", 0.25, true},     {"Первая четверть", 0.5, true},
                {"Растущая", 0.78, true}, {"Полнолуние", 1, true},     {"Убывающая", 0.78, false},
                {"Последняя четверть", 0.5, false}, {"Старая", 0.25, false}};
  painter.setFont(Font(10, true));
  const QFontMetricsF metrics(painter.font());
  for (int i = 0; i < 8; ++i) {
    const QPointF centre(45 + (i % 4) * 90, 56 + (i / 4) * 104);
    DrawMoon(painter, centre, 27, phases[i].Lit, phases[i].Waxing);
    painter.setPen(QColor(0xE8, 0xEE, 0xF5));
    const QString name = QString::fromUtf8(phases[i].Name);
    // Two-word names go on two lines so that neighbours do not collide.
    const QStringList words = name.split(' ');
    for (int w = 0; w < words.size(); ++w)
      painter.drawText(QRectF(centre.x() - 45, centre.y() + 31 + w * 13, 90, 14), Qt::AlignCenter, words[w]);
  }
  DrawFigureCaption(painter, picture, QString::fromUtf8("Фазы Луны"));
  return image;
}

// A flowering plant over and under the ground: flower, leaves, stem and roots.
QImage PlantParts() {
  const QRectF picture(0, 0, kFigureWidth, kFigureHeight);
  QImage image = Canvas(kFigureWidth, kFigureHeight, kWarmWhite);
  QPainter painter(&image);
  Smooth(painter);
  painter.fillRect(QRectF(0, 0, kFigureWidth, 150), QColor(0xE4, 0xF4, 0xFB));
  painter.fillRect(QRectF(0, 150, kFigureWidth, 80), QColor(0xB0, 0x83, 0x5A));
  painter.fillRect(QRectF(0, 150, kFigureWidth, 4), QColor(0x7A, 0x58, 0x3A));
  const double x = 176;
  // Roots.
  painter.setPen(QPen(QColor(0xF1, 0xE2, 0xC6), 3, Qt::SolidLine, Qt::RoundCap));
  QPainterPath roots;
  roots.moveTo(x, 152);
  roots.cubicTo(x - 2, 176, x + 4, 196, x, 218);
  for (const auto& branch : {QLineF(x, 166, x - 30, 190), QLineF(x + 1, 172, x + 32, 196),
                             QLineF(x, 186, x - 22, 212), QLineF(x + 2, 194, x + 24, 216)}) {
    roots.moveTo(branch.p1());
    roots.quadTo(QPointF((branch.x1() + branch.x2()) / 2, branch.y2() - 16), branch.p2());
  }
  painter.drawPath(roots);
  // Stem and leaves.
  painter.setPen(QPen(kLeafGreen.darker(120), 5, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(x, 152), QPointF(x, 58));
  DrawLeaf(painter, QPointF(x, 126), 46, -58, kLeafGreen);
  DrawLeaf(painter, QPointF(x, 104), 40, 56, kFreshGreen.darker(105));
  DrawLeaf(painter, QPointF(x, 82), 30, -48, kFreshGreen);
  // Flower: petals round a yellow heart.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0xE8, 0x6F, 0x8E));
  for (int i = 0; i < 6; ++i) {
    const double angle = i * kPi / 3;
    painter.drawEllipse(QPointF(x + 14 * std::cos(angle), 44 + 14 * std::sin(angle)), 11, 11);
  }
  painter.setBrush(kSunYellow);
  painter.drawEllipse(QPointF(x, 44), 9, 9);
  DrawCallout(painter, QPointF(x + 22, 40), QPointF(262, 30), QString::fromUtf8("Цветок"));
  DrawCallout(painter, QPointF(x + 30, 90), QPointF(262, 82), QString::fromUtf8("Лист"));
  DrawCallout(painter, QPointF(x + 2, 140), QPointF(110, 140), QString::fromUtf8("Стебель"));
  DrawCallout(painter, QPointF(x + 26, 200), QPointF(262, 200), QString::fromUtf8("Корень"));
  DrawTag(painter, QPointF(14, 62), QString::fromUtf8("Побег"));
  DrawTag(painter, QPointF(14, 170), QString::fromUtf8("Корневая система"));
  DrawFigureCaption(painter, picture, QString::fromUtf8("Органы цветкового растения"));
  return image;
}

// One member of a food chain in a round badge.
void DrawBadge(QPainter& painter, QPointF centre, double radius, const QColor& ground) {
  painter.save();
  painter.setPen(QPen(Qt::white, 3));
  painter.setBrush(ground);
  painter.drawEllipse(centre, radius, radius);
  painter.restore();
}

void DrawHare(QPainter& painter, QPointF at) {
  painter.save();
  painter.translate(at);
  painter.scale(1.2, 1.2);
  painter.setPen(Qt::NoPen);
  const QColor fur(0x9E, 0x93, 0x86);
  painter.setBrush(fur);
  painter.drawEllipse(QPointF(-4, 8), 20, 14);   // body
  painter.drawEllipse(QPointF(14, -6), 10, 9);   // head
  painter.drawEllipse(QPointF(-22, 10), 5, 5);   // tail
  painter.save();
  painter.translate(12, -12);
  painter.rotate(-12);
  painter.drawEllipse(QRectF(-4, -26, 7, 24));  // ears
  painter.rotate(22);
  painter.drawEllipse(QRectF(2, -24, 7, 22));
  painter.restore();
  painter.setBrush(Qt::white);
  painter.drawEllipse(QPointF(-22, 10), 3, 3);
  painter.setBrush(kInk);
  painter.drawEllipse(QPointF(18, -8), 1.8, 1.8);
  painter.restore();
}

void DrawFox(QPainter& painter, QPointF at) {
  painter.save();
  painter.translate(at);
  painter.scale(1.15, 1.15);
  painter.setPen(Qt::NoPen);
  const QColor fur(0xE0, 0x7A, 0x2E);
  painter.setBrush(fur);
  QPainterPath tail;
  tail.moveTo(-16, 8);
  tail.cubicTo(-36, 0, -40, 22, -26, 26);
  tail.cubicTo(-20, 24, -18, 16, -16, 14);
  painter.drawPath(tail);
  painter.drawEllipse(QPointF(-2, 10), 18, 11);  // body
  QPainterPath head;
  head.moveTo(8, -10);
  head.lineTo(12, -24);
  head.lineTo(18, -14);
  head.lineTo(24, -24);
  head.lineTo(26, -8);
  head.lineTo(34, 0);
  head.lineTo(16, 4);
  head.closeSubpath();
  painter.drawPath(head);
  painter.setBrush(Qt::white);
  painter.drawEllipse(QPointF(-30, 23), 4, 3);  // tail tip
  painter.drawPolygon(QPolygonF({QPointF(26, -4), QPointF(34, 0), QPointF(20, 3)}));
  painter.setBrush(kInk);
  painter.drawEllipse(QPointF(34, 0), 2, 2);
  painter.drawEllipse(QPointF(20, -8), 1.6, 1.6);
  painter.restore();
}

// A food chain of a meadow: sunlight, grass, a hare and a fox, joined by arrows.
QImage FoodChain() {
  const QRectF picture(0, 0, kFigureWidth, kFigureHeight);
  QImage image = Canvas(kFigureWidth, kFigureHeight, kWarmWhite);
  QPainter painter(&image);
  Smooth(painter);
  DrawSun(painter, QPointF(40, 52), 18);
  const QPointF grass(64, 142);
  const QPointF hare(180, 142);
  const QPointF fox(296, 142);
  DrawBadge(painter, grass, 44, QColor(0xE3, 0xF2, 0xD3));
  DrawBadge(painter, hare, 44, QColor(0xEE, 0xE8, 0xDE));
  DrawBadge(painter, fox, 44, QColor(0xFB, 0xE6, 0xD2));
  painter.setPen(QPen(kLeafGreen, 3.5, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 9; ++i) {
    const double x = grass.x() - 22 + i * 5.5;
    painter.drawLine(QPointF(x, grass.y() + 22), QPointF(x + (i % 2 ? 6 : -6), grass.y() - 12 - (i % 3) * 6));
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0xF7, 0xF3, 0xE0));
  painter.drawEllipse(grass + QPointF(12, -18), 5, 5);
  painter.setBrush(kSunYellow);
  painter.drawEllipse(grass + QPointF(12, -18), 2.2, 2.2);
  DrawHare(painter, hare + QPointF(0, 6));
  DrawFox(painter, fox + QPointF(-2, 4));
  const QColor arrow(0xC2, 0x6A, 0x1A);
  DrawArrow(painter, QPointF(56, 74), QPointF(64, 94), arrow);
  DrawArrow(painter, grass + QPointF(48, 0), hare - QPointF(48, 0), arrow);
  DrawArrow(painter, hare + QPointF(48, 0), fox - QPointF(48, 0), arrow);
  const struct {
    QPointF Centre;
    const char* Name;
    const char* Role;
  } members[] = {{grass, "Трава", "производитель"}, {hare, "Заяц", "потребитель"}, {fox, "Лиса", "хищник"}};
  for (const auto& member : members) {
    painter.setPen(kInk);
    painter.setFont(Font(13, true));
    painter.drawText(QRectF(member.Centre.x() - 56, 190, 112, 16), Qt::AlignCenter, QString::fromUtf8(member.Name));
    painter.setPen(kInk.lighter(160));
    painter.setFont(Font(10));
    painter.drawText(QRectF(member.Centre.x() - 56, 206, 112, 14), Qt::AlignCenter, QString::fromUtf8(member.Role));
  }
  DrawTag(painter, QPointF(70, 30), QString::fromUtf8("Энергия Солнца"));
  DrawFigureCaption(painter, picture, QString::fromUtf8("Цепь питания на лугу"));
  return image;
}

// A cep over the ground and its mycelium under it.
QImage Mushroom() {
  const QRectF picture(0, 0, kFigureWidth, kFigureHeight);
  QImage image = Canvas(kFigureWidth, kFigureHeight, kWarmWhite);
  QPainter painter(&image);
  Smooth(painter);
  painter.fillRect(QRectF(0, 0, kFigureWidth, 160), QColor(0xE8, 0xF4, 0xE4));
  painter.fillRect(QRectF(0, 160, kFigureWidth, 70), QColor(0x8E, 0x68, 0x48));
  // Mycelium: fine pale threads through the soil.
  painter.setPen(QPen(QColor(0xF3, 0xEA, 0xDA), 1.2));
  for (int i = 0; i < 14; ++i) {
    QPainterPath thread;
    const double x = 150 + (i % 7) * 8 - 24;
    thread.moveTo(x + 20, 166);
    thread.cubicTo(x - 30 + i * 6, 184, x + 40 - i * 5, 200, x - 60 + i * 14, 222 - (i % 3) * 6);
    painter.drawPath(thread);
  }
  // Stem and cap.
  QPainterPath stem;
  stem.moveTo(152, 160);
  stem.cubicTo(140, 130, 146, 100, 156, 92);
  stem.lineTo(196, 92);
  stem.cubicTo(206, 100, 212, 130, 200, 160);
  stem.closeSubpath();
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0xF4, 0xEB, 0xD8));
  painter.drawPath(stem);
  QPainterPath cap;
  cap.moveTo(112, 96);
  cap.cubicTo(112, 30, 240, 30, 240, 96);
  cap.cubicTo(200, 106, 152, 106, 112, 96);
  painter.setBrush(QColor(0x8A, 0x4B, 0x26));
  painter.drawPath(cap);
  painter.setBrush(QColor(255, 255, 255, 60));
  painter.drawEllipse(QPointF(150, 58), 16, 8);
  // A few blades of grass and a fallen leaf.
  painter.setPen(QPen(kLeafGreen, 3, Qt::SolidLine, Qt::RoundCap));
  for (const double x : {40.0, 52.0, 64.0, 270.0, 282.0, 300.0, 316.0})
    painter.drawLine(QPointF(x, 161), QPointF(x + 4, 140));
  DrawLeaf(painter, QPointF(90, 158), 26, 70, QColor(0xE0, 0xA8, 0x3A));
  DrawCallout(painter, QPointF(200, 60), QPointF(262, 44), QString::fromUtf8("Шляпка"));
  DrawCallout(painter, QPointF(198, 130), QPointF(262, 126), QString::fromUtf8("Ножка"));
  DrawCallout(painter, QPointF(120, 204), QPointF(84, 204), QString::fromUtf8("Грибница"), QColor(0xFB, 0xF4, 0xE6));
  DrawFigureCaption(painter, picture, QString::fromUtf8("Строение шляпочного гриба"));
  return image;
}

// A fir tree: a trunk and three stacked triangles.
void DrawFir(QPainter& painter, QPointF base, double height, const QColor& colour) {
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x7A, 0x55, 0x36));
  painter.drawRect(QRectF(base.x() - height * 0.05, base.y() - height * 0.14, height * 0.1, height * 0.14));
  painter.setBrush(colour);
  for (int i = 0; i < 3; ++i) {
    const double bottom = base.y() - height * (0.1 + i * 0.26);
    const double half = height * (0.32 - i * 0.07);
    painter.drawPolygon(QPolygonF({QPointF(base.x() - half, bottom), QPointF(base.x() + half, bottom),
                                   QPointF(base.x(), bottom - height * 0.4)}));
  }
  painter.restore();
}

// Nature under protection: the Red Book beside the sign of a nature reserve in a fir wood.
QImage Protection() {
  const QRectF picture(0, 0, kFigureWidth, kFigureHeight);
  QImage image = Canvas(kFigureWidth, kFigureHeight, kWarmWhite);
  QPainter painter(&image);
  Smooth(painter);
  QLinearGradient sky(0, 0, 0, 200);
  sky.setColorAt(0, QColor(0xD9, 0xF1, 0xFA));
  sky.setColorAt(1, kWarmWhite);
  painter.fillRect(QRectF(0, 0, kFigureWidth, 200), sky);
  DrawHills(painter, QRectF(0, 150, kFigureWidth, 80));
  for (const auto& [x, h] : {std::pair{200.0, 120.0}, {236.0, 150.0}, {280.0, 110.0}, {318.0, 140.0}, {350.0, 100.0}})
    DrawFir(painter, QPointF(x, 206), h, kDeepGreen.lighter(110 + static_cast<int>(h) % 20));
  // The reserve's sign on two posts.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x7A, 0x55, 0x36));
  painter.drawRect(QRectF(222, 150, 6, 62));
  painter.drawRect(QRectF(306, 150, 6, 62));
  painter.setBrush(QColor(0xF6, 0xEE, 0xD6));
  painter.drawRoundedRect(QRectF(206, 124, 122, 40), 6, 6);
  painter.setPen(kDeepGreen);
  painter.setFont(Font(13, true));
  painter.drawText(QRectF(206, 124, 122, 40), Qt::AlignCenter, QString::fromUtf8("Заповедник"));
  // The Red Book, standing a little tilted.
  painter.save();
  painter.translate(96, 124);
  painter.rotate(-6);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x9E, 0x1F, 0x1F));
  painter.drawRoundedRect(QRectF(-66, -84, 132, 170), 6, 6);
  painter.setBrush(QColor(0xC6, 0x2B, 0x2B));
  painter.drawRoundedRect(QRectF(-60, -84, 126, 170), 6, 6);
  painter.setBrush(QColor(0xF2, 0xE6, 0xD0));
  painter.drawRect(QRectF(-60, 80, 124, 5));
  painter.setPen(QColor(0xFF, 0xE6, 0x9A));
  painter.setFont(Font(15, true));
  painter.drawText(QRectF(-60, -72, 126, 24), Qt::AlignCenter, QString::fromUtf8("КРАСНАЯ"));
  painter.drawText(QRectF(-60, -50, 126, 24), Qt::AlignCenter, QString::fromUtf8("КНИГА"));
  // A paw print and a leaf on the cover.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0xFF, 0xE6, 0x9A));
  painter.drawEllipse(QPointF(0, 30), 16, 13);
  for (const QPointF& toe : {QPointF(-17, 8), QPointF(-6, 0), QPointF(6, 0), QPointF(17, 8)}) painter.drawEllipse(toe, 5.5, 7);
  painter.restore();
  DrawLeaf(painter, QPointF(150, 206), 30, 40, kFreshGreen);
  DrawFigureCaption(painter, picture, QString::fromUtf8("Охрана природы"));
  return image;
}

void DrawFish(QPainter& painter, QPointF at) {
  painter.save();
  painter.translate(at);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x4F, 0x9B, 0xC9));
  painter.drawEllipse(QPointF(-2, 0), 22, 12);
  painter.drawPolygon(QPolygonF({QPointF(16, 0), QPointF(30, -12), QPointF(30, 12)}));
  painter.setBrush(QColor(0x3A, 0x7B, 0xA6));
  painter.drawPolygon(QPolygonF({QPointF(-6, -10), QPointF(6, -20), QPointF(8, -9)}));
  painter.setBrush(Qt::white);
  painter.drawEllipse(QPointF(-14, -3), 4, 4);
  painter.setBrush(kInk);
  painter.drawEllipse(QPointF(-15, -3), 2, 2);
  painter.restore();
}

void DrawFrog(QPainter& painter, QPointF at) {
  painter.save();
  painter.translate(at);
  painter.setPen(Qt::NoPen);
  const QColor skin(0x5C, 0xA8, 0x3C);
  painter.setBrush(skin.darker(115));
  painter.drawEllipse(QPointF(-18, 12), 10, 6);
  painter.drawEllipse(QPointF(18, 12), 10, 6);
  painter.setBrush(skin);
  painter.drawEllipse(QPointF(0, 4), 20, 14);
  painter.drawEllipse(QPointF(-9, -10), 7, 7);
  painter.drawEllipse(QPointF(9, -10), 7, 7);
  painter.setBrush(Qt::white);
  painter.drawEllipse(QPointF(-9, -11), 4, 4);
  painter.drawEllipse(QPointF(9, -11), 4, 4);
  painter.setBrush(kInk);
  painter.drawEllipse(QPointF(-9, -11), 2, 2);
  painter.drawEllipse(QPointF(9, -11), 2, 2);
  painter.setPen(QPen(kInk, 1.5, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  painter.drawArc(QRectF(-8, -2, 16, 8), 200 * 16, 140 * 16);
  painter.restore();
}

void DrawTurtle(QPainter& painter, QPointF at) {
  painter.save();
  painter.translate(at);
  painter.setPen(Qt::NoPen);
  const QColor skin(0x9C, 0xB0, 0x5A);
  painter.setBrush(skin);
  for (const QPointF& leg : {QPointF(-14, 10), QPointF(12, 10)}) painter.drawEllipse(leg, 6, 5);
  painter.drawEllipse(QPointF(26, 0), 8, 7);
  painter.setBrush(QColor(0x6E, 0x8B, 0x3D));
  QPainterPath shell;
  shell.moveTo(-24, 6);
  shell.cubicTo(-22, -22, 20, -22, 22, 6);
  shell.closeSubpath();
  painter.drawPath(shell);
  painter.setPen(QPen(QColor(0xC9, 0xD6, 0x8E), 1.5));
  painter.drawLine(QPointF(-8, -12), QPointF(-8, 5));
  painter.drawLine(QPointF(6, -12), QPointF(6, 5));
  painter.drawLine(QPointF(-20, -4), QPointF(19, -4));
  painter.setPen(Qt::NoPen);
  painter.setBrush(kInk);
  painter.drawEllipse(QPointF(29, -2), 1.6, 1.6);
  painter.restore();
}

void DrawBird(QPainter& painter, QPointF at) {
  painter.save();
  painter.translate(at);
  painter.setPen(Qt::NoPen);
  const QColor feathers(0xB0, 0x7A, 0x4A);
  painter.setBrush(feathers.darker(115));
  painter.drawPolygon(QPolygonF({QPointF(-16, 2), QPointF(-30, -4), QPointF(-28, 8)}));  // tail
  painter.setBrush(feathers);
  painter.drawEllipse(QPointF(-2, 4), 17, 12);
  painter.drawEllipse(QPointF(14, -8), 9, 9);
  painter.setBrush(QColor(0xF0, 0xDC, 0xC0));
  painter.drawEllipse(QPointF(2, 8), 10, 6);
  painter.setBrush(feathers.darker(130));
  QPainterPath wing;
  wing.moveTo(-12, 0);
  wing.cubicTo(-4, -10, 8, -4, 6, 6);
  wing.cubicTo(0, 8, -8, 6, -12, 0);
  painter.drawPath(wing);
  painter.setBrush(kSunYellow.darker(110));
  painter.drawPolygon(QPolygonF({QPointF(22, -9), QPointF(30, -6), QPointF(22, -4)}));
  painter.setBrush(kInk);
  painter.drawEllipse(QPointF(16, -10), 1.8, 1.8);
  painter.setPen(QPen(QColor(0x8A, 0x6A, 0x3A), 1.5));
  painter.drawLine(QPointF(-4, 15), QPointF(-6, 22));
  painter.drawLine(QPointF(4, 15), QPointF(4, 22));
  painter.restore();
}

// The five classes of vertebrates, one badge each.
QImage Vertebrates() {
  const QRectF picture(0, 0, kFigureWidth, kFigureHeight);
  QImage image = Canvas(kFigureWidth, kFigureHeight, kWarmWhite);
  QPainter painter(&image);
  Smooth(painter);
  const struct {
    QPointF Centre;
    const char* Name;
    QColor Ground;
  } classes[] = {{{66, 62}, "Рыбы", QColor(0xDD, 0xEF, 0xF8)},
                 {{180, 62}, "Земноводные", QColor(0xE3, 0xF2, 0xD3)},
                 {{294, 62}, "Пресмыкающиеся", QColor(0xEE, 0xF0, 0xD8)},
                 {{122, 160}, "Птицы", QColor(0xF6, 0xEA, 0xDA)},
                 {{238, 160}, "Млекопитающие", QColor(0xEE, 0xE8, 0xDE)}};
  for (const auto& cls : classes) DrawBadge(painter, cls.Centre, 34, cls.Ground);
  DrawFish(painter, classes[0].Centre + QPointF(-2, 0));
  DrawFrog(painter, classes[1].Centre + QPointF(0, 2));
  DrawTurtle(painter, classes[2].Centre + QPointF(-4, 4));
  DrawBird(painter, classes[3].Centre + QPointF(-2, 0));
  DrawHare(painter, classes[4].Centre + QPointF(0, 4));
  painter.setPen(kInk);
  painter.setFont(Font(11, true));
  for (const auto& cls : classes)
    painter.drawText(QRectF(cls.Centre.x() - 60, cls.Centre.y() + 36, 120, 16), Qt::AlignCenter,
                     QString::fromUtf8(cls.Name));
  DrawFigureCaption(painter, picture, QString::fromUtf8("Классы позвоночных животных"));
  return image;
}

// The icon of the textbook's lists: an open book with a leaf, on a round green plate.
QImage BookIcon() {
  const int size = 64;
  QImage image = Canvas(size, size, Qt::transparent);
  QPainter painter(&image);
  Smooth(painter);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kDeepGreen);
  painter.drawEllipse(QRectF(2, 2, size - 4, size - 4));
  painter.setBrush(Qt::white);
  QPainterPath left;
  left.moveTo(32, 22);
  left.cubicTo(24, 17, 16, 17, 11, 19);
  left.lineTo(11, 45);
  left.cubicTo(16, 43, 24, 43, 32, 48);
  left.closeSubpath();
  painter.drawPath(left);
  QTransform mirror;
  mirror.translate(64, 0);
  mirror.scale(-1, 1);
  painter.setBrush(QColor(0xEE, 0xF6, 0xF0));
  painter.drawPath(mirror.map(left));
  DrawLeaf(painter, QPointF(38, 40), 17, 24, kFreshGreen);
  return image;
}

// The icon of the exam pages: a clipboard with ticks and a small clock.
QImage ExamIcon() {
  const int size = 96;
  QImage image = Canvas(size, size, Qt::transparent);
  QPainter painter(&image);
  Smooth(painter);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0xC9, 0x95, 0x5C));
  painter.drawRoundedRect(QRectF(14, 10, 56, 76), 6, 6);
  painter.setBrush(Qt::white);
  painter.drawRect(QRectF(20, 20, 44, 60));
  painter.setBrush(QColor(0x7A, 0x8C, 0x84));
  painter.drawRoundedRect(QRectF(30, 5, 24, 11), 3, 3);
  for (int i = 0; i < 3; ++i) {
    const double y = 34 + i * 15;
    painter.setPen(QPen(kLeafGreen, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygonF({QPointF(25, y), QPointF(29, y + 4), QPointF(36, y - 4)}));
    painter.setPen(QPen(QColor(0xC8, 0xC2, 0xB4), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(41, y), QPointF(58, y));
  }
  const QPointF clock(70, 70);
  painter.setPen(QPen(Qt::white, 3));
  painter.setBrush(kSunYellow);
  painter.drawEllipse(clock, 18, 18);
  painter.setPen(QPen(kInk, 2.5, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(clock, clock + QPointF(0, -11));
  painter.drawLine(clock, clock + QPointF(8, 4));
  return image;
}

struct TPicture {
  const char* File;
  QImage (*Draw)();
};

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_art FOLDER\n");
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.mkpath(".")) {
    std::fprintf(stderr, "make_art: cannot make %s\n", argv[1]);
    return 1;
  }
  const TPicture pictures[] = {
      {"splash.jpg", Splash},           {"banner.jpg", Banner},
      {"cell.png", PlantCell},          {"water_cycle.png", WaterCycle},
      {"solar_system.png", SolarSystem}, {"lab_tools.png", LabTools},
      {"water_states.png", WaterStates}, {"air.png", AirComposition},
      {"soil_layers.png", SoilLayers},  {"earth_layers.png", EarthLayers},
      {"moon_phases.png", MoonPhases},  {"plant_parts.png", PlantParts},
      {"food_chain.png", FoodChain},    {"mushroom.png", Mushroom},
      {"protection.png", Protection},   {"vertebrates.png", Vertebrates},
      {"icon_book.png", BookIcon},      {"icon_exam.png", ExamIcon},
  };
  for (const TPicture& picture : pictures) {
    const QString path = folder.filePath(picture.File);
    // Opaque pictures: JPEG keeps no alpha, and PNG files come out smaller without it.
    // Icons keep their transparent corners, so that they sit on any page colour.
    const bool icon = std::string_view(picture.File).starts_with("icon_");
    const QImage image = picture.Draw().convertToFormat(icon ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    const int quality = path.endsWith(".jpg") ? 90 : -1;
    if (!image.save(path, nullptr, quality)) {
      std::fprintf(stderr, "make_art: cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
