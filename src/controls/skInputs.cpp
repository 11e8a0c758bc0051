#include "skInputs.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <limits>

#include "pack/gPackUtils.h"
#include "platform/TextCodec.h"
#include "util/uUtils.h"

namespace kv {

namespace {

// Between a list entry's caption and its argument, in course files and in FData.
const std::string kArgumentMark = "#;#";

// A typed character a digits-only box refuses. Backspace counts as typed;
// control characters (Enter, Escape, Delete, shortcuts such as copy and
// paste) do not, so those keys keep working.
bool TypesNonDigit(const QKeyEvent* event) {
  if (event->key() == Qt::Key_Backspace) return true;
  const QString text = event->text();
  return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isPrint() && (c < u'0' || c > u'9'); });
}

}  // namespace

// --- TSkEditBox --------------------------------------------------------------

TSkEditBox::TSkEditBox(QWidget* parent) : QLineEdit(parent) { setFocusPolicy(Qt::StrongFocus); }

int TSkEditBox::Value() const {
  if (!FOnlyNumber) return 0;
  return text().toInt();  // 0 for an empty text or one that is not a decimal integer
}

void TSkEditBox::SetValue(int n) {
  if (!FOnlyNumber) return;
  setText(QString::number(n));
  PushMinimum();
}

void TSkEditBox::PushMinimum() {
  if (FMinLink) FMinLink->SetMinimum(Value());
}

void TSkEditBox::SetMinimum(int a) {
  FMinimum = a;
  if (Value() < a) SetValue(a);
}

void TSkEditBox::SetMinLink(TSkEditBox* box) { FMinLink = box && box->FOnlyNumber ? box : nullptr; }

void TSkEditBox::keyPressEvent(QKeyEvent* event) {
  if (FOnlyNumber && TypesNonDigit(event)) return;  // swallowed: the box stays a number
  QLineEdit::keyPressEvent(event);
}

void TSkEditBox::keyReleaseEvent(QKeyEvent* event) {
  if (FOnlyNumber) {
    if (Value() < FMinimum)
      SetValue(FMinimum);
    else
      PushMinimum();
  }
  QLineEdit::keyReleaseEvent(event);
  // Last: the action it runs may close the form and this box with it.
  emit KeyReleased(event->key());
}

// --- TSkSpinEdit -------------------------------------------------------------

TSkSpinEdit::TSkSpinEdit(QWidget* parent) : QSpinBox(parent) {
  // The limits are kept here rather than as QSpinBox's range: a course sets
  // them in any order, and the range would clamp the value on the way.
  setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
  setValue(0);
  connect(this, &QSpinBox::valueChanged, this, [this](int value) {
    // Once per change: with a minimum above the maximum the two rules would
    // otherwise push the value back and forth for ever (the maximum wins).
    if (FClamping) return;
    int clamped = value;
    if (clamped < FMin) clamped = static_cast<int>(FMin);
    if (clamped > FMax) clamped = static_cast<int>(FMax);
    if (clamped == value) return;
    FClamping = true;
    setValue(clamped);
    FClamping = false;
  });
}

void TSkSpinEdit::SetMaxLimit(int x) {
  FMax = x;
  if (x < value()) setValue(x);
}

void TSkSpinEdit::SetMinLimit(int x) {
  FMin = x;
  if (x > value()) setValue(x);
}

// --- TSkComboBox -------------------------------------------------------------

TSkComboBox::TSkComboBox(QWidget* parent) : QComboBox(parent) {
  // Not the wheel focus QComboBox takes by default: the wheel is ignored here.
  setFocusPolicy(Qt::StrongFocus);
  // Text typed into the box must not become an item without an argument.
  setInsertPolicy(QComboBox::NoInsert);
  SetReadOnly(false);
}

void TSkComboBox::SetReadOnly(bool on) {
  FReadOnly = on;
  setEditable(!on);
}

void TSkComboBox::AddItem(const std::string& caption, const std::string& argument) {
  if (caption.empty()) return;
  FArguments.push_back(argument);
  addItem(ToQString(caption));
}

void TSkComboBox::LoadLines(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    std::string argument = line;
    const std::string caption = SplitFirst(argument, ";");
    AddItem(caption, argument);
  }
}

void TSkComboBox::ClearItems() {
  clear();
  FArguments.clear();
}

std::string TSkComboBox::SelectedArgument() const {
  const int index = currentIndex();
  if (index < 0 || index >= static_cast<int>(FArguments.size())) return {};
  return FArguments[index];
}

void TSkComboBox::LoadFile(const std::string& name) {
  ClearItems();
  LoadLines(LoadPackStrings(name));
}

void TSkComboBox::wheelEvent(QWheelEvent* event) {
  // Passed on to the parent, which may scroll: scrolling a page past the box must not change an answer.
  event->ignore();
}

// --- TSkListBox --------------------------------------------------------------

TSkListBox::TSkListBox(QWidget* parent) : QListWidget(parent) { setFocusPolicy(Qt::StrongFocus); }

void TSkListBox::ClearItems() {
  setUpdatesEnabled(false);
  clear();
  setUpdatesEnabled(true);
  FData.clear();
}

void TSkListBox::AddItem(const std::string& caption, const std::string& argument) {
  addItem(ToQString(caption));
  FData.push_back(caption + kArgumentMark + argument);
}

void TSkListBox::LoadLines(const std::vector<std::string>& lines) {
  ClearItems();
  for (const std::string& line : lines) {
    std::string argument = line;
    const std::string caption = SplitFirst(argument, kArgumentMark);
    AddItem(caption, argument);
  }
}

std::string TSkListBox::ArgumentAt(int i) const {
  if (i < 0 || i >= static_cast<int>(FData.size())) return {};
  std::string argument = FData[i];
  SplitFirst(argument, kArgumentMark);
  return argument;
}

void TSkListBox::LoadFile(const std::string& name) {
  const std::vector<std::string> lines = LoadPackStrings(name);
  if (lines.empty()) return;  // an empty or missing file keeps what the list shows
  LoadLines(lines);
}

bool TSkListBox::viewportEvent(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QListWidget::viewportEvent(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const QListWidgetItem* item = itemAt(help->pos());
  const QString text = item ? item->text() : QString();
  if (!item || QFontMetrics(QFont()).horizontalAdvance(text) <= width() - 25)
    return QListWidget::viewportEvent(event);
  const QRect rect = visualItemRect(item);
  const QPoint corner = viewport()->mapToGlobal(QPoint(0, rect.top()));
  const int left = mapToGlobal(QPoint(0, 0)).x() - 2;
  QToolTip::showText(QPoint(left, corner.y() - 1), text, viewport(), rect);
  return true;
}

}  // namespace kv
