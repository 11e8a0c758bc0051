#include "HtmlFormLayer.h"

#include <QAbstractTextDocumentLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "HtmlFormScanner.h"

namespace kv {

namespace {

using TKind = THtmlFormLayer::TKind;
using TAttributes = std::map<QString, QString>;
using TRadioGroups = std::map<QString, QButtonGroup*>;

// No field grows wider or taller than this many characters or lines, so that
// a stray size="99999" cannot make a huge widget and placeholder picture.
constexpr int kMaxChars = 300;
constexpr int kMaxRows = 100;

const QLatin1String kPrefix(kFormPlaceholderPrefix.data(), static_cast<qsizetype>(kFormPlaceholderPrefix.size()));

QUrl PlaceholderUrl(int index) { return QUrl(kPrefix + QString::number(index)); }

// The control index a placeholder character stands for, -1 for any other character.
int PlaceholderIndex(const QTextCharFormat& format) {
  if (!format.isImageFormat()) return -1;
  const QString name = format.toImageFormat().name();
  if (!name.startsWith(kPrefix)) return -1;
  bool ok = false;
  const int index = name.mid(kPrefix.size()).toInt(&ok);
  return ok ? index : -1;
}

QString Attribute(const TAttributes& attributes, const QString& name) {
  const auto found = attributes.find(name);
  return found == attributes.end() ? QString() : found->second;
}

// A count (size, cols, rows) read as browsers read it: its leading digits;
// `fallback` when there are none or they make 0.
int CountAttribute(const TAttributes& attributes, const QString& name, int fallback, int limit) {
  int count = 0;
  for (const QChar c : Attribute(attributes, name).trimmed()) {
    if (c < u'0' || c > u'9') break;
    count = std::min(count * 10 + (c.unicode() - u'0'), limit);
  }
  return count > 0 ? count : fallback;
}

TKind KindOf(const THtmlFormElement& element, const TAttributes& attributes) {
  if (element.Tag == "select") return TKind::Select;
  if (element.Tag == "textarea") return TKind::Textarea;
  static const std::map<QString, TKind> kTypes = {
      {"", TKind::Text},         {"text", TKind::Text},         {"password", TKind::Password},
      {"radio", TKind::Radio},   {"checkbox", TKind::Checkbox}, {"button", TKind::Button},
      {"submit", TKind::Submit}, {"hidden", TKind::Hidden}};
  const auto kind = kTypes.find(Attribute(attributes, "type").trimmed().toLower());
  return kind == kTypes.end() ? TKind::Other : kind->second;
}

int SelectedOption(const std::vector<THtmlOption>& options) {
  // The last option marked wins, as in browsers; without one the first is chosen.
  const auto selected = std::find_if(options.rbegin(), options.rend(), [](const THtmlOption& o) { return o.Selected; });
  if (selected != options.rend()) return static_cast<int>(options.rend() - selected) - 1;
  return options.empty() ? -1 : 0;
}

QWidget* MakeLineEdit(const TAttributes& attributes, bool password, QWidget* parent) {
  auto* edit = new QLineEdit(Attribute(attributes, "value"), parent);
  if (password) edit->setEchoMode(QLineEdit::Password);
  const int maxLength = CountAttribute(attributes, "maxlength", 0, edit->maxLength());
  if (maxLength > 0) edit->setMaxLength(maxLength);
  const QFontMetrics metrics = edit->fontMetrics();
  const int height = edit->sizeHint().height();
  const int chars = CountAttribute(attributes, "size", 20, kMaxChars);
  // The frame and margins beside the text are taken to be as wide as those above and below it.
  edit->resize(metrics.averageCharWidth() * chars + height - metrics.height(), height);
  return edit;
}

QWidget* MakeTextArea(const TAttributes& attributes, const std::string& content, QWidget* parent) {
  auto* area = new QPlainTextEdit(QString::fromStdString(content), parent);
  const QFontMetrics metrics = area->fontMetrics();
  const int frame = 2 * (area->frameWidth() + static_cast<int>(std::ceil(area->document()->documentMargin())));
  area->resize(metrics.averageCharWidth() * CountAttribute(attributes, "cols", 20, kMaxChars) + frame,
               metrics.lineSpacing() * CountAttribute(attributes, "rows", 2, kMaxRows) + frame);
  return area;
}

QWidget* MakeComboBox(const std::vector<THtmlOption>& options, QWidget* parent) {
  auto* combo = new QComboBox(parent);
  for (const THtmlOption& option : options) combo->addItem(QString::fromStdString(option.Text));
  combo->setCurrentIndex(SelectedOption(options));
  combo->resize(combo->sizeHint());
  return combo;
}

// A list `rows` entries high, wide enough for its longest entry.
QWidget* MakeList(const std::vector<THtmlOption>& options, int rows, QWidget* parent) {
  auto* list = new QListWidget(parent);
  for (const THtmlOption& option : options) list->addItem(QString::fromStdString(option.Text));
  list->setCurrentRow(SelectedOption(options));
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  const int frame = 2 * list->frameWidth();
  const int rowHeight = list->count() > 0 ? list->sizeHintForRow(0) : list->fontMetrics().height();
  const int scrollBar = list->count() > rows ? list->verticalScrollBar()->sizeHint().width() : 0;
  list->resize(std::max(list->sizeHintForColumn(0), 0) + scrollBar + frame, rowHeight * rows + frame);
  return list;
}

// Radio buttons of one name are exclusive; one without a name stands alone.
// The group lives as long as the button that made it.
QWidget* MakeRadioButton(const TAttributes& attributes, TRadioGroups& groups, QWidget* parent) {
  auto* radio = new QRadioButton(parent);
  const QString name = Attribute(attributes, "name");
  QButtonGroup*& group = groups[name];
  if (name.isEmpty() || !group) group = new QButtonGroup(radio);
  group->addButton(radio);
  radio->setChecked(attributes.contains("checked"));
  radio->resize(radio->sizeHint());
  return radio;
}

QWidget* MakeCheckBox(const TAttributes& attributes, QWidget* parent) {
  auto* check = new QCheckBox(parent);
  check->setChecked(attributes.contains("checked"));
  check->resize(check->sizeHint());
  return check;
}

QWidget* MakeButton(const TAttributes& attributes, QWidget* parent) {
  auto* button = new QPushButton(Attribute(attributes, "value"), parent);
  button->resize(button->sizeHint());
  return button;
}

QWidget* MakeWidget(TKind kind, const THtmlFormElement& element, const TAttributes& attributes, TRadioGroups& groups,
                    QWidget* parent) {
  switch (kind) {
    case TKind::Text:
    case TKind::Password:
      return MakeLineEdit(attributes, kind == TKind::Password, parent);
    case TKind::Textarea:
      return MakeTextArea(attributes, element.Content, parent);
    case TKind::Select: {
      const int rows = CountAttribute(attributes, "size", 1, kMaxRows);
      return rows > 1 ? MakeList(element.Options, rows, parent) : MakeComboBox(element.Options, parent);
    }
    case TKind::Radio:
      return MakeRadioButton(attributes, groups, parent);
    case TKind::Checkbox:
      return MakeCheckBox(attributes, parent);
    case TKind::Hidden:
      return nullptr;
    case TKind::Button:
    case TKind::Submit:
    case TKind::Other:
      break;
  }
  return MakeButton(attributes, parent);
}

THtmlFormLayer::TControl MakeControl(int index, const THtmlFormElement& element, TRadioGroups& groups,
                                     QWidget* parent) {
  THtmlFormLayer::TControl control;
  control.Index = index;
  for (const auto& [name, value] : element.Attributes)
    control.Attributes.emplace(QString::fromStdString(name), QString::fromStdString(value));
  control.Id = Attribute(control.Attributes, "id");
  control.Name = Attribute(control.Attributes, "name");
  control.Kind = KindOf(element, control.Attributes);
  control.Widget = MakeWidget(control.Kind, element, control.Attributes, groups, parent);
  if (!control.Widget) return control;
  control.Widget->hide();  // until Place() finds its placeholder
  control.Widget->setEnabled(!control.Attributes.contains("disabled"));
  return control;
}

// Where the top left of a placeholder `height` pixels high at `position` of
// the document lies in the viewer's viewport; none while it is not laid out.
std::optional<QPoint> PlaceholderTopLeft(const QTextBrowser& viewer, int position, int height) {
  const QTextDocument* document = viewer.document();
  const QTextBlock block = document->findBlock(position);
  // Qt lays a long page out bit by bit; a control whose text is not laid out
  // yet waits (hidden) for the next placing rather than forcing the whole
  // page's layout now.
  if (!block.layout() || block.layout()->lineCount() == 0) return std::nullopt;
  const QRectF blockRect = document->documentLayout()->blockBoundingRect(block);
  const int inBlock = position - block.position();
  const QTextLine line = block.layout()->lineForTextPosition(inBlock);
  if (!line.isValid()) return std::nullopt;
  // A picture stands on the base line of its line.
  const QPointF inDocument(blockRect.left() + line.cursorToX(inBlock),
                           blockRect.top() + line.y() + line.ascent() - height);
  const QPointF scrolled(viewer.horizontalScrollBar()->value(), viewer.verticalScrollBar()->value());
  return (inDocument - scrolled).toPoint();
}

void SetButtonChecked(QAbstractButton& button, bool checked) {
  // An exclusive group keeps its checked button checked; the exam logic may clear it all the same.
  QButtonGroup* group = checked ? nullptr : button.group();
  if (group) group->setExclusive(false);
  button.setChecked(checked);
  if (group) group->setExclusive(true);
}

}  // namespace

THtmlFormLayer::THtmlFormLayer(QTextBrowser* viewer) : QObject(viewer), FViewer(viewer) {
  // Positions move only when the text does; markContentsDirty() does not count.
  connect(viewer->document(), &QTextDocument::contentsChange, this, [this] { FPositionsKnown = false; });
}

QString THtmlFormLayer::Prepare(const QString& html) {
  Clear();
  const THtmlFormScan scan = ScanHtmlForms(html.toStdString());
  TRadioGroups groups;
  FControls.reserve(scan.Elements.size());
  for (const THtmlFormElement& element : scan.Elements) {
    const int index = static_cast<int>(FControls.size());
    FControls.push_back(MakeControl(index, element, groups, FViewer->viewport()));
    if (FControls.back().Attributes.contains("readonly")) SetReadOnly(index, true);
  }
  FPublished.resize(FControls.size());
  for (const TControl& control : FControls) Publish(control.Index);
  return QString::fromStdString(scan.Html);
}

QImage THtmlFormLayer::Placeholder(int index) const {
  QImage image(PlaceholderSize(index), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

QSize THtmlFormLayer::PlaceholderSize(int index) const {
  const TControl* control = ControlAt(index);
  // 1×1 rather than nothing: the layout still needs a picture.
  const bool shown = control && control->Widget && !control->Hidden;
  return shown ? control->Widget->size() : QSize(1, 1);
}

void THtmlFormLayer::Place() {
  if (FControls.empty()) return;
  if (!FPositionsKnown) FindPlaceholders();
  // The page is laid out down to the bottom of what the view shows; controls
  // further down wait for their text to be laid out (Qt does that bit by bit).
  const qreal bottom = FViewer->verticalScrollBar()->value() + FViewer->viewport()->height();
  FViewer->document()->documentLayout()->hitTest(QPointF(0, bottom), Qt::FuzzyHit);
  for (std::size_t i = 0; i < FControls.size(); ++i) {
    QWidget* widget = FControls[i].Widget;
    if (!widget) continue;
    std::optional<QPoint> topLeft;
    if (FPositions[i] >= 0 && !FControls[i].Hidden)
      topLeft = PlaceholderTopLeft(*FViewer, FPositions[i], widget->height());
    if (topLeft) widget->move(*topLeft);
    widget->setVisible(topLeft.has_value());
  }
}

void THtmlFormLayer::Clear() {
  // Later, not now: the page may be changing from a handler of one of these widgets.
  for (const TControl& control : FControls) {
    if (!control.Widget) continue;
    control.Widget->hide();
    control.Widget->deleteLater();
  }
  FControls.clear();
  FPositions.clear();
  FPositionsKnown = false;
  FPublished.clear();
  FLocked.clear();
}

void THtmlFormLayer::Publish(int index) {
  FPublished[index] = PlaceholderSize(index);
  FViewer->document()->addResource(QTextDocument::ImageResource, PlaceholderUrl(index), Placeholder(index));
}

void THtmlFormLayer::FindPlaceholders() {
  FPositions.assign(FControls.size(), -1);
  FPositionsKnown = true;
  for (QTextBlock block = FViewer->document()->begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      const int index = PlaceholderIndex(fragment.charFormat());
      if (index >= 0 && index < static_cast<int>(FPositions.size()) && FPositions[index] < 0)
        FPositions[index] = fragment.position();
    }
  }
}

void THtmlFormLayer::Relayout() {
  if (!FPositionsKnown) FindPlaceholders();
  // The document lays out again the span from the first picture that changed
  // size to the last: on a long page far less than all of it.
  int from = std::numeric_limits<int>::max();
  int to = -1;
  for (std::size_t i = 0; i < FControls.size(); ++i) {
    const int index = static_cast<int>(i);
    if (PlaceholderSize(index) == FPublished[i]) continue;
    Publish(index);
    if (FPositions[i] < 0) continue;
    from = std::min(from, FPositions[i]);
    to = std::max(to, FPositions[i]);
  }
  if (to >= 0) FViewer->document()->markContentsDirty(from, to - from + 1);
  Place();
}

const THtmlFormLayer::TControl* THtmlFormLayer::ControlAt(int index) const {
  if (index < 0 || index >= static_cast<int>(FControls.size())) return nullptr;
  return &FControls[index];
}

QWidget* THtmlFormLayer::WidgetAt(int index) const {
  const TControl* control = ControlAt(index);
  return control ? control->Widget.data() : nullptr;
}

QString THtmlFormLayer::Text(int index) const {
  const TControl* control = ControlAt(index);
  if (!control) return {};
  QWidget* widget = control->Widget;
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
  if (auto* area = qobject_cast<QPlainTextEdit*>(widget)) return area->toPlainText();
  if (auto* combo = qobject_cast<QComboBox*>(widget)) return combo->currentText();
  if (auto* list = qobject_cast<QListWidget*>(widget))
    return list->currentItem() ? list->currentItem()->text() : QString();
  if (auto* button = qobject_cast<QPushButton*>(widget)) return button->text();
  // Hidden inputs, radio buttons and check boxes have no text of their own: theirs is the value they send.
  return Attribute(control->Attributes, "value");
}

void THtmlFormLayer::SetText(int index, const QString& text) {
  if (!ControlAt(index)) return;
  QWidget* widget = FControls[index].Widget;
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->setText(text);
  if (auto* area = qobject_cast<QPlainTextEdit*>(widget)) return area->setPlainText(text);
  if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    const int entry = combo->findText(text);
    if (entry >= 0) combo->setCurrentIndex(entry);
    return;
  }
  if (auto* list = qobject_cast<QListWidget*>(widget)) {
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    if (!found.isEmpty()) list->setCurrentItem(found.first());
    return;
  }
  if (auto* button = qobject_cast<QPushButton*>(widget)) return button->setText(text);
  FControls[index].Attributes[QStringLiteral("value")] = text;
}

bool THtmlFormLayer::Checked(int index) const {
  const auto* button = qobject_cast<const QAbstractButton*>(WidgetAt(index));
  return button && button->isChecked();
}

void THtmlFormLayer::SetChecked(int index, bool checked) {
  auto* button = qobject_cast<QAbstractButton*>(WidgetAt(index));
  if (button && button->isCheckable()) SetButtonChecked(*button, checked);
}

int THtmlFormLayer::Selection(int index) const {
  QWidget* widget = WidgetAt(index);
  if (auto* combo = qobject_cast<QComboBox*>(widget)) return combo->currentIndex();
  if (auto* list = qobject_cast<QListWidget*>(widget)) return list->currentRow();
  return -1;
}

void THtmlFormLayer::SetSelection(int index, int entry) {
  QWidget* widget = WidgetAt(index);
  if (auto* combo = qobject_cast<QComboBox*>(widget)) combo->setCurrentIndex(entry);
  if (auto* list = qobject_cast<QListWidget*>(widget)) list->setCurrentRow(entry);
}

void THtmlFormLayer::SetColors(int index, const QColor& background, const QColor& text) {
  QWidget* widget = WidgetAt(index);
  if (!widget) return;
  // Each kind of widget paints with its own roles: set them all.
  QPalette palette = widget->palette();
  if (background.isValid())
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
      palette.setColor(role, background);
  if (text.isValid())
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
      palette.setColor(role, text);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
  // The player's style sheet overrides palettes: the colours go into the widget's own sheet as well.
  TControl& control = FControls[static_cast<std::size_t>(index)];
  if (background.isValid()) control.Background = background;
  if (text.isValid()) control.TextColor = text;
  QString sheet;
  if (control.Background.isValid()) sheet += "background: " + control.Background.name() + ";";
  if (control.TextColor.isValid()) sheet += "color: " + control.TextColor.name() + ";";
  widget->setStyleSheet(sheet);
}

void THtmlFormLayer::Blank(int index) {
  QWidget* widget = WidgetAt(index);
  if (!widget) return;
  SetText(index, QString());
  widget->setCursor(Qt::ArrowCursor);
  widget->setStyleSheet("border: none; background: #FFFFFF;");
}

void THtmlFormLayer::SetReadOnly(int index, bool readOnly) {
  QWidget* widget = WidgetAt(index);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->setReadOnly(readOnly);
  if (auto* area = qobject_cast<QPlainTextEdit*>(widget)) return area->setReadOnly(readOnly);
  if (!widget || readOnly == FLocked.contains(index)) return;
  // The others keep their look (a disabled widget greys its text): they just
  // stop taking clicks, and focus, which would let keys change them.
  if (readOnly) {
    FLocked.emplace(index, widget->focusPolicy());
    widget->clearFocus();
    widget->setFocusPolicy(Qt::NoFocus);
  } else {
    widget->setFocusPolicy(FLocked.at(index));
    FLocked.erase(index);
  }
  widget->setAttribute(Qt::WA_TransparentForMouseEvents, readOnly);
}

bool THtmlFormLayer::ReadOnly(int index) const {
  QWidget* widget = WidgetAt(index);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->isReadOnly();
  if (auto* area = qobject_cast<QPlainTextEdit*>(widget)) return area->isReadOnly();
  return FLocked.contains(index);
}

bool THtmlFormLayer::HideElement(const QString& id) {
  const int index = IndexOfId(id);
  if (index < 0) return false;
  FControls[index].Hidden = true;
  if (FControls[index].Widget) FControls[index].Widget->hide();
  Relayout();
  return true;
}

int THtmlFormLayer::IndexOfId(const QString& id) const {
  if (id.isEmpty()) return -1;  // a control without an id has none, not the empty one
  const auto found = std::find_if(FControls.begin(), FControls.end(), [&](const TControl& c) { return c.Id == id; });
  return found == FControls.end() ? -1 : static_cast<int>(found - FControls.begin());
}

QString THtmlFormLayer::KindName(TKind kind) {
  switch (kind) {
    case TKind::Text:
    case TKind::Password:
      return QStringLiteral("text");
    case TKind::Radio:
      return QStringLiteral("radio");
    case TKind::Checkbox:
      return QStringLiteral("checkbox");
    case TKind::Select:
      return QStringLiteral("select");
    case TKind::Textarea:
      return QStringLiteral("textarea");
    case TKind::Button:
    case TKind::Submit:
    case TKind::Hidden:
    case TKind::Other:
      break;
  }
  return QStringLiteral("other");
}

}  // namespace kv
