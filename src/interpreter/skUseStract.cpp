#include "skUseStract.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QStackedWidget>
#include <QStyle>
#include <algorithm>
#include <cctype>

#include "BuildOrder.h"
#include "skValues.h"
#include "app/skForm.h"
#include "controls/skButtons.h"
#include "controls/skFlash.h"
#include "controls/skInputs.h"
#include "controls/skLabels.h"
#include "controls/skPanels.h"
#include "controls/skPopMenu.h"
#include "viewers/skHTML.h"
#include "platform/TextCodec.h"
#include "util/Cp1251.h"
#include "util/Errors.h"
#include "util/Messages.h"
#include "util/uUtils.h"

namespace kv {
namespace {

std::vector<TSkStract*>& LivingList() {
  static std::vector<TSkStract*> living;
  return living;
}

bool IsContainerType(const std::string& type) {
  return type == "panel" || type == "parent_panel" || type == "scroll_box";
}

// The widget that children of a container are placed on.
QWidget* ChildParentOf(QObject* container) {
  if (auto* scroll = qobject_cast<TSkScrollBox*>(container)) return scroll->Content();
  return qobject_cast<QWidget*>(container);
}

// Sizes a freshly created control has before its description sizes it.
QSize DefaultSize(const std::string& type) {
  static const std::pair<const char*, QSize> kSizes[] = {
      {"button", {75, 25}},     {"sp_button", {23, 22}},   {"panel", {185, 41}},    {"parent_panel", {100, 50}},
      {"split", {3, 100}},      {"label", {100, 17}},      {"track_bar", {150, 30}}, {"list_box", {121, 97}},
      {"scroll_box", {185, 41}}, {"edit_box", {121, 23}},  {"check_box", {97, 19}}, {"r_button", {113, 19}},
      {"progress_bar", {150, 16}}, {"combo_box", {145, 23}}, {"spin_edit", {121, 23}}, {"html", {300, 200}}, {"flash", {320, 240}},
  };
  for (const auto& [name, size] : kSizes)
    if (type == name) return size;
  return {100, 25};
}

// Style sheets match a control's theme when they polish it, which showing it
// does before its keys are read (a combo box is polished as soon as it is
// made): so the theme, the theme object of the section's skin if it names one,
// is set first, and a control polished already is polished again while no key
// has given it a palette or font that unpolishing would drop.
void SetStartTheme(QWidget* widget, bool defaultTheme, const std::string& skin) {
  const std::string themeObject = HeadBefore(skin, "*");
  if (themeObject.empty() && !defaultTheme) return;
  widget->setProperty("theme", themeObject.empty() ? QString("default") : ToQString(themeObject));
  if (!widget->testAttribute(Qt::WA_WState_Polished)) return;
  widget->style()->unpolish(widget);
  widget->style()->polish(widget);
}

}  // namespace

TSkStract::TSkStract(TSkForm* form, const std::string& fileName) : QObject(form), FForm(form), FFileName(fileName) {
  FForm->OnAction = [this](RHelpAction& action) { Guarded([&] { ExecuteAction(action); }); };
  FForm->FStructFile = fileName;
  LivingList().push_back(this);
}

TSkStract::~TSkStract() {
  auto& living = LivingList();
  living.erase(std::remove(living.begin(), living.end(), this), living.end());
  CloseSplash();
  for (TRegistered& entry : FObjects)
    if (entry.Object) delete entry.Object.data();
  if (FForm) {
    FForm->OnAction = nullptr;
    FForm->OnResizeForm = nullptr;
    FForm->OnMaximise = nullptr;
  }
}

const std::vector<TSkStract*>& TSkStract::Living() { return LivingList(); }

void TSkStract::Guarded(const std::function<void()>& work) {
  try {
    work();
  } catch (const EError& error) {
    ShowMessage(error.what());
  }
}

QWidget* TSkStract::Page() const {
  QStackedWidget* book = FForm->Notebook();
  return book && FPageIndex >= 0 ? book->widget(FPageIndex) : nullptr;
}

void TSkStract::Build() {
  FIni = TPakIniFile(FFileName);
  const std::vector<std::string> sections = FIni.SectionNames();
  if (sections.empty()) {
    ShowMessage(Utf8ToCp1251("Нету данных в ") + FFileName + Utf8ToCp1251(". Это безусловно End..."));
    return;
  }
  std::vector<TBuildEntry> work;
  std::vector<std::string> types;
  for (const std::string& name : sections) {
    work.push_back(TBuildEntry{name, FIni.ReadValue(name, "master", "")});
    types.push_back(LowerCase(FIni.ReadValue(name, "type", "")));
  }
  auto removeWhere = [&](const char* type, const std::function<void(const std::string&)>& onEach) {
    for (std::size_t i = 0; i < work.size();) {
      if (types[i] != type) {
        ++i;
        continue;
      }
      const std::string name = work[i].Name;
      work.erase(work.begin() + static_cast<std::ptrdiff_t>(i));
      types.erase(types.begin() + static_cast<std::ptrdiff_t>(i));
      onEach(name);
    }
  };
  removeWhere("form", [this](const std::string& name) { ApplyFormSection(name); });
  removeWhere("pop_menu", [this](const std::string& name) { MakeObject(FForm, name, "pop_menu"); });

  const auto left = CreateInBuildOrder(work, FFormName, [this](const TBuildEntry& entry, const std::string& parent) {
    QWidget* host = parent.empty() ? Page() : ChildParentOf(GetControl(parent));
    if (!host) host = FForm->ClientArea();
    const std::string type = LowerCase(FIni.ReadValue(entry.Name, "type", ""));
    QObject* container = MakeObject(host, entry.Name, type);
    if (parent.empty() && FForm->FPageColor.isValid() && Page()) {
      Page()->setAutoFillBackground(true);
      QPalette palette = Page()->palette();
      palette.setColor(QPalette::Window, FForm->FPageColor);
      Page()->setPalette(palette);
    }
    return container != nullptr;
  });
  for (const TBuildEntry& entry : left)
    ReportError(Utf8ToCp1251("Объект ") + entry.Name + Utf8ToCp1251(" не создан: не найден его контейнер ") +
                entry.Master);

  RunCommandString(FForm->FStartCommand);
  if (FCloseSplashAuto) CloseSplash();
  else if (FSplashBar) FSplashBar->setValue(FSplashBar->maximum());
  FForm->OnResizeForm = [this](int width, int height) { Guarded([&] { ResizeForm(width, height); }); };
}

void TSkStract::ApplyFormSection(const std::string& name) {
  const std::string color = FIni.ReadValue(name, "color", "");
  FFormName = LowerCase(name);
  SetProperty(FForm, name, "form");
  if (!color.empty()) FForm->FPageColor = ToQColor(ParseColor(color));
  QStackedWidget* book = FForm->Notebook();
  auto* page = new QWidget();
  if (!book) {
    book = FForm->EnsureNotebook();
    page->setObjectName("Default");
    if (FForm->FDragAnywhere) FForm->ConnectDrag(book);
  } else {
    page->setObjectName(QString("p%1").arg(book->count()));
  }
  book->addWidget(page);
  book->setCurrentWidget(page);
  // The page has its real size before the objects' sizes and percentages are applied.
  FForm->LayOutNow();
  if (FForm->FDragAnywhere) FForm->ConnectDrag(page);
  FPageIndex = book->currentIndex();
}

void TSkStract::ActivatePage() {
  QStackedWidget* book = FForm->Notebook();
  if (book && FPageIndex >= 0) book->setCurrentIndex(FPageIndex);
  FForm->OnAction = [this](RHelpAction& action) { Guarded([&] { ExecuteAction(action); }); };
  FForm->OnResizeForm = [this](int width, int height) { Guarded([&] { ResizeForm(width, height); }); };
  FForm->OnMaximise = [this](bool maximised) {
    if (!FForm->FMaximisedButtons.empty() && !FForm->FNormalButtons.empty()) ShowMaximisedButtons(!maximised);
  };
  ResizeForm(FForm->ClientArea()->width(), FForm->ClientArea()->height());
  ShowMaximisedButtons(FForm->IsMaximised());
}

void TSkStract::ResizeForm(int width, int height) {
  for (const TRegistered& entry : FObjects) {
    if (!entry.Object) continue;
    if (auto* panel = qobject_cast<TSkPanel*>(entry.Object)) panel->Recenter();
    if (auto* parentPanel = qobject_cast<TParentPanel*>(entry.Object)) {
      parentPanel->Recenter();
      parentPanel->ApplyPercent();
    }
  }
  if (FForm->isVisible()) RunCommandString("resize_form*" + std::to_string(width) + "*" + std::to_string(height));
}

void TSkStract::ShowMaximisedButtons(bool maximised) {
  const bool report = FReportErrors;
  FReportErrors = false;
  auto setAll = [this](const std::string& names, bool visible) {
    std::string rest = names;
    while (!rest.empty())
      if (auto* button = GetSpButton(SplitFirst(rest, ";"))) button->setVisible(visible);
  };
  setAll(FForm->FMaximisedButtons, maximised);
  setAll(FForm->FNormalButtons, !maximised);
  FReportErrors = report;
}

QObject* TSkStract::MakeObject(QWidget* parent, const std::string& name, const std::string& rawType) {
  const std::string type = LowerCase(rawType);
  const QString objectName = ToQString(name);
  if (type == "form") {
    ApplyFormSection(name);
    return nullptr;
  }
  if (type == "pop_menu") {
    auto* menu = new TSkPopMenu(FForm);
    menu->setObjectName(objectName);
    connect(menu, &TSkPopMenu::ItemChosen, this, [this](TSkItem* item) { Guarded([&] { FireControl(item); }); });
    BuildMenu(menu, name);
    Register(menu, name, type);
    return nullptr;
  }
  if (type == "hot_key") {
    FForm->FHotKeys.RegisterHotKeySection(FForm->Notebook() ? FForm->Notebook()->currentIndex() : -1, FIni, name);
    return nullptr;
  }
  if (type == "none") return nullptr;

  CheckName(parent, name);
  QWidget* widget = nullptr;
  bool defaultTheme = false;
  if (type == "button") {
    auto* button = new TSkButton(parent);
    connect(button, &QPushButton::clicked, this, [this, button] { Guarded([&] { FireControl(button); }); });
    widget = button;
    defaultTheme = true;
  } else if (type == "sp_button") {
    auto* button = new TSkSpeedButton(parent);
    connect(button, &QToolButton::clicked, this, [this, button] { Guarded([&] { FireControl(button); }); });
    widget = button;
    defaultTheme = true;
  } else if (type == "panel") {
    auto* panel = new TSkPanel(parent);
    connect(panel, &TSkPanel::DoubleClicked, this, [this, panel] { Guarded([&] { FireControl(panel); }); });
    widget = panel;
    defaultTheme = true;
  } else if (type == "parent_panel") {
    widget = new TParentPanel(parent);
  } else if (type == "split") {
    widget = new TSkSplitter(parent);
    defaultTheme = true;
  } else if (type == "label") {
    widget = new TSkLabel(parent);
    defaultTheme = true;
  } else if (type == "track_bar") {
    widget = new TSkTrackBar(parent);
    defaultTheme = true;
  } else if (type == "list_box") {
    widget = new TSkListBox(parent);
    defaultTheme = true;
  } else if (type == "scroll_box") {
    widget = new TSkScrollBox(parent);
    defaultTheme = true;
  } else if (type == "edit_box") {
    auto* edit = new TSkEditBox(parent);
    connect(edit, &TSkEditBox::KeyReleased, this, [this, edit](int key) { Guarded([&] { ControlKeyUp(edit, key); }); });
    edit->clear();
    widget = edit;
  } else if (type == "check_box") {
    auto* box = new TSkCheckBox(parent);
    connect(box, &QCheckBox::clicked, this, [this, box] { Guarded([&] { FireControl(box); }); });
    box->setText(objectName);
    widget = box;
  } else if (type == "r_button") {
    auto* radio = new TSkRadioButton(parent);
    radio->setText(QString());
    widget = radio;
  } else if (type == "progress_bar") {
    widget = new TSkProgressBar(parent);
  } else if (type == "combo_box") {
    auto* combo = new TSkComboBox(parent);
    connect(combo, &QComboBox::activated, this, [this, combo] { Guarded([&] { FireControl(combo); }); });
    widget = combo;
  } else if (type == "spin_edit") {
    widget = new TSkSpinEdit(parent);
  } else if (type == "html") {
    auto* html = new TSkHtml(parent);
    html->FOnCommand = [this](RHelpAction& action) { Guarded([&] { ExecuteAction(action); }); };
    widget = html;
  } else if (type == "flash") {
    auto* flash = new TSkFlash(parent);
    flash->FOnCommand = [this](RHelpAction& action) { Guarded([&] { ExecuteAction(action); }); };
    widget = flash;
  } else {
    ReportError("MakeObject. " + Utf8ToCp1251("Объект ") + name + Utf8ToCp1251(" имеет неизвестный тип ") + rawType);
    return nullptr;
  }
  widget->setObjectName(objectName);
  widget->resize(DefaultSize(type));
  SetStartTheme(widget, defaultTheme, FIni.ReadValue(name, "skin", ""));
  widget->show();
  // Registered before its keys are read, so that a failing key leaves no stray control behind.
  Register(widget, name, type);
  SetProperty(widget, name, type);
  if (auto* list = qobject_cast<TSkListBox*>(widget))
    connect(list, &QListWidget::itemDoubleClicked, this, [this, list] { Guarded([&] { FireControl(list); }); });
  return IsContainerType(type) ? widget : nullptr;
}

void TSkStract::CheckName(QWidget* parent, const std::string& name) {
  const bool identifier =
      !name.empty() && !std::isdigit(static_cast<unsigned char>(name[0])) &&
      std::all_of(name.begin(), name.end(), [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; });
  if (!identifier) throw EError("MakeObject. " + Utf8ToCp1251("Недопустимое имя объекта: ") + name);
  for (const TRegistered& entry : FObjects) {
    auto* widget = qobject_cast<QWidget*>(entry.Object);
    if (widget && widget->parentWidget() == parent && SameText(entry.Name, name))
      throw EError("MakeObject. " + Utf8ToCp1251("Объект с именем ") + name + Utf8ToCp1251(" уже есть"));
  }
}

void TSkStract::Register(QObject* object, const std::string& name, const std::string& type) {
  FObjects.push_back(TRegistered{object, name, type});
}

QObject* TSkStract::GetControl(const std::string& name) {
  for (const TRegistered& entry : FObjects)
    if (entry.Object && SameText(entry.Name, name)) return entry.Object;
  ReportError(Utf8ToCp1251("GetControl. Не найден контрол: ") + name);
  return nullptr;
}

QObject* TSkStract::GetTyped(const char* type, const std::string& name) {
  for (const TRegistered& entry : FObjects)
    if (entry.Object && entry.Type == type && SameText(entry.Name, name)) return entry.Object;
  ReportError(Utf8ToCp1251("GetComponent. Не найден контрол: ") + name);
  return nullptr;
}

TSkButton* TSkStract::GetButton(const std::string& n) { return qobject_cast<TSkButton*>(GetTyped("button", n)); }
TSkSpeedButton* TSkStract::GetSpButton(const std::string& n) {
  return qobject_cast<TSkSpeedButton*>(GetTyped("sp_button", n));
}
TSkPanel* TSkStract::GetPanel(const std::string& n) { return qobject_cast<TSkPanel*>(GetTyped("panel", n)); }
TParentPanel* TSkStract::GetParentPanel(const std::string& n) {
  return qobject_cast<TParentPanel*>(GetTyped("parent_panel", n));
}
TSkSplitter* TSkStract::GetSplitter(const std::string& n) { return qobject_cast<TSkSplitter*>(GetTyped("split", n)); }
TSkLabel* TSkStract::GetLabel(const std::string& n) { return qobject_cast<TSkLabel*>(GetTyped("label", n)); }
TSkTrackBar* TSkStract::GetTrackBar(const std::string& n) {
  return qobject_cast<TSkTrackBar*>(GetTyped("track_bar", n));
}
TSkPopMenu* TSkStract::GetPopMenu(const std::string& n) { return qobject_cast<TSkPopMenu*>(GetTyped("pop_menu", n)); }
TSkEditBox* TSkStract::GetEditBox(const std::string& n) { return qobject_cast<TSkEditBox*>(GetTyped("edit_box", n)); }
TSkRadioButton* TSkStract::GetRadioButton(const std::string& n) {
  return qobject_cast<TSkRadioButton*>(GetTyped("r_button", n));
}
TSkProgressBar* TSkStract::GetProgressBar(const std::string& n) {
  return qobject_cast<TSkProgressBar*>(GetTyped("progress_bar", n));
}
TSkComboBox* TSkStract::GetComboBox(const std::string& n) {
  return qobject_cast<TSkComboBox*>(GetTyped("combo_box", n));
}
QWidget* TSkStract::GetScrollBox(const std::string& n) { return qobject_cast<QWidget*>(GetTyped("scroll_box", n)); }
TSkHtml* TSkStract::GetHtml(const std::string& n) { return qobject_cast<TSkHtml*>(GetTyped("html", n)); }
TSkFlash* TSkStract::GetFlash(const std::string& n) { return qobject_cast<TSkFlash*>(GetTyped("flash", n)); }

TSkComboBox* TSkStract::FindComboByCommand(const std::string& command) {
  for (const TRegistered& entry : FObjects)
    if (auto* combo = qobject_cast<TSkComboBox*>(entry.Object))
      if (SameText(HeadBefore(combo->FAction, "*"), command)) return combo;
  return nullptr;
}

TSkSpeedButton* TSkStract::FindSpButtonByCommand(const std::string& command, const std::string& rest) {
  for (const TRegistered& entry : FObjects) {
    auto* button = qobject_cast<TSkSpeedButton*>(entry.Object);
    if (!button) continue;
    std::string after = button->FAction;
    const std::string name = SplitFirst(after, "*");
    if (SameText(name, command) && (rest.empty() || SameText(after, rest))) return button;
  }
  return nullptr;
}

void TSkStract::ReportError(const std::string& text) {
  if (FReportErrors) ShowMessage(FFileName + "\r\n" + text);
}

}  // namespace kv
