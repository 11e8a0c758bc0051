// Drives the player from a script of user actions, one a line, without a
// person: run commands, click, choose, type, press keys, wait, take
// screenshots and dumps. Lines keep running while a modal window is open.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <QStringList>
#include <string>

namespace kv {

class TSkStract;
class THtmlFormLayer;

class TScriptRunner : public QObject {
  Q_OBJECT

 public:
  explicit TScriptRunner(const QStringList& lines, QObject* parent = nullptr);
  // Reads a UTF-8 script file; false when it cannot be read.
  static bool ReadScript(const QString& file, QStringList& lines);

  // Runs the lines from the event loop, once `window` has been drawn on the
  // screen for the first time, and quits the player after the last.
  void Start(QWidget& window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Step();
  void RunLine(const QString& line);
  TSkStract* Find(const QString& description);
  void Fail(const QString& text);
  // Sets the form control with that HTML id: "1"/"0" for radio and check boxes, the text otherwise.
  void SetFormControl(THtmlFormLayer& forms, const QString& id, const QString& value);

  QStringList FLines;
  int FNext = 0;
  // A line is running, and the modal window that was active when it started.
  bool FRunning = false;
  QPointer<QWidget> FModalAtStart;
};

}  // namespace kv
