#include "MessageDisplay.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

#include "platform/TextCodec.h"
#include "util/Cp1251.h"
#include "util/Messages.h"

namespace kv {

void InstallMessageDisplay(bool unattended) {
  if (unattended) {
    SetMessageSink([](const std::string& text) {
      std::fprintf(stderr, "message: %s\n", Cp1251ToUtf8(text).c_str());
      std::fflush(stderr);
    });
    return;
  }
  SetMessageSink([](const std::string& text) {
    QMessageBox::information(QApplication::activeWindow(), QApplication::applicationDisplayName(), ToQString(text));
  });
}

}  // namespace kv
