#include "Journal.h"

#include <QDir>
#include <QSaveFile>

#include "AnswerCheck.h"
#include "Options.h"
#include "TutorScreen.h"
#include "pack/gPackUtils.h"
#include "platform/SystemServices.h"
#include "platform/TextCodec.h"
#include "util/Cp1251.h"
#include "util/DiskFile.h"
#include "util/Messages.h"
#include "viewers/skHTML.h"

namespace kv {
namespace {

constexpr int kApplicationDataFolder = 26;

}  // namespace

TJournal::TJournal(TTutorScreen& screen, const TDate& options) : FScreen(screen), FOptions(options) {}

std::string TJournal::Folder() const {
  return SpecialFolder(kApplicationDataFolder) + "\\" + FOptions.DirJournal + "\\";
}

bool TJournal::Exists() const { return DiskFileExists(File()); }

void TJournal::Show() {
  FScreen.Apply(TScreen::Journal);
  TSkHtml* html = FScreen.Html();
  if (!html) return;
  html->LoadPage(Exists() ? File() : kJournalTemplate);
}

bool TJournal::Write(const std::string& text) {
  const QString folder = QString::fromStdString(NativePathOf(Folder()));
  QSaveFile out(QString::fromStdString(NativePathOf(File())));
  const bool written = QDir().mkpath(folder) && out.open(QIODevice::WriteOnly) &&
                       out.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size()) &&
                       out.commit();
  if (!written) ShowMessage(Utf8ToCp1251("Журнал не записан: ") + File() + " (" + FromQString(out.errorString()) + ")");
  return written;
}

void TJournal::Clear() {
  std::string text;
  for (const std::string& line : LoadPackStrings(kJournalTemplate)) text += line + "\r\n";
  if (Write(text)) Show();
}

bool TJournal::AppendRow(const std::string& row) {
  const std::string source = Exists() ? File() : kJournalTemplate;
  std::string text;
  if (!InsertJournalRow(LoadPackStrings(source), row, text)) {
    ShowMessage(Utf8ToCp1251("Результат не записан в журнал: в ") + source +
                Utf8ToCp1251(" нет метки <insert>, куда вписываются строки."));
    return false;
  }
  return Write(text);
}

}  // namespace kv
