#include <gtest/gtest.h>

#include "interpreter/skHotKey.h"
#include "pack/uIniFiles.h"

namespace kv {

TEST(ShortCutText, ParsesTheNotation) {
  struct Case { const char* text; TShortCut shortCut; };
  for (const Case& c : {Case{"Ctrl+S", scCtrl | 'S'}, Case{"alt+x", scAlt | 'X'}, Case{"F1", vk::F1},
                        Case{"F12", vk::F1 + 11}, Case{"Shift+Ctrl+Del", scShift | scCtrl | vk::Delete},
                        Case{"Escape", vk::Escape}, Case{"Esc", vk::Escape}, Case{"Ctrl+Num +", scCtrl | vk::Add},
                        Case{"Ctrl+PgDn", scCtrl | vk::Next}, Case{" Enter ", vk::Return}, Case{"5", '5'},
                        Case{"", 0}, Case{"Ctrl+", 0}, Case{"Hyper+F", 0}, Case{"F0", 0}, Case{"Ctrl+Foo", 0}})
    EXPECT_EQ(TextToShortCut(c.text), c.shortCut) << c.text;
}

TEST(HotKeyTable, PagesAndOrderDecide) {
  TSkHotKey keys;
  keys.RegisterHotKey(0, "F1*help*first");
  keys.RegisterHotKey(1, "F1*help*second");
  keys.RegisterHotKey(1, "F1*help*shadowed");
  keys.RegisterHotKey(-1, "Ctrl+F*html_sel_all*html");
  keys.RegisterHotKey(0, "*never");
  keys.RegisterHotKey(0, "Bogus*never");
  EXPECT_EQ(keys.Lookup(vk::F1, 0), "help*first");
  EXPECT_EQ(keys.Lookup(vk::F1, 1), "help*second");
  EXPECT_EQ(keys.Lookup(scCtrl | 'F', 7), "html_sel_all*html");
  EXPECT_FALSE(keys.Lookup(0, 0));
  EXPECT_FALSE(keys.Lookup(vk::F1, 2));
  EXPECT_EQ(keys.CommandAt(4), "never");
  EXPECT_EQ(keys.ShortCutAt(4), 0);
  EXPECT_EQ(keys.CommandAt(99), "");
  EXPECT_EQ(keys.PageAt(99), 0);
}

TEST(HotKeyTable, SectionRegistersEveryKeyButType) {
  const auto ini = TPakIniFile::FromText("[keys]\ntype=hot_key\nk1=F2*go_next\nmaster=F3*go_prev\n");
  TSkHotKey keys;
  keys.RegisterHotKeySection(2, ini, "keys");
  ASSERT_EQ(keys.Count(), 2);
  EXPECT_EQ(keys.Lookup(vk::F1 + 1, 2), "go_next");
  EXPECT_EQ(keys.Lookup(vk::F1 + 2, 2), "go_prev");
}

}  // namespace kv
