// For benchmarks and fuzz targets that drive widgets: one application object
// drawing offscreen and a temporary course folder, both for the whole process.
#pragma once

#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "util/Messages.h"
#include "util/uUtils.h"

namespace kv::test {

// Starts the application offscreen (once) and returns a fresh temporary
// course folder (ending in '/') that is the program's folder; messages are
// dropped. The application is never destroyed: at exit Qt's own statics may
// already be gone. The folder goes when the process ends.
inline std::string StartOffscreenHost() {
  static int argc = 1;
  static char name[] = "kvarnel-host";
  static char* argv[] = {name, nullptr};
  if (!QApplication::instance()) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(argc, argv);
  }
  std::string pattern = (std::filesystem::temp_directory_path() / "kvhost.XXXXXX").string();
  if (!mkdtemp(pattern.data())) std::abort();
  static std::string removed;
  removed = pattern;
  std::atexit([] {
    std::error_code error;
    std::filesystem::remove_all(removed, error);
  });
  SetProgramFolder(pattern);
  SetMessageSink([](const std::string&) {});
  return pattern + "/";
}

}  // namespace kv::test
