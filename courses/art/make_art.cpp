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
void DrawCallout(QPainter& painter, QPointF point, QPointF label, const QString& text) {
  painter.save();
  painter.setPen(QPen(kInk, 1.2));
  painter.drawLine(point, label);
  painter.setBrush(kInk);
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
      {"solar_system.png", SolarSystem},
  };
  for (const TPicture& picture : pictures) {
    const QString path = folder.filePath(picture.File);
    // Opaque pictures: JPEG keeps no alpha, and PNG files come out smaller without it.
    const QImage image = picture.Draw().convertToFormat(QImage::Format_RGB32);
    const int quality = path.endsWith(".jpg") ? 90 : -1;
    if (!image.save(path, nullptr, quality)) {
      std::fprintf(stderr, "make_art: cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
