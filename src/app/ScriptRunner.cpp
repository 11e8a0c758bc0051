#include "ScriptRunner.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileInfo>
#include <QImageWriter>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QKeyEvent>
#include <QTimer>
#include <QWindow>
#include <cstdio>

#include "StateDump.h"
#include "controls/skInputs.h"
#include "controls/skPanels.h"
#include "interpreter/skUseStract.h"
#include "platform/KeyCodes.h"
#include "platform/TextCodec.h"
#include "skForm.h"
#include "util/Cp1251.h"
#include "util/Errors.h"
#include "util/Messages.h"
#include "viewers/HtmlFormLayer.h"
#include "viewers/skHTML.h"

namespace kv {
namespace {

// The first word of `rest`, which keeps what follows it (leading blanks dropped).
QString TakeWord(QString& rest) {
  rest = rest.trimmed();
  const qsizetype blank = rest.indexOf(' ');
  const QString word = blank < 0 ? rest : rest.left(blank);
  rest = blank < 0 ? QString() : rest.mid(blank + 1);
  return word;
}

void SendKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  QCoreApplication::sendEvent(target, &press);
  QCoreApplication::sendEvent(target, &release);
}

int KeyOfCharacter(QChar c) {
  if (c.isDigit()) return Qt::Key_0 + c.digitValue();
  if (c.toUpper() >= 'A' && c.toUpper() <= 'Z') return c.toUpper().unicode();
  if (c == ' ') return Qt::Key_Space;
  return 0;
}

}  // namespace

TScriptRunner::TScriptRunner(const QStringList& lines, QObject* parent) : QObject(parent), FLines(lines) {}

bool TScriptRunner::ReadScript(const QString& file, QStringList& lines) {
  QFile script(file);
  if (!script.open(QIODevice::ReadOnly)) return false;
  lines = QString::fromUtf8(script.readAll()).split('\n');
  return true;
}

void TScriptRunner::Start(QWidget& window) {
  // The window is drawn when the screen first exposes it; the lines run after that.
  QWindow* handle = window.windowHandle();
  if (!handle || handle->isExposed()) {
    QTimer::singleShot(0, this, &TScriptRunner::Step);
    return;
  }
  handle->installEventFilter(this);
}

bool TScriptRunner::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
    watched->removeEventFilter(this);
    // Queued: the window paints itself while the exposure is handled.
    QTimer::singleShot(0, this, &TScriptRunner::Step);
  }
  return false;
}

void TScriptRunner::Step() {
  // A line that lets pending events run in the middle of its work (a page
  // repainting while it loads) is not interrupted by the next line; a modal
  // window it opens is what the next lines act on.
  if (FRunning && QApplication::activeModalWidget() == FModalAtStart) {
    QTimer::singleShot(0, this, &TScriptRunner::Step);
    return;
  }
  if (FNext >= FLines.size()) {
    QApplication::exit(0);
    return;
  }
  const QString line = FLines[FNext++].trimmed();
  // The next line is due before this one runs, so that a modal window this
  // line opens does not hold the script up.
  QTimer::singleShot(0, this, &TScriptRunner::Step);
  if (line.isEmpty() || line.startsWith('#')) return;
  const QPointer<QWidget> outerModal = FModalAtStart;
  const bool outerRunning = FRunning;
  FModalAtStart = QApplication::activeModalWidget();
  FRunning = true;
  try {
    RunLine(line);
  } catch (const EError& error) {
    ShowMessage(error.what());
  }
  FRunning = outerRunning;
  FModalAtStart = outerModal;
}

TSkStract* TScriptRunner::Find(const QString& description) {
  const std::string name = FromQString(description);
  const auto& living = TSkStract::Living();
  for (auto it = living.rbegin(); it != living.rend(); ++it)
    if (SameText((*it)->FileName(), name)) return *it;
  Fail("no window of the description " + description);
  return nullptr;
}

void TScriptRunner::Fail(const QString& text) {
  std::fprintf(stderr, "script line %d: %s\n", FNext, qPrintable(text));
}

void TScriptRunner::SetFormControl(THtmlFormLayer& forms, const QString& id, const QString& value) {
  const int index = forms.IndexOfId(id);
  if (index < 0) return Fail("no form control with the id " + id);
  switch (forms.Controls()[static_cast<std::size_t>(index)].Kind) {
    case THtmlFormLayer::TKind::Radio:
    case THtmlFormLayer::TKind::Checkbox: forms.SetChecked(index, value.trimmed() == "1"); break;
    default: forms.SetText(index, value); break;
  }
}

void TScriptRunner::RunLine(const QString& line) {
  QString rest = line;
  const QString verb = TakeWord(rest).toLower();
  if (verb == "quit") {
    QApplication::exit(0);
    return;
  }
  if (verb == "wait") {
    QEventLoop loop;
    QTimer::singleShot(rest.trimmed().toInt(), &loop, &QEventLoop::quit);
    loop.exec();
    return;
  }
  if (verb == "dump") {
    QFile file(rest.trimmed());
    if (!file.open(QIODevice::WriteOnly)) return Fail("cannot write " + rest.trimmed());
    file.write(QJsonDocument(DumpState()).toJson());
    return;
  }
  TSkStract* stract = Find(TakeWord(rest));
  if (!stract) return;
  TSkForm* form = stract->Form();
  if (verb == "run") {
    stract->RunCommandString(FromQString(rest.trimmed()));
  } else if (verb == "screenshot") {
    // PNG, or the format the file's extension names (".bmp", ".ppm").
    const QString file = rest.trimmed();
    const bool named = QImageWriter::supportedImageFormats().contains(QFileInfo(file).suffix().toLower().toLatin1());
    if (!form->grab().save(file, named ? nullptr : "PNG")) Fail("cannot write " + file);
  } else if (verb == "key") {
    const TShortCut shortCut = TextToShortCut(FromQString(rest.trimmed()));
    if (shortCut == 0) return Fail("unknown key " + rest.trimmed());
    QWidget* focus = form->focusWidget();
    SendKey(focus ? focus : form, QtKeyOf(shortCut), ModifiersOf(shortCut), QString());
  } else if (verb == "link" || verb == "form") {
    auto* html = qobject_cast<TSkHtml*>(stract->GetControl(FromQString(TakeWord(rest))));
    if (!html) return Fail("not an HTML view");
    if (verb == "link") return html->FollowLink(FromQString(rest.trimmed()));
    SetFormControl(*html->Viewer()->Forms(), TakeWord(rest), rest);
  } else if (verb == "click" || verb == "select" || verb == "text") {
    QObject* object = stract->GetControl(FromQString(TakeWord(rest)));
    if (!object) return;
    if (verb == "click") {
      if (auto* button = qobject_cast<QAbstractButton*>(object)) button->click();
      else stract->FireControl(object);
    } else if (verb == "select") {
      const int index = rest.trimmed().toInt();
      if (auto* combo = qobject_cast<TSkComboBox*>(object)) combo->setCurrentIndex(index);
      else if (auto* list = qobject_cast<TSkListBox*>(object)) list->setCurrentRow(index);
      else return Fail("not a list: " + object->objectName());
      stract->FireControl(object);
    } else {
      auto* edit = qobject_cast<TSkEditBox*>(object);
      if (!edit) return Fail("not an edit box: " + object->objectName());
      edit->setFocus();
      for (const QChar c : rest) SendKey(edit, KeyOfCharacter(c), Qt::NoModifier, QString(c));
    }
  } else {
    Fail("unknown action " + verb);
  }
}

}  // namespace kv
