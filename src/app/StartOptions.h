// The player's command line: kvarnel [COURSE_DIR] [--screenshot FILE].
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace kv {

struct TStartOptions {
  QString CourseFolder;   // empty: the demo course built with the player
  QString ScreenshotFile; // set: write the main window as PNG and quit
};

// None when the arguments are not understood; `error` then says why.
std::optional<TStartOptions> ParseStartOptions(const QStringList& arguments, QString& error);

QString UsageText();

}  // namespace kv
