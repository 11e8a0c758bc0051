// Applying a description's keys to the objects it creates: the keys every
// object understands, the form's keys, and the keys of each control type.
#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QToolTip>
#include <QVBoxLayout>
#include <optional>

#include "app/skForm.h"
#include "controls/skButtons.h"
#include "controls/skFlash.h"
#include "controls/skInputs.h"
#include "controls/skLabels.h"
#include "controls/skPanels.h"
#include "controls/skPopMenu.h"
#include "viewers/skHTML.h"
#include "platform/TextCodec.h"
#include "skAlign.h"
#include "skUseStract.h"
#include "skValues.h"
#include "util/Cp1251.h"
#include "util/DiskFile.h"
#include "util/Errors.h"
#include "util/skUtils.h"

namespace kv {
namespace {

TPanelLayout* PanelLayoutOf(QObject* object) {
  if (auto* panel = qobject_cast<TSkPanel*>(object)) return panel;
  if (auto* panel = qobject_cast<TParentPanel*>(object)) return panel;
  return nullptr;
}

std::string* ActionOf(QObject* object) {
  if (auto* c = qobject_cast<TSkButton*>(object)) return &c->FAction;
  if (auto* c = qobject_cast<TSkSpeedButton*>(object)) return &c->FAction;
  if (auto* c = qobject_cast<TSkCheckBox*>(object)) return &c->FAction;
  if (auto* c = qobject_cast<TSkPanel*>(object)) return &c->FAction;
  if (auto* c = qobject_cast<TParentPanel*>(object)) return &c->FAction;
  if (auto* c = qobject_cast<TSkSplitter*>(object)) return &c->FAction;
  if (auto* c = qobject_cast<TSkLabel*>(object)) return &c->FAction;
  if (auto* c = qobject_cast<TSkTrackBar*>(object)) return &c->FAction;
  if (auto* c = qobject_cast<TSkComboBox*>(object)) return &c->FAction;
  if (auto* c = qobject_cast<TSkListBox*>(object)) return &c->FAction;
  if (auto* c = qobject_cast<TSkEditBox*>(object)) return &c->FAction;
  if (auto* c = qobject_cast<TSkHtml*>(object)) return &c->FAction;
  return nullptr;
}

Qt::Alignment TextAlignmentOf(const std::string& word) {
  switch (AlignmentOf(word)) {
    case TAlignment::Left: return Qt::AlignLeft | Qt::AlignVCenter;
    case TAlignment::Right: return Qt::AlignRight | Qt::AlignVCenter;
    case TAlignment::Center: break;
  }
  return Qt::AlignCenter;
}

// The anchor syntax: "L T R B", each an integer or "*" (not given).
void ApplyAnchor(QWidget* control, const std::string& text) {
  QWidget* parent = control->parentWidget();
  if (!parent) return;
  std::string rest = text;
  std::optional<int> field[4];
  for (auto& f : field) {
    const std::string piece = SplitFirst(rest, " ");
    if (!piece.empty() && piece != "*") f = StrToInt(piece);
  }
  const auto& [l, t, r, b] = field;
  const int pw = parent->width();
  const int ph = parent->height();
  int left = control->x();
  int top = control->y();
  int right = left + control->width();
  int bottom = top + control->height();
  if (l) left = *l;
  else if (r) left = pw - *r - control->width();
  if (t) top = *t;
  else if (b) top = ph - *b - control->height();
  if (r) right = pw - *r;
  else if (l) right = *l + control->width();
  if (b) bottom = ph - *b;
  else if (t) bottom = *t + control->height();
  TAnchors anchors{l.has_value(), t.has_value(), r.has_value(), b.has_value()};
  control->setGeometry(left, top, std::max(0, right - left), std::max(0, bottom - top));
  TChildLayout::SetAnchors(control, anchors);
  // Neither side given: panels stay centred in their parent.
  if (TPanelLayout* panel = PanelLayoutOf(control)) {
    if (!l && !r) panel->SetCenterHorz(true);
    if (!t && !b) panel->SetCenterVert(true);
  }
}

// The theme-object part of a `skin` value (theme object "*" skin file).
void ApplyThemeObject(QObject* object, const std::string& value) {
  const std::string theme = HeadBefore(value, "*");
  if (!theme.empty()) object->setProperty("theme", ToQString(theme));
}

// The splash picture: a JPEG file as written, anything else from the program's folder.
QPixmap SplashPicture(const std::string& file) {
  const std::string lower = LowerCase(file);
  const bool jpeg = lower.size() >= 4 && lower.compare(lower.size() - 4, 4, ".jpg") == 0;
  const auto native = FindDiskFile(jpeg ? ResolvePath(file, "") : ProgramPath(file));
  if (!native) return {};
  return QPixmap(QString::fromStdString(*native));
}

}  // namespace

void TSkStract::SetProperty(QObject* object, const std::string& name, const std::string& rawType) {
  AdvanceSplash();
  const std::string type = LowerCase(rawType);
  const std::vector<std::string> keys = FIni.KeyNames(name);
  if (keys.empty()) return;
  auto* widget = qobject_cast<QWidget*>(object);
  const TAnchors remembered = widget ? TChildLayout::AnchorsOf(widget) : TAnchors{};
  bool anchored = false;
  for (auto it = keys.rbegin(); it != keys.rend(); ++it)
    ApplyCommonKey(object, type, LowerCase(*it), FIni.ReadValue(name, *it, ""));
  for (const std::string& key : keys) {
    const std::string lower = LowerCase(key);
    anchored = anchored || lower == "anchor";
    if (type == "form") ApplyFormKey(lower, FIni.ReadValue(name, key, ""));
    else ApplyTypeKey(object, type, lower, FIni.ReadValue(name, key, ""));
  }
  if (widget && !anchored && widget->parentWidget() && type != "form") TChildLayout::SetAnchors(widget, remembered);
}

void TSkStract::ApplyCommonKey(QObject* object, const std::string& type, const std::string& key,
                               const std::string& value) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (!widget) return;
  TPanelLayout* panel = PanelLayoutOf(object);
  if (key == "top") widget->move(widget->x(), StrToInt(value));
  else if (key == "left") widget->move(StrToInt(value), widget->y());
  else if (key == "width") {
    if (panel) panel->SetWidthText(value);
    else widget->resize(StrToInt(value), widget->height());
  } else if (key == "height") {
    if (panel) panel->SetHeightText(value);
    else widget->resize(widget->width(), StrToInt(value));
  } else if (key == "enabled") widget->setEnabled(ParseBool(value, true));
  else if (key == "cursor") widget->setCursor(CursorOf(value));
  else if (key == "visible") {
    // The form's own visibility is its owner's business until it is shown.
    if (type == "form") FForm->setProperty("kvVisible", ParseBool(value, true));
    else widget->setVisible(ParseBool(value, true));
  } else if (key == "align" && type != "form") TChildLayout::SetAlign(widget, ControlAlignOf(value));
}

