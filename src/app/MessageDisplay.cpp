#include "MessageDisplay.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

#include "platform/TextCodec.h"
#include "util/Cp1251.h"
#include "util/Messages.h"

namespace kv {
namespace {

std::vector<std::string>& Shown() {
  static std::vector<std::string> shown;
  return shown;
}

}  // namespace

const std::vector<std::string>& ShownMessages() { return Shown(); }

void InstallMessageDisplay(bool unattended) {
  if (unattended) {
    SetMessageSink([](const std::string& text) {
      Shown().push_back(Cp1251ToUtf8(text));
      std::fprintf(stderr, "message: %s\n", Shown().back().c_str());
      std::fflush(stderr);
    });
    return;
  }
  SetMessageSink([](const std::string& text) {
    Shown().push_back(Cp1251ToUtf8(text));
    QMessageBox::information(QApplication::activeWindow(), QApplication::applicationDisplayName(), ToQString(text));
  });
}

}  // namespace kv
