// The reference for the player's start-up: a minimal Qt program that shows
// one course page, with its style sheet and pictures from disk, in a
// QTextBrowser and ends once the window has been drawn on the screen, as
// `kvarnel --script` does with a script of "quit". Given a file name, it
// writes the drawn window there first.
// usage: startup_reference PAGE.htm [SCREENSHOT]
#include <QApplication>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QWindow>

namespace {

// Ends the program after the window's first exposure has been painted.
class TQuitWhenDrawn : public QObject {
 public:
  TQuitWhenDrawn(QWidget& window, QString screenshot) : FWindow(window), FScreenshot(std::move(screenshot)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Expose || !static_cast<QWindow*>(watched)->isExposed()) return false;
    watched->removeEventFilter(this);
    QTimer::singleShot(0, [this] {
      if (!FScreenshot.isEmpty()) FWindow.grab().save(FScreenshot);
      QApplication::quit();
    });
    return false;
  }

 private:
  QWidget& FWindow;
  QString FScreenshot;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) return 2;
  QTextBrowser browser;
  browser.resize(900, 600);
  browser.setSource(QUrl::fromLocalFile(QString::fromLocal8Bit(argv[1])));
  TQuitWhenDrawn quit(browser, argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString());
  browser.winId();  // the window exists before it is shown, so its exposure is seen
  browser.windowHandle()->installEventFilter(&quit);
  browser.show();
  return QApplication::exec();
}
