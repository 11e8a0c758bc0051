#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "app/skForm.h"

namespace kv {

TEST(SkinnedForm, HotKeysRunBeforeEscapeClosesTheForm) {
  TSkForm form;
  std::vector<std::string> ran;
  form.OnAction = [&](RHelpAction& action) { ran.push_back(action.Text); };
  form.FHotKeys.RegisterHotKey(-1, "Escape*on_escape");
  form.FHotKeys.RegisterHotKey(-1, "Ctrl+F*find");
  form.show();
  form.FEscClose = true;
  EXPECT_TRUE(form.HandleKey(Qt::Key_F, Qt::ControlModifier));
  EXPECT_TRUE(form.HandleKey(Qt::Key_Escape, Qt::NoModifier));
  EXPECT_EQ(ran, (std::vector<std::string>{"find", "on_escape"}));
  EXPECT_FALSE(form.isVisible());
  // Only exactly Ctrl+Alt+Q restarts the player.
  EXPECT_FALSE(form.HandleKey(Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier));
  EXPECT_FALSE(form.HandleKey(Qt::Key_F, Qt::NoModifier));
}

TEST(SkinnedForm, KeysReachTheTableBeforeTheFocusedControl) {
  TSkForm form;
  auto* edit = new QLineEdit(form.ClientArea());
  std::vector<std::string> ran;
  form.OnAction = [&](RHelpAction& action) { ran.push_back(action.Text); };
  form.FHotKeys.RegisterHotKey(-1, "Ctrl+A*select_page");
  form.show();
  edit->setText("text");
  edit->setFocus();
  QApplication::setActiveWindow(&form);
  QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier);
  QApplication::sendEvent(edit, &press);
  EXPECT_EQ(ran, (std::vector<std::string>{"select_page"}));
  EXPECT_FALSE(edit->hasSelectedText());  // the edit box never saw the key
}

TEST(SkinnedForm, ContextHelpRunsTheHelpCommandAtTheMouse) {
  TSkForm form;
  RHelpAction seen;
  form.OnAction = [&](RHelpAction& action) { seen = action; };
  form.FHelpCommand = "help*course.chm";
  form.RunHelp(QPoint(120, 80));
  EXPECT_TRUE(seen.Text.empty());  // context help is off
  form.SetContextHelp(true);
  form.RunHelp(QPoint(120, 80));
  EXPECT_EQ(seen.Text, "help*course.chm");
  EXPECT_EQ(seen.X, 120);
  EXPECT_EQ(seen.Y, 80);
  EXPECT_EQ(seen.Height, 0);
}

TEST(SkinnedForm, DialogAndSizeKeysSetTheFrame) {
  TSkForm form;
  form.SetDialog(true);
  EXPECT_TRUE(form.FEscClose);
  EXPECT_FALSE(form.FSizeable);
  form.SetSizeable(true);  // dialog, then size: resizable again, Escape still closes
  EXPECT_TRUE(form.FSizeable);
  EXPECT_TRUE(form.FEscClose);
}

}  // namespace kv
