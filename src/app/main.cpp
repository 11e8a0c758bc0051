// kvarnel [COURSE_DIR] [--screenshot FILE] [--script FILE [--seed N]]: the course player.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <cstdio>

#include "MessageDisplay.h"
#include "ScriptRunner.h"
#include "StartOptions.h"
#include "uMain.h"
#include "util/Random.h"
#include "util/uUtils.h"

namespace {

// The built-in look of every window; set before the first window exists, so
// that every control is polished with it from the start.
void ApplyDefaultTheme() {
  QFile sheet(":/theme/DefaultTheme.qss");
  if (!sheet.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "kvarnel: the default theme is missing from the program\n");
    return;
  }
  qApp->setStyleSheet(QString::fromUtf8(sheet.readAll()));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("kvarnel");
  QApplication::setApplicationDisplayName(QString::fromUtf8("Кварнель"));

  QString error;
  const auto options = kv::ParseStartOptions(QApplication::arguments(), error);
  if (!options) {
    std::fprintf(stderr, "kvarnel: %s\n%s\n", qPrintable(error), qPrintable(kv::UsageText()));
    return 2;
  }
  const QString course = options->CourseFolder.isEmpty() ? QString(KV_DEMO_COURSE) : options->CourseFolder;
  if (!QDir(course).exists()) {
    std::fprintf(stderr, "kvarnel: no course folder %s\n", qPrintable(course));
    return 2;
  }
  QStringList script;
  if (!options->ScriptFile.isEmpty() && !kv::TScriptRunner::ReadScript(options->ScriptFile, script)) {
    std::fprintf(stderr, "kvarnel: cannot read the script %s\n", qPrintable(options->ScriptFile));
    return 2;
  }
  if (options->Seed) kv::SeedRandom(*options->Seed);
  kv::SetProgramFolder(QDir(course).absolutePath().toStdString());
  kv::InstallMessageDisplay(options->Unattended());
  ApplyDefaultTheme();

  kv::TfrmMain mainWindow;
  mainWindow.show();
  kv::TScriptRunner runner(script);
  if (!options->ScriptFile.isEmpty()) runner.Start(mainWindow);
  if (!options->ScreenshotFile.isEmpty()) {
    QTimer::singleShot(300, [&] {
      const bool saved = mainWindow.grab().save(options->ScreenshotFile, "PNG");
      if (!saved) std::fprintf(stderr, "kvarnel: cannot write %s\n", qPrintable(options->ScreenshotFile));
      QApplication::exit(saved ? 0 : 1);
    });
  }
  return QApplication::exec();
}
