#include "StateDump.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QComboBox>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QSpinBox>
#include <QStackedWidget>

#include "MessageDisplay.h"
#include "controls/skButtons.h"
#include "controls/skPopMenu.h"
#include "interpreter/skUseStract.h"
#include "platform/TextCodec.h"
#include "viewers/HtmlFormLayer.h"
#include "viewers/skHTML.h"
#include "skForm.h"
#include "uMain.h"
#include "tutor/Exam.h"
#include "tutor/Journal.h"
#include "util/DiskFile.h"

namespace kv {
namespace {

QString Utf8(const std::string& cp1251) { return ToQString(cp1251); }

// What a script needs of an HTML view: the page, its history and its form controls.
void DumpHtml(const TSkHtml& html, QJsonObject& dump) {
  dump["file"] = Utf8(html.CurrentFile());
  dump["title"] = Utf8(html.Title());
  dump["text"] = Utf8(html.PlainText());
  QJsonArray history;
  for (const auto& entry : html.History()) history.append(Utf8(entry.File));
  dump["history"] = history;
  dump["history_index"] = html.HistoryIndex();
  dump["position"] = html.GetPosition();
  const THtmlFormLayer& forms = *html.Viewer()->Forms();
  QJsonArray controls;
  for (const auto& control : forms.Controls()) {
    QJsonObject attributes;
    for (const auto& [name, value] : control.Attributes) attributes[name] = value;
    controls.append(QJsonObject{{"id", control.Id},
                                {"kind", THtmlFormLayer::KindName(control.Kind)},
                                {"text", forms.Text(control.Index)},
                                {"checked", forms.Checked(control.Index)},
                                {"visible", !control.Hidden && control.Kind != THtmlFormLayer::TKind::Hidden},
                                {"read_only", forms.ReadOnly(control.Index)},
                                {"attributes", attributes}});
  }
  dump["form"] = controls;
}

QJsonObject DumpObject(const TSkStract::TRegistered& entry) {
  QObject* object = entry.Object;
  QJsonObject dump{{"name", Utf8(entry.Name)}, {"type", QString::fromStdString(entry.Type)}};
  QString text;
  bool down = false;
  bool checked = false;
  QJsonArray items;
  int selected = -1;
  int position = 0;
  auto* widget = qobject_cast<QWidget*>(object);
  if (auto* speed = qobject_cast<TSkSpeedButton*>(object)) {
    text = speed->text();
    down = speed->isChecked() || speed->isDown();
  } else if (auto* button = qobject_cast<QAbstractButton*>(object)) {
    text = button->text();
    checked = button->isCheckable() && button->isChecked();
  } else if (auto* label = qobject_cast<QLabel*>(object)) {
    text = label->text();
  } else if (auto* edit = qobject_cast<QLineEdit*>(object)) {
    text = edit->text();
  } else if (auto* combo = qobject_cast<QComboBox*>(object)) {
    text = combo->currentText();
    for (int i = 0; i < combo->count(); ++i) items.append(combo->itemText(i));
    selected = combo->currentIndex();
  } else if (auto* list = qobject_cast<QListWidget*>(object)) {
    for (int i = 0; i < list->count(); ++i) items.append(list->item(i)->text());
    selected = list->currentRow();
  } else if (auto* spin = qobject_cast<QSpinBox*>(object)) {
    text = spin->text();
    position = spin->value();
  } else if (auto* slider = qobject_cast<QAbstractSlider*>(object)) {
    position = slider->value();
  } else if (auto* bar = qobject_cast<QProgressBar*>(object)) {
    position = bar->value();
  } else if (auto* menu = qobject_cast<TSkPopMenu*>(object)) {
    for (TSkItem* item : menu->FItemList) items.append(item->text());
    selected = menu->FCheckIndex;
  }
  // A menu is no control on the page: its own visibility is whether it is open.
  dump["visible"] = widget ? !widget->isHidden() : false;
  dump["enabled"] = widget ? widget->isEnabled() : true;
  dump["text"] = text;
  dump["down"] = down;
  dump["checked"] = checked;
  dump["items"] = items;
  dump["selected"] = selected;
  dump["position"] = position;
  if (const auto* html = qobject_cast<TSkHtml*>(object)) DumpHtml(*html, dump);
  const QRect geometry = widget && !qobject_cast<TSkPopMenu*>(object) ? widget->geometry() : QRect();
  dump["x"] = geometry.x();
  dump["y"] = geometry.y();
  dump["width"] = geometry.width();
  dump["height"] = geometry.height();
  return dump;
}

}  // namespace

QJsonObject DumpState() {
  QJsonArray messages;
  for (const std::string& message : ShownMessages()) messages.append(QString::fromStdString(message));
  QJsonArray windows;
  for (const TSkStract* stract : TSkStract::Living()) {
    QJsonArray objects;
    for (const auto& entry : stract->Objects())
      if (entry.Object) objects.append(DumpObject(entry));
    windows.append(QJsonObject{{"description", Utf8(stract->FileName())},
                               {"visible", stract->Form()->isVisible()},
                               {"page", stract->PageIndex()},
                               // Whether its page is the one its window shows.
                               {"active", stract->Page() && stract->Form()->Notebook() &&
                                              stract->Form()->Notebook()->currentWidget() == stract->Page()},
                               {"objects", objects}});
  }
  QJsonObject dump{{"messages", messages}, {"windows", windows}};
  for (QWidget* window : QApplication::topLevelWidgets())
    if (const auto* main = qobject_cast<TfrmMain*>(window)) {
      const TTutorState& state = main->State();
      dump["tutor"] = QJsonObject{{"topic_index", state.TopicIndex},
                                  {"page_kind", QString::fromStdString(state.PageKind)},
                                  {"print_mode", state.PrintMode},
                                  {"remaining", state.Remaining},
                                  {"right_count", state.RightCount},
                                  {"control_id", state.ControlId},
                                  {"journal", QString::fromStdString(NativePathOf(main->Journal().File()))},
                                  {"exam_running", main->Exam().Running()}};
    }
  return dump;
}

}  // namespace kv
