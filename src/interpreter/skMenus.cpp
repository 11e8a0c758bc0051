// Pop-up menus built from their description sections.
#include <QStackedWidget>

#include "app/skForm.h"
#include "controls/skPopMenu.h"
#include "skUseStract.h"
#include "util/Cp1251.h"
#include "util/Messages.h"
#include "util/uUtils.h"

namespace kv {

void TSkStract::BuildMenu(TSkPopMenu* menu, const std::string& section) {
  const std::vector<std::string> keys = FIni.KeyNames(section);
  if (keys.empty()) return;
  auto has = [&](const char* key) {
    for (const std::string& k : keys)
      if (SameText(k, key)) return true;
    return false;
  };
  if (!has("glob_action") && (!has("caption") || !has("action"))) {
    ShowMessage(Utf8ToCp1251("Для меню ") + section + Utf8ToCp1251(" надо указать все параметры:") + "\r\n" +
                "Caption, Action " + Utf8ToCp1251("и можно") + " Key");
    return;
  }
  for (const std::string& rawKey : keys) {
    const std::string key = LowerCase(rawKey);
    const std::string value = FIni.ReadValue(section, rawKey, "");
    if (key == "glob_action") menu->FGlobAction = value;
    else if (key == "check") menu->FCheckIndex = StrToInt(value);
    else if (key == "length") menu->FCaptionLength = StrToInt(value);
    else if (key == "favorite" && ParseBool(value, false)) FFavoriteMenus += section + ";";
    else if (key == "menu_system") FForm->SetSystemMenu(ParseBool(value, false) ? menu : nullptr);
    else if (key == "history_back" || key == "history_prev" || key == "history_full") {
      menu->FHistoryTarget = value;
      menu->FHistoryBack = menu->FHistoryBack || key == "history_back";
      menu->FHistoryPrev = menu->FHistoryPrev || key == "history_prev";
      menu->FHistoryFull = menu->FHistoryFull || key == "history_full";
    }
  }
  const int page = FForm->Notebook() ? FForm->Notebook()->currentIndex() : -1;
  auto addItems = [&](const char* captionKey, const char* actionKey, const char* keyKey) {
    std::string captions = FIni.ReadValue(section, captionKey, "");
    std::string actions = FIni.ReadValue(section, actionKey, "");
    std::string shortCuts = FIni.ReadValue(section, keyKey, "");
    int count = 0;
    while (!captions.empty()) {
      const std::string caption = SplitFirst(captions, ";");
      std::string action = SplitFirst(actions, ";");
      const std::string shortCut = SplitFirst(shortCuts, ";");
      if (action.empty()) action = menu->FGlobAction;
      menu->AddMenuItem(caption, action, shortCut);
      if (!shortCut.empty()) FForm->FHotKeys.RegisterHotKey(page, shortCut + "*" + action);
      ++count;
    }
    return count;
  };
  menu->FMainCount = addItems("caption", "action", "key");
  menu->FLastCount = addItems("last_caption", "last_action", "last_key");
  if (TSkItem* checked = menu->ItemAt(menu->FCheckIndex)) {
    checked->setCheckable(true);
    checked->setChecked(true);
  }
}

}  // namespace kv