void TSkStract::ApplyFormKey(const std::string& key, const std::string& value) {
  if (key == "caption") FForm->SetCaption(ToQString(value));
  else if (key == "title") QApplication::setApplicationDisplayName(ToQString(value));
  else if (key == "but_help") {
    FForm->SetContextHelp(true);
    FForm->FHelpCommand = value;
  } else if (key == "save_pos") FSaveWindowPos = ParseBool(value, false);
  else if (key == "min_width") FForm->SetMinimumFrameSize(StrToInt(value), FForm->minimumHeight());
  else if (key == "min_height") FForm->SetMinimumFrameSize(FForm->minimumWidth(), StrToInt(value));
  else if (key == "dialog") FForm->SetDialog(ParseBool(value, false));
  else if (key == "splash") OpenSplash(value);
  else if (key == "top") FForm->move(FForm->x(), StrToInt(value));
  else if (key == "left") FForm->move(StrToInt(value), FForm->y());
  else if (key == "width") FForm->resize(StrToInt(value), FForm->height());
  else if (key == "height") FForm->resize(FForm->width(), StrToInt(value));
  else if (key == "action") FForm->FStartCommand = value;
  else if (key == "reg_dat") FRegKey = value;
  else if (key == "visible") FForm->setProperty("kvVisible", ParseBool(value, true));
  else if (key == "size") FForm->SetSizeable(ParseBool(value, true));
  else if (key == "moving") FForm->FDragAnywhere = ParseBool(value, false);
  else if (key == "esc_close") FForm->FEscClose = ParseBool(value, false);
  else if (key == "splash_close_auto") FCloseSplashAuto = ParseBool(value, true);
  else if (key == "hint_color" || key == "hint_font_color") {
    QPalette palette = QToolTip::palette();
    palette.setColor(key == "hint_color" ? QPalette::ToolTipBase : QPalette::ToolTipText, ToQColor(ParseColor(value)));
    QToolTip::setPalette(palette);
  } else if (key == "message_font") {
    QLabel probe;
    probe.setFont(FForm->FMessageFont);
    ApplyFont(&probe, value);
    FForm->FMessageFont = probe.font();
  } else if (key == "help_id") FHelpId = value;
  else if (key == "effect") FForm->FShowEffect = value;
  else if (key == "but_max") {
    std::string normal = value;
    const std::string maximised = SplitFirst(normal, "*");
    FForm->FMaximisedButtons += maximised + ";";
    FForm->FNormalButtons += normal + ";";
  } else if (key == "hide_caption") FForm->SetHideCaption(ParseBool(value, true));
  else if (key == "ico") {
    if (const auto native = FindDiskFile(ProgramPath(value)))
      QApplication::setWindowIcon(QIcon(QString::fromStdString(*native)));
  } else if (key == "skin") {
    const std::string theme = FieldOf(value, 2);
    if (!theme.empty()) FForm->setProperty("theme", ToQString(theme));
  }
}

