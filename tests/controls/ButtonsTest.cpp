#include <gtest/gtest.h>

#include <QImage>
#include <QMenu>
#include <QWidget>

#include "TestSupport.h"
#include "controls/skButtons.h"

namespace kv {

namespace {

// The box around every pixel the caption adds to the button as drawn without it.
QRect CaptionInk(TSkButton& button, const QString& caption) {
  button.setText(QString());
  const QImage bare = button.grab().toImage();
  button.setText(caption);
  const QImage drawn = button.grab().toImage();
  QRect ink;
  for (int y = 0; y < drawn.height(); ++y)
    for (int x = 0; x < drawn.width(); ++x)
      if (drawn.pixel(x, y) != bare.pixel(x, y)) ink |= QRect(x, y, 1, 1);
  return ink;
}

}  // namespace

TEST(PushButton, DrawsItsCaptionAlignedAndWrapped) {
  enum TSide { Left, Centre, Right };
  struct TCase {
    Qt::Alignment align;
    bool wrap;
    QSize size;
    TSide side;
    int lines;
  };
  const TCase cases[] = {
      {Qt::AlignCenter, false, {240, 60}, Centre, 1}, {Qt::AlignLeft, false, {240, 60}, Left, 1},
      {Qt::AlignRight | Qt::AlignVCenter, false, {240, 60}, Right, 1}, {Qt::AlignLeft, true, {240, 60}, Left, 1},
      {Qt::AlignCenter, true, {70, 80}, Centre, 2},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "align " << c.align << " wrap " << c.wrap << " width " << c.size.width());
    TSkButton button(nullptr);
    button.resize(c.size);
    button.SetTextAlign(c.align);
    button.SetWordWrap(c.wrap);
    const QRect ink = CaptionInk(button, QStringLiteral("Wide words"));
    ASSERT_FALSE(ink.isEmpty());
    const int third = c.size.width() / 3;
    const TSide side = ink.center().x() < third ? Left : ink.center().x() > 2 * third ? Right : Centre;
    EXPECT_EQ(side, c.side);
    const int lineHeight = button.fontMetrics().height();
    EXPECT_EQ(ink.height() > lineHeight ? 2 : 1, c.lines);
  }
}

TEST(Buttons, ShowOrHideInvertsVisibilityOnAFormNotYetShown) {
  QWidget form;
  TSkButton button(&form);
  TSkSpeedButton speedButton(&form);
  button.ShowOrHide();
  speedButton.ShowOrHide();
  EXPECT_TRUE(button.isHidden());
  EXPECT_TRUE(speedButton.isHidden());
  button.ShowOrHide();
  speedButton.ShowOrHide();
  EXPECT_FALSE(button.isHidden());
  EXPECT_FALSE(speedButton.isHidden());
}

TEST(Buttons, TakeFocusByTab) {
  QWidget form;
  const QWidget* controls[] = {new TSkButton(&form), new TSkCheckBox(&form), new TSkRadioButton(&form)};
  for (const QWidget* control : controls) EXPECT_TRUE(control->focusPolicy() & Qt::TabFocus);
}

TEST(SpeedButton, UpdateHintTakesTheHintOfTheCurrentStateWhenItHasOne) {
  struct TCase {
    std::string hintDown;
    std::string hintUp;
    bool down;
    const char* tip;
  };
  const TCase cases[] = {
      {"D", "U", true, "D"}, {"D", "U", false, "U"}, {"", "U", true, "old"}, {"D", "", false, "old"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "down " << c.down << " hints " << c.hintDown << "/" << c.hintUp);
    TSkSpeedButton button(nullptr);
    button.setToolTip(QStringLiteral("old"));
    button.FHintDown = c.hintDown;
    button.FHintUp = c.hintUp;
    button.SetDown(c.down);
    button.UpdateHint();
    EXPECT_EQ(button.toolTip(), QString::fromLatin1(c.tip));
  }
}

TEST(SpeedButton, ToggleDownPressesAndReleasesWithTheMatchingHint) {
  TSkSpeedButton button(nullptr);
  button.FHintDown = "down";
  button.FHintUp = "up";
  button.ToggleDown();
  EXPECT_TRUE(button.isChecked());
  EXPECT_TRUE(button.FDownState);
  EXPECT_EQ(button.toolTip(), "down");
  button.ToggleDown();
  EXPECT_FALSE(button.isChecked());
  EXPECT_FALSE(button.FDownState);
  EXPECT_EQ(button.toolTip(), "up");
}

TEST(SpeedButton, GroupMatesUnderOneParentReleaseEachOther) {
  QWidget form;
  QWidget otherForm;
  TSkSpeedButton first(&form), second(&form), otherGroup(&form), elsewhere(&otherForm);
  first.SetGroupIndex(1);
  second.SetGroupIndex(1);
  otherGroup.SetGroupIndex(2);
  elsewhere.SetGroupIndex(1);
  otherGroup.SetDown(true);
  elsewhere.SetDown(true);
  first.SetDown(true);
  EXPECT_TRUE(first.FDownState);

  second.click();
  EXPECT_TRUE(second.isChecked());
  EXPECT_FALSE(first.isChecked());
  EXPECT_TRUE(otherGroup.isChecked());
  EXPECT_TRUE(elsewhere.isChecked());
  // The user's click is not SetDown: the states it last set stand.
  EXPECT_FALSE(second.FDownState);
  EXPECT_TRUE(first.FDownState);

  second.click();  // a pressed member stays pressed, as a radio button does
  EXPECT_TRUE(second.isChecked());

  first.SetDown(true);
  EXPECT_FALSE(second.isChecked());
}

TEST(SpeedButton, UngroupedButtonLatchesOnlyThroughSetDown) {
  TSkSpeedButton button(nullptr);
  button.click();
  EXPECT_FALSE(button.isChecked());
  button.SetDown(true);
  EXPECT_TRUE(button.isChecked());
  EXPECT_TRUE(button.FDownState);
  button.click();
  EXPECT_TRUE(button.isChecked());
  button.SetDown(false);
  EXPECT_FALSE(button.isChecked());
  EXPECT_FALSE(button.FDownState);
}

TEST(SpeedButton, DropDownShowsTheArrowWithOrWithoutAMenu) {
  QMenu menu;
  TSkSpeedButton button(nullptr);
  button.SetDropDownMenu(nullptr);
  EXPECT_EQ(button.popupMode(), QToolButton::MenuButtonPopup);
  EXPECT_EQ(button.menu(), nullptr);
  button.SetDropDownMenu(&menu);
  EXPECT_EQ(button.menu(), &menu);
}

TEST(CheckBox, AddEnableNamesSplitsAtEverySemicolonAndLowerCases) {
  struct TCase {
    std::string text;
    std::vector<std::string> names;
  };
  const TCase cases[] = {
      {"A;b", {"a", "b"}},
      {"", {""}},
      {"Edit1;;MEMO;", {"edit1", "", "memo", ""}},
      {test::W("Поле;Список"), {test::W("поле"), test::W("список")}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.text);
    TSkCheckBox box(nullptr);
    box.FEnableList = {"kept"};
    box.AddEnableNames(c.text);
    std::vector<std::string> expected{"kept"};
    expected.insert(expected.end(), c.names.begin(), c.names.end());
    EXPECT_EQ(box.FEnableList, expected);
  }
}

}  // namespace kv
