// The reference for the player's start-up: a minimal Qt program that shows
// one page in a QTextBrowser, draws its window once and ends, as
// `kvarnel --script` does with a script of "screenshot FILE" and "quit".
// usage: startup_reference PAGE.html SCREENSHOT.png
#include <QApplication>
#include <QFile>
#include <QTextBrowser>
#include <QTimer>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 3) return 2;
  QFile page(QString::fromLocal8Bit(argv[1]));
  if (!page.open(QIODevice::ReadOnly)) return 2;
  QTextBrowser browser;
  browser.resize(900, 600);
  browser.setHtml(QString::fromUtf8(page.readAll()));
  browser.show();
  QTimer::singleShot(0, [&] {
    browser.grab().save(QString::fromLocal8Bit(argv[2]), "PNG");
    QApplication::quit();
  });
  return QApplication::exec();
}