void TSkStract::ApplyTypeKey(QObject* object, const std::string& type, const std::string& key,
                             const std::string& value) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (!widget) return;
  if (key == "action") {
    if (std::string* action = ActionOf(object)) *action = value;
    return;
  }
  if (key == "hint") {
    widget->setToolTip(ToQString(value));
    return;
  }
  if (key == "anchor") {
    if (type != "split") ApplyAnchor(widget, value);
    return;
  }
  if (key == "skin") {
    ApplyThemeObject(object, value);
    return;
  }
  if (key == "font" && (type == "button" || type == "sp_button" || type == "label")) {
    ApplyFont(widget, value);
    return;
  }
  if (auto* button = qobject_cast<TSkButton*>(object)) {
    if (key == "caption") button->setText(ToQString(value));
    else if (key == "text_align") button->SetTextAlign(TextAlignmentOf(value));
    else if (key == "word_wrap") button->SetWordWrap(ParseBool(value, false));
    else if (key == "transparent") button->setFlat(ParseBool(value, true));
  } else if (auto* speed = qobject_cast<TSkSpeedButton*>(object)) {
    if (key == "caption") speed->setText(ToQString(value));
    else if (key == "hint_down") speed->FHintDown = value;
    else if (key == "hint_up") speed->FHintUp = value;
    else if (key == "group") speed->SetGroupIndex(StrToInt(value));
    else if (key == "down") speed->SetDown(ParseBool(value, false));
    else if (key == "menu") speed->SetDropDownMenu(GetPopMenu(value));
    else if (key == "but_next_tree" || key == "but_prev_tree") GetTyped("tree", value);
    else if (key == "transparent") speed->setAutoRaise(ParseBool(value, true));
  } else if (auto* panel = qobject_cast<TSkPanel*>(object)) {
    if (key == "visible_ex" && ParseBool(value, true)) panel->ShowOrHide();
    else if (key == "min_width") panel->setMinimumWidth(StrToInt(value));
    else if (key == "max_width") panel->setMaximumWidth(StrToInt(value));
    else if (key == "min_height") panel->setMinimumHeight(StrToInt(value));
    if (FForm->FDragAnywhere) FForm->ConnectDrag(panel);
  } else if (auto* parentPanel = qobject_cast<TParentPanel*>(object)) {
    if (key == "min_width") parentPanel->setMinimumWidth(StrToInt(value));
    else if (key == "min_height") parentPanel->setMinimumHeight(StrToInt(value));
    else if (key == "color") parentPanel->SetColor(ToQColor(ParseColor(value)));
    if (FForm->FDragAnywhere) FForm->ConnectDrag(parentPanel);
  } else if (auto* label = qobject_cast<TSkLabel*>(object)) {
    if (key == "caption") label->SetCaption(value);
    else if (key == "url") label->SetUrlStyle(ParseBool(value, false));
    else if (key == "cut_length") label->SetCutLength(ParseBool(value, false));
    else if (key == "text_align") label->setAlignment(TextAlignmentOf(value));
    else if (key == "word_wrap") label->setWordWrap(ParseBool(value, false));
    else if (key == "auto_size" && ParseBool(value, false)) label->adjustSize();
    else if (key == "html_title") {
      if (TSkHtml* html = GetHtml(value)) html->FTitleLabel = label;
    }
    if (FForm->FDragAnywhere) FForm->ConnectDrag(label);
  } else if (auto* combo = qobject_cast<TSkComboBox*>(object)) {
    if (key == "count_line") combo->setMaxVisibleItems(std::max(1, StrToInt(value)));
    else if (key == "load") {
      combo->LoadFile(value);
      combo->setCurrentIndex(combo->count() > 0 ? 0 : -1);
    } else if (key == "read_only") combo->SetReadOnly(ParseBool(value, false));
  } else if (auto* list = qobject_cast<TSkListBox*>(object)) {
    if (key == "load") list->LoadFile(value);
    else if (key == "multiselect")
      list->setSelectionMode(ParseBool(value, false) ? QAbstractItemView::ExtendedSelection
                                                     : QAbstractItemView::SingleSelection);
  } else if (auto* edit = qobject_cast<TSkEditBox*>(object)) {
    if (key == "only_number") edit->FOnlyNumber = ParseBool(value, false);
    else if (key == "min_link") edit->SetMinLink(GetEditBox(value));
  } else if (auto* box = qobject_cast<TSkCheckBox*>(object)) {
    if (key == "caption") box->setText(ToQString(value));
    else if (key == "check") box->setChecked(ParseBool(value, false));
    else if (key == "enable_control") box->AddEnableNames(value);
  } else if (auto* radio = qobject_cast<TSkRadioButton*>(object)) {
    if (key == "caption") radio->setText(ToQString(value));
    else if (key == "check") radio->setChecked(ParseBool(value, false));
  } else if (auto* html = qobject_cast<TSkHtml*>(object)) {
    ApplyHtmlKey(html, key, value);
  } else if (auto* flash = qobject_cast<TSkFlash*>(object)) {
    if (key == "track_bar") flash->SetTrackBar(GetTrackBar(value));
    else if (key == "loop") flash->SetLoop(ParseBool(value, false));
    else if (key == "load") {
      flash->LoadMovie(ProgramPath(value));
      flash->GotoFrame(1);
      flash->Play();
    }
  } else if (auto* spin = qobject_cast<TSkSpinEdit*>(object)) {
    if (key == "max") spin->SetMaxLimit(StrToInt(value));
    else if (key == "min") spin->SetMinLimit(StrToInt(value));
  }
}

