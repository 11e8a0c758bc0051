#include "StartOptions.h"

namespace kv {

std::optional<TStartOptions> ParseStartOptions(const QStringList& arguments, QString& error) {
  TStartOptions options;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (argument == "--screenshot") {
      if (i + 1 >= arguments.size()) {
        error = "--screenshot needs a file name";
        return std::nullopt;
      }
      options.ScreenshotFile = arguments[++i];
    } else if (argument.startsWith("--")) {
      error = "unknown option " + argument;
      return std::nullopt;
    } else if (options.CourseFolder.isEmpty()) {
      options.CourseFolder = argument;
    } else {
      error = "more than one course folder given";
      return std::nullopt;
    }
  }
  return options;
}

QString UsageText() { return "usage: kvarnel [COURSE_DIR] [--screenshot FILE]"; }

}  // namespace kv
