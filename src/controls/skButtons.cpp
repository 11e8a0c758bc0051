#include "skButtons.h"

#include <QStyleOptionButton>
#include <QStylePainter>
#include <utility>

#include "platform/TextCodec.h"
#include "util/Cp1251.h"
#include "util/uUtils.h"

namespace kv {

// --- TSkButton -----------------------------------------------------------

TSkButton::TSkButton(QWidget* parent) : QPushButton(parent) { setFocusPolicy(Qt::StrongFocus); }

// A control counts as shown unless it was hidden: one on a form that is not on
// screen yet is not hidden, so the first call hides it.
void TSkButton::ShowOrHide() { setVisible(isHidden()); }

void TSkButton::SetTextAlign(Qt::Alignment alignment) {
  FTextAlign = alignment;
  update();
}

void TSkButton::SetWordWrap(bool on) {
  FWordWrap = on;
  update();
}

void TSkButton::paintEvent(QPaintEvent* event) {
  // Styles draw a push button's caption centred on one line; any other layout
  // is drawn here over the button as the style draws it without a caption.
  if (FTextAlign == Qt::AlignCenter && !FWordWrap) return QPushButton::paintEvent(event);
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const QString caption = std::exchange(option.text, QString());
  painter.drawControl(QStyle::CE_PushButton, option);

  QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
  if (option.state & (QStyle::State_Sunken | QStyle::State_On))
    area.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                   style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
  int flags = static_cast<int>(FTextAlign) | Qt::TextShowMnemonic;
  if (!(FTextAlign & Qt::AlignVertical_Mask)) flags |= Qt::AlignVCenter;
  if (!style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this)) flags |= Qt::TextHideMnemonic;
  if (FWordWrap) flags |= Qt::TextWordWrap;
  painter.drawItemText(area, flags, option.palette, isEnabled(), caption, QPalette::ButtonText);
}

// --- TSkSpeedButton ------------------------------------------------------

TSkSpeedButton::TSkSpeedButton(QWidget* parent) : QToolButton(parent) {
  setAutoRaise(true);
  // Checkable so that the button can stay pressed; nextCheckState decides what
  // a click does to that state.
  setCheckable(true);
  connect(this, &QAbstractButton::toggled, this, [this](bool checked) {
    if (checked) ReleaseGroupMates();
  });
}

void TSkSpeedButton::ShowOrHide() { setVisible(isHidden()); }

void TSkSpeedButton::UpdateHint() {
  if (!FHintDown.empty() && isChecked()) return setToolTip(ToQString(FHintDown));
  if (!FHintUp.empty() && !isChecked()) setToolTip(ToQString(FHintUp));
}

void TSkSpeedButton::ToggleDown() {
  SetDown(!FDownState);
  UpdateHint();
}

void TSkSpeedButton::SetDown(bool down) {
  setChecked(down);
  FDownState = isChecked();
}

void TSkSpeedButton::SetGroupIndex(int group) { FGroupIndex = group; }

void TSkSpeedButton::SetDropDownMenu(QMenu* menu) {
  // The arrow belongs to the popup mode, so it shows even without a menu.
  setPopupMode(QToolButton::MenuButtonPopup);
  setMenu(menu);
}

void TSkSpeedButton::nextCheckState() {
  // A grouped button behaves as a radio button: a click presses it, and only
  // another member of its group releases it. An ungrouped button is a plain
  // tool button to the user: only SetDown and ToggleDown latch or release it.
  if (FGroupIndex == 0 || isChecked()) return;
  setChecked(true);
}

void TSkSpeedButton::ReleaseGroupMates() {
  if (FGroupIndex == 0 || !parentWidget()) return;
  for (TSkSpeedButton* mate : parentWidget()->findChildren<TSkSpeedButton*>(Qt::FindDirectChildrenOnly))
    if (mate != this && mate->FGroupIndex == FGroupIndex) mate->setChecked(false);
}

// --- TSkCheckBox ---------------------------------------------------------

TSkCheckBox::TSkCheckBox(QWidget* parent) : QCheckBox(parent) { setFocusPolicy(Qt::StrongFocus); }

void TSkCheckBox::AddEnableNames(const std::string& text) {
  std::string rest = text;
  bool more = true;
  while (more) {
    more = rest.find(';') != std::string::npos;
    FEnableList.push_back(LowerCase(SplitFirst(rest, ";")));
  }
}

// --- TSkRadioButton ------------------------------------------------------

TSkRadioButton::TSkRadioButton(QWidget* parent) : QRadioButton(parent) { setFocusPolicy(Qt::StrongFocus); }

}  // namespace kv
