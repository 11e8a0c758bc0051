// Pop-up menu whose items each carry a command (and, for favourites, a key).
#pragma once

#include <QAction>
#include <QMenu>
#include <string>
#include <vector>

namespace kv {

class TSkItem : public QAction {
  Q_OBJECT
 public:
  explicit TSkItem(QObject* parent) : QAction(parent) {}
  std::string FKey;      // the command part of a favourite
  std::string FCommand;  // run when the item is chosen
};

class TSkPopMenu : public QMenu {
  Q_OBJECT
 public:
  explicit TSkPopMenu(QWidget* parent);

  TSkItem* AddMenuItem(const std::string& caption, const std::string& command, const std::string& shortCut);
  TSkItem* InsertMenuItem(int index, const std::string& caption, const std::string& shortCut,
                          const std::string& command);
  TSkItem* ItemAt(int index) const;
  int ItemCount() const { return static_cast<int>(FItemList.size()); }
  void DeleteItem(int index);
  int RemoveByCommand(const std::string& text);
  int RemoveByKey(const std::string& text);
  void ClearMenu();

  std::vector<TSkItem*> FItemList;
  std::string FHistoryTarget;
  bool FHistoryBack = false;
  bool FHistoryPrev = false;
  bool FHistoryFull = false;
  int FCheckIndex = -1;
  std::string FGlobAction;
  int FMainCount = 0;
  int FLastCount = 0;
  int FCaptionLength = 0;

 signals:
  // An item was chosen; the interpreter runs its command.
  void ItemChosen(TSkItem* item);

 private:
  TSkItem* NewItem(const std::string& caption, const std::string& command, const std::string& shortCut);
};

}  // namespace kv
