// The player's command line: kvarnel [COURSE_DIR] [--screenshot FILE] [--script FILE [--seed N]].
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace kv {

struct TStartOptions {
  QString CourseFolder;   // empty: the demo course built with the player
  QString ScreenshotFile; // set: write the main window as PNG and quit
  QString ScriptFile;     // set: run the script of user actions, then quit
  std::optional<quint32> Seed;  // makes every random draw repeatable

  // Nobody is there to click message boxes away.
  bool Unattended() const { return !ScreenshotFile.isEmpty() || !ScriptFile.isEmpty(); }
};

// None when the arguments are not understood; `error` then says why.
std::optional<TStartOptions> ParseStartOptions(const QStringList& arguments, QString& error);

QString UsageText();

}  // namespace kv
