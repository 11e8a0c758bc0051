#include <gtest/gtest.h>

#include <QPointer>
#include <utility>

#include "TestSupport.h"
#include "controls/skPopMenu.h"

namespace kv {

namespace {

// The items' commands in list order, after checking that the list and the
// menu's actions agree.
std::vector<std::string> Commands(const TSkPopMenu& menu) {
  const QList<QAction*> actions = menu.actions();
  EXPECT_EQ(std::vector<QAction*>(actions.begin(), actions.end()),
            std::vector<QAction*>(menu.FItemList.begin(), menu.FItemList.end()));
  std::vector<std::string> commands;
  for (const TSkItem* item : menu.FItemList) commands.push_back(item->FCommand);
  return commands;
}

}  // namespace

TEST(PopMenu, ItemCaptionsAreShortenedToTheCaptionLength) {
  struct TCase {
    int length;
    std::string caption;
    const char* shown;
  };
  const TCase cases[] = {
      {12, "Short abcdefghijklmnop", "Short..."},
      {12, "Hello world", "Hello world"},
      {12, "abcdefghijklmnopqrst", "abcdefghijk"},
      {0, "abcdefghijklmnopqrst", "abcdefghijklmnopqrst"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.caption);
    TSkPopMenu menu(nullptr);
    menu.FCaptionLength = c.length;
    EXPECT_EQ(menu.AddMenuItem(c.caption, "cmd", "")->text(), QString::fromLatin1(c.shown));
  }
}

TEST(PopMenu, AddMenuItemSetsCommandCaptionAndADisplayOnlyShortcut) {
  TSkPopMenu menu(nullptr);
  TSkItem* item = menu.AddMenuItem(test::W("Открыть"), "open_file", "Ctrl+O");
  EXPECT_EQ(item->FCommand, "open_file");
  EXPECT_EQ(item->text(), QString::fromUtf8("Открыть"));
  EXPECT_EQ(item->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
  // The form's hot-key table runs the key; the item only shows it.
  EXPECT_EQ(item->shortcutContext(), Qt::WidgetShortcut);
  EXPECT_TRUE(menu.AddMenuItem("Plain", "plain", "")->shortcut().isEmpty());
  EXPECT_EQ(Commands(menu), (std::vector<std::string>{"open_file", "plain"}));
}

TEST(PopMenu, TriggeringAnItemReportsIt) {
  TSkPopMenu menu(nullptr);
  menu.AddMenuItem("First", "first", "");
  TSkItem* second = menu.AddMenuItem("Second", "second", "");
  std::vector<TSkItem*> chosen;
  QObject::connect(&menu, &TSkPopMenu::ItemChosen, [&](TSkItem* item) { chosen.push_back(item); });
  second->trigger();
  EXPECT_EQ(chosen, std::vector<TSkItem*>{second});
}

TEST(PopMenu, ListFollowsInsertsAndDeletes) {
  TSkPopMenu menu(nullptr);
  TSkItem* first = menu.InsertMenuItem(3, "B", "", "b");
  EXPECT_EQ(menu.ItemAt(0), first);
  menu.InsertMenuItem(0, "A", "", "a");
  menu.InsertMenuItem(1, "Between", "F2", "ab");
  menu.InsertMenuItem(99, "Z", "", "z");
  EXPECT_EQ(Commands(menu), (std::vector<std::string>{"a", "ab", "b", "z"}));
  EXPECT_EQ(menu.ItemAt(1)->shortcut(), QKeySequence(Qt::Key_F2));

  QPointer<TSkItem> deleted = menu.ItemAt(1);
  menu.DeleteItem(1);
  EXPECT_TRUE(deleted.isNull());
  menu.DeleteItem(-1);
  menu.DeleteItem(menu.ItemCount());
  EXPECT_EQ(Commands(menu), (std::vector<std::string>{"a", "b", "z"}));
  EXPECT_EQ(menu.ItemAt(-1), nullptr);
  EXPECT_EQ(menu.ItemAt(menu.ItemCount()), nullptr);

  QPointer<TSkItem> cleared = menu.ItemAt(0);
  menu.ClearMenu();
  EXPECT_TRUE(cleared.isNull());
  EXPECT_EQ(menu.ItemCount(), 0);
  EXPECT_TRUE(Commands(menu).empty());
}

TEST(PopMenu, RemovesTheFirstItemMatchingCommandOrKeyIgnoringCase) {
  using TRemove = int (TSkPopMenu::*)(const std::string&);
  struct TCase {
    TRemove remove;
    std::string text;
    int index;
    std::vector<std::string> left;
  };
  const std::string open = test::W("Открыть");
  const std::pair<std::string, std::string> items[] = {{"print", ""}, {open, "fav1"}, {open, "fav2"}, {"save", "print"}};
  const TCase cases[] = {
      {&TSkPopMenu::RemoveByCommand, test::W("оТКРЫТЬ"), 1, {"print", open, "save"}},
      {&TSkPopMenu::RemoveByCommand, "missing", -1, {"print", open, open, "save"}},
      {&TSkPopMenu::RemoveByKey, "PRINT", 3, {"print", open, open}},
      {&TSkPopMenu::RemoveByKey, "fav2", 2, {"print", open, "save"}},
      {&TSkPopMenu::RemoveByKey, "missing", -1, {"print", open, open, "save"}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.text);
    TSkPopMenu menu(nullptr);
    for (const auto& [command, key] : items) menu.AddMenuItem("Item", command, "")->FKey = key;
    EXPECT_EQ((menu.*c.remove)(c.text), c.index);
    EXPECT_EQ(Commands(menu), c.left);
  }
}

TEST(PopMenu, RemovingFromAnEmptyMenuFindsNothing) {
  TSkPopMenu menu(nullptr);
  EXPECT_EQ(menu.RemoveByCommand(""), -1);
  EXPECT_EQ(menu.RemoveByKey(""), -1);
  EXPECT_EQ(menu.ItemCount(), 0);
  EXPECT_TRUE(menu.actions().isEmpty());
}

}  // namespace kv
