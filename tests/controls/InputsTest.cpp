#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QWheelEvent>
#include <functional>

#include "TestSupport.h"
#include "controls/skInputs.h"

namespace kv {

namespace {

void SendKey(QWidget* target, QEvent::Type type, int key, const QString& text) {
  QKeyEvent event(type, key, Qt::NoModifier, text);
  QApplication::sendEvent(target, &event);
}

// A key pressed and released, as typing gives it.
void Type(QWidget* target, int key, const QString& text = {}) {
  SendKey(target, QEvent::KeyPress, key, text);
  SendKey(target, QEvent::KeyRelease, key, text);
}

void TypeDigit(QWidget* target, char digit) { Type(target, Qt::Key_0 + (digit - '0'), QString(QChar(digit))); }

void Wheel(QWidget* target, int angle) {
  QWheelEvent event(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, angle), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(target, &event);
}

}  // namespace

TEST(EditBox, ValueIsTheDecimalTextOfADigitsOnlyBox) {
  TSkEditBox box(nullptr);
  EXPECT_TRUE(box.text().isEmpty());
  box.setText("12");
  EXPECT_EQ(box.Value(), 0);  // not digits-only
  box.SetValue(5);
  EXPECT_EQ(box.text(), "12");

  box.FOnlyNumber = true;
  struct TCase {
    const char* text;
    int value;
  };
  for (const TCase& c : {TCase{"12", 12}, TCase{"12a", 0}, TCase{"", 0}, TCase{"-7", -7}, TCase{"$10", 0}}) {
    box.setText(c.text);
    EXPECT_EQ(box.Value(), c.value) << c.text;
  }
}

TEST(EditBox, DigitsOnlyBoxDiscardsOtherTypedCharactersAndBackspace) {
  TSkEditBox plain(nullptr);
  TSkEditBox digits(nullptr);
  digits.FOnlyNumber = true;
  for (TSkEditBox* box : {&plain, &digits}) {
    box->setText("123");
    Type(box, Qt::Key_Backspace, "\b");
    Type(box, Qt::Key_A, "a");
    TypeDigit(box, '4');
  }
  EXPECT_EQ(plain.text(), "12a4");
  EXPECT_EQ(digits.text(), "1234");

  digits.setCursorPosition(0);
  Type(&digits, Qt::Key_Delete, "\x7f");
  EXPECT_EQ(digits.text(), "234");
  digits.selectAll();
  TypeDigit(&digits, '9');
  EXPECT_EQ(digits.text(), "9");
}

TEST(EditBox, TypingRaisesTheLinkedBoxsMinimum) {
  TSkEditBox from(nullptr);
  TSkEditBox to(nullptr);
  TSkEditBox text(nullptr);
  from.FOnlyNumber = to.FOnlyNumber = true;
  from.SetMinLink(&text);
  EXPECT_EQ(from.FMinLink, nullptr);  // only a digits-only box takes a minimum
  from.SetMinLink(&to);
  ASSERT_EQ(from.FMinLink, &to);

  to.setText("3");
  TypeDigit(&from, '5');
  EXPECT_EQ(to.FMinimum, 5);
  EXPECT_EQ(to.text(), "5");  // raised: it was lower

  to.setText("90");
  TypeDigit(&from, '0');
  EXPECT_EQ(to.FMinimum, 50);
  EXPECT_EQ(to.text(), "90");  // kept: it was higher

  // Its own minimum holds when a key goes up in it.
  to.setText("4");
  Type(&to, Qt::Key_Left);
  EXPECT_EQ(to.text(), "50");
}

TEST(EditBox, ReportsEveryKeyReleaseAfterItsOwnRule) {
  TSkEditBox box(nullptr);
  box.FOnlyNumber = true;
  box.SetMinimum(7);
  box.setText("3");
  std::vector<std::pair<int, QString>> released;
  QObject::connect(&box, &TSkEditBox::KeyReleased, [&](int key) { released.emplace_back(key, box.text()); });
  Type(&box, Qt::Key_Return, "\r");
  EXPECT_EQ(released, (std::vector<std::pair<int, QString>>{{Qt::Key_Return, "7"}}));
}

TEST(SpinEdit, KeepsItsOwnLimitsInBothDirections) {
  TSkSpinEdit spin(nullptr);
  EXPECT_EQ(spin.value(), 0);
  spin.setValue(-5);
  EXPECT_EQ(spin.value(), -1);
  spin.setValue(2000000);
  EXPECT_EQ(spin.value(), 1000000);

  struct TCase {
    const char* step;
    std::function<void()> act;
    int value;
  };
  const TCase cases[] = {
      {"lowered maximum pulls the value down", [&] { spin.SetMaxLimit(10); }, 10},
      {"above the maximum", [&] { spin.setValue(20); }, 10},
      {"raised minimum below the value", [&] { spin.SetMinLimit(5); }, 10},
      {"below the minimum", [&] { spin.setValue(2); }, 5},
      {"raised minimum pushes the value up", [&] { spin.SetMinLimit(8); }, 8},
      {"raised maximum leaves the value", [&] { spin.SetMaxLimit(5000); }, 8},
      {"beyond QSpinBox's own default range", [&] { spin.setValue(4000); }, 4000},
      // A course that gives a minimum above its maximum must not hang the player.
      {"minimum above the maximum", [&] { spin.SetMaxLimit(-5); spin.SetMinLimit(10); }, -5},
  };
  for (const TCase& c : cases) {
    c.act();
    EXPECT_EQ(spin.value(), c.value) << c.step;
  }
}

TEST(ComboBox, LinesGiveCaptionsAndArguments) {
  TSkComboBox combo(nullptr);
  EXPECT_TRUE(combo.isEditable());
  combo.LoadLines({"Caption;arg;more", "NoArg", ";skipped", "", test::W("Ответ;1")});
  ASSERT_EQ(combo.count(), 3);
  EXPECT_EQ(combo.itemText(0), "Caption");
  EXPECT_EQ(combo.itemText(1), "NoArg");
  EXPECT_EQ(combo.itemText(2), QString::fromUtf8("Ответ"));
  EXPECT_EQ(combo.FArguments, (std::vector<std::string>{"arg;more", "", "1"}));

  struct TCase {
    int index;
    std::string argument;
  };
  for (const TCase& c : {TCase{0, "arg;more"}, TCase{1, ""}, TCase{2, "1"}, TCase{-1, ""}}) {
    combo.setCurrentIndex(c.index);
    EXPECT_EQ(combo.SelectedArgument(), c.argument) << c.index;
  }

  combo.ClearItems();
  EXPECT_EQ(combo.count(), 0);
  EXPECT_TRUE(combo.FArguments.empty());
  EXPECT_EQ(combo.SelectedArgument(), "");
}

TEST(ComboBox, WheelNeverChangesTheChoice) {
  TSkComboBox combo(nullptr);
  combo.SetReadOnly(true);
  EXPECT_FALSE(combo.isEditable());
  QComboBox plain;
  for (QComboBox* box : {static_cast<QComboBox*>(&combo), &plain}) {
    box->addItems({"a", "b", "c"});
    box->setCurrentIndex(1);
    Wheel(box, -120);
  }
  EXPECT_EQ(plain.currentIndex(), 2);  // the same wheel turn moves an ordinary combo box
  EXPECT_EQ(combo.currentIndex(), 1);
  Wheel(&combo, 120);
  EXPECT_EQ(combo.currentIndex(), 1);
}

TEST(ComboBox, FileReplacesTheItems) {
  test::TTempCourse course;
  test::TMessageCapture messages;
  course.Write("answers.txt", "one;1\r\ntwo;2\r\n");
  TSkComboBox combo(nullptr);
  combo.AddItem("old", "0");
  combo.LoadFile("answers.txt");
  EXPECT_EQ(combo.FArguments, (std::vector<std::string>{"1", "2"}));
  EXPECT_EQ(combo.itemText(0), "one");

  combo.LoadFile("none.txt");
  EXPECT_EQ(combo.count(), 0);
  EXPECT_EQ(messages.Messages.size(), 1u);
}

TEST(ListBox, LinesGiveCaptionsAndArguments) {
  TSkListBox list(nullptr);
  list.AddItem("old", "0");
  list.LoadLines({"A#;#x#;#y", "B"});
  ASSERT_EQ(list.count(), 2);
  EXPECT_EQ(list.item(0)->text(), "A");
  EXPECT_EQ(list.item(1)->text(), "B");
  EXPECT_EQ(list.FData, (std::vector<std::string>{"A#;#x#;#y", "B#;#"}));
  struct TCase {
    int index;
    std::string argument;
  };
  for (const TCase& c : {TCase{0, "x#;#y"}, TCase{1, ""}, TCase{2, ""}, TCase{-1, ""}}) {
    EXPECT_EQ(list.ArgumentAt(c.index), c.argument) << c.index;
  }
}

TEST(ListBox, EmptyOrMissingFileLeavesTheList) {
  test::TTempCourse course;
  test::TMessageCapture messages;
  course.Write("list.txt", test::W("Глава#;#ch1.htm\r\nB#;#b\r\n"));
  course.Write("empty.txt", "");
  TSkListBox list(nullptr);
  list.LoadFile("list.txt");
  EXPECT_EQ(list.item(0)->text(), QString::fromUtf8("Глава"));
  EXPECT_EQ(list.ArgumentAt(0), "ch1.htm");

  list.LoadFile("empty.txt");
  list.LoadFile("none.txt");
  EXPECT_EQ(list.count(), 2);
  EXPECT_EQ(list.FData.size(), 2u);
  EXPECT_EQ(messages.Messages.size(), 1u);
}

}  // namespace kv