void TSkStract::ApplyHtmlKey(TSkHtml* html, const std::string& key, const std::string& value) {
  if (key == "move_cursor") html->SetDragScroll(ParseBool(value, false));
  else if (key == "load") html->LoadPage(value);
  else if (key == "menu") html->SetContextMenu(GetPopMenu(value));
  else if (key == "color") {
    QPalette palette = html->Viewer()->palette();
    palette.setColor(QPalette::Base, ToQColor(ParseColor(value)));
    html->Viewer()->setPalette(palette);
  } else if (key == "font_name" || key == "font_size") {
    QFont font = html->Viewer()->document()->defaultFont();
    if (key == "font_name") font.setFamily(ToQString(value));
    else font.setPointSize(std::max(1, StrToInt(value)));
    html->Viewer()->document()->setDefaultFont(font);
  } else if (key == "link_tree") GetTyped("tree", value);
  else if (key == "link_tree_ex") GetTyped("tree_ex", value);
  else if (key == "label_title") html->FTitleLabel = GetLabel(value);
  else if (key == "min_width") html->setProperty("kvMinWidth", StrToInt(value));
  else if (key == "min_height") html->setProperty("kvMinHeight", StrToInt(value));
  else if (key == "move" && ParseBool(value, false)) FForm->ConnectDrag(html->Viewer()->viewport());
}

void TSkStract::OpenSplash(const std::string& value) {
  FSplashStep = 1;
  std::string rest = value;
  const QPixmap picture = SplashPicture(SplitFirst(rest, "*"));
  if (!FSplashForm) {
    FSplashForm = std::make_unique<QWidget>(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    FSplashForm->setObjectName("splash");
    auto* pictureLabel = new QLabel(FSplashForm.get());
    pictureLabel->setObjectName("splash_picture");
  }
  auto* pictureLabel = FSplashForm->findChild<QLabel*>("splash_picture");
  pictureLabel->setPixmap(picture);
  pictureLabel->resize(picture.size());
  FSplashForm->resize(picture.isNull() ? QSize(320, 200) : picture.size());
  if (!rest.empty()) {
    if (!FSplashBar) {
      FSplashBar = new QProgressBar(FSplashForm.get());
      FSplashBar->setTextVisible(false);
      FSplashBar->setRange(0, 100);
      FSplashBar->setValue(0);
    }
    // step*left*top*width*height: the first field that is not a number ends the reading.
    int fields[5] = {FSplashStep, FSplashBar->x(), FSplashBar->y(), FSplashBar->width(), FSplashBar->height()};
    for (int& field : fields) {
      try {
        field = StrToInt(SplitFirst(rest, "*"));
      } catch (const EConvertError&) {
        break;
      }
    }
    FSplashStep = fields[0];
    FSplashBar->setGeometry(fields[1], fields[2], fields[3], fields[4]);
  }
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    FSplashForm->move(screen->availableGeometry().center() - FSplashForm->rect().center());
  FSplashForm->show();
  QApplication::processEvents();
}

void TSkStract::AdvanceSplash() {
  if (!FSplashBar) return;
  const int next = FSplashBar->value() + FSplashStep;
  // The bar redraws itself at once on every step; one redraw each 50 ms shows
  // the progress as well and costs less than the objects it counts.
  const auto now = std::chrono::steady_clock::now();
  const bool draw = now - FSplashDrawn >= std::chrono::milliseconds(50);
  if (draw) FSplashDrawn = now;
  else FSplashBar->setUpdatesEnabled(false);
  FSplashBar->setValue(next > 100 ? FSplashStep : next);
  if (!draw) FSplashBar->setUpdatesEnabled(true);
}

void TSkStract::CloseSplash() {
  FSplashBar = nullptr;
  FSplashForm.reset();
}

}  // namespace kv
