#include "StartOptions.h"

namespace kv {

std::optional<TStartOptions> ParseStartOptions(const QStringList& arguments, QString& error) {
  TStartOptions options;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (argument == "--screenshot" || argument == "--script" || argument == "--seed") {
      if (i + 1 >= arguments.size()) {
        error = argument + " needs a value";
        return std::nullopt;
      }
      const QString value = arguments[++i];
      if (argument == "--screenshot") options.ScreenshotFile = value;
      if (argument == "--script") options.ScriptFile = value;
      if (argument == "--seed") {
        bool ok = false;
        options.Seed = value.toUInt(&ok);
        if (!ok) {
          error = "--seed needs a whole number, not " + value;
          return std::nullopt;
        }
      }
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

QString UsageText() { return "usage: kvarnel [COURSE_DIR] [--screenshot FILE] [--script FILE [--seed N]]"; }

}  // namespace kv
