#include "skPopMenu.h"

#include <algorithm>
#include <utility>

#include "interpreter/skHotKey.h"
#include "platform/KeyCodes.h"
#include "platform/TextCodec.h"
#include "util/Cp1251.h"
#include "util/uUtils.h"

namespace kv {
namespace {

// Index of the first item whose field equals `text` ignoring case, or -1.
int IndexOf(const std::vector<TSkItem*>& items, std::string TSkItem::*field, const std::string& text) {
  const auto found = std::find_if(items.begin(), items.end(),
                                  [&](const TSkItem* item) { return SameText(item->*field, text); });
  return found == items.end() ? -1 : static_cast<int>(found - items.begin());
}

}  // namespace

TSkPopMenu::TSkPopMenu(QWidget* parent) : QMenu(parent) {}

TSkItem* TSkPopMenu::NewItem(const std::string& caption, const std::string& command, const std::string& shortCut) {
  auto* item = new TSkItem(this);
  item->FCommand = command;
  item->setText(ToQString(ShortenText(caption, static_cast<std::size_t>(std::max(FCaptionLength, 0)))));
  // The menu shows the key, but the form's hot-key table runs it: as a shortcut
  // of the menu alone it cannot fire while the form has the keyboard.
  item->setShortcut(KeySequenceOf(TextToShortCut(shortCut)));
  item->setShortcutContext(Qt::WidgetShortcut);
  connect(item, &QAction::triggered, this, [this, item] { emit ItemChosen(item); });
  return item;
}

TSkItem* TSkPopMenu::AddMenuItem(const std::string& caption, const std::string& command,
                                 const std::string& shortCut) {
  TSkItem* item = NewItem(caption, command, shortCut);
  addAction(item);
  FItemList.push_back(item);
  return item;
}

TSkItem* TSkPopMenu::InsertMenuItem(int index, const std::string& caption, const std::string& shortCut,
                                    const std::string& command) {
  const int at = std::clamp(index, 0, ItemCount());
  if (at == ItemCount()) return AddMenuItem(caption, command, shortCut);
  TSkItem* item = NewItem(caption, command, shortCut);
  insertAction(FItemList[static_cast<std::size_t>(at)], item);
  FItemList.insert(FItemList.begin() + at, item);
  return item;
}

TSkItem* TSkPopMenu::ItemAt(int index) const {
  if (index < 0 || index >= ItemCount()) return nullptr;
  return FItemList[static_cast<std::size_t>(index)];
}

void TSkPopMenu::DeleteItem(int index) {
  TSkItem* item = ItemAt(index);
  if (!item) return;
  FItemList.erase(FItemList.begin() + index);
  delete item;  // a deleted action leaves every widget that shows it
}

int TSkPopMenu::RemoveByCommand(const std::string& text) {
  const int index = IndexOf(FItemList, &TSkItem::FCommand, text);
  DeleteItem(index);
  return index;
}

int TSkPopMenu::RemoveByKey(const std::string& text) {
  const int index = IndexOf(FItemList, &TSkItem::FKey, text);
  DeleteItem(index);
  return index;
}

void TSkPopMenu::ClearMenu() {
  const std::vector<TSkItem*> items = std::exchange(FItemList, {});
  qDeleteAll(items);
  clear();
}

}  // namespace kv
