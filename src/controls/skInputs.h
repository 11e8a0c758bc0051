// Text input and list controls: edit box, spin edit, combo box and list box.
// Entries of the choosers carry hidden arguments that their action receives.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <string>
#include <vector>

namespace kv {

class TSkEditBox : public QLineEdit {
  Q_OBJECT
 public:
  explicit TSkEditBox(QWidget* parent);
  int Value() const;
  void SetValue(int n);
  void PushMinimum();
  void SetMinimum(int a);
  void SetMinLink(TSkEditBox* box);

  std::string FAction;
  TSkEditBox* FMinLink = nullptr;
  int FMinimum = 0;
  bool FOnlyNumber = false;

 signals:
  // After the box's own key-release rule; the interpreter runs FAction on Enter.
  void KeyReleased(int key);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
};

class TSkSpinEdit : public QSpinBox {
  Q_OBJECT
 public:
  explicit TSkSpinEdit(QWidget* parent);
  void SetMaxLimit(int x);
  void SetMinLimit(int x);

  double FMin = -1;
  double FMax = 1000000;

 private:
  bool FClamping = false;
};

class TSkComboBox : public QComboBox {
  Q_OBJECT
 public:
  explicit TSkComboBox(QWidget* parent);
  void SetReadOnly(bool on);
  void AddItem(const std::string& caption, const std::string& argument);
  void LoadLines(const std::vector<std::string>& lines);
  void ClearItems();
  std::string SelectedArgument() const;
  void LoadFile(const std::string& name);

  std::string FAction;
  bool FReadOnly = false;
  std::vector<std::string> FArguments;

 protected:
  void wheelEvent(QWheelEvent* event) override;  // ignored: the wheel never changes the choice
};

class TSkListBox : public QListWidget {
  Q_OBJECT
 public:
  explicit TSkListBox(QWidget* parent);
  void ClearItems();
  void AddItem(const std::string& caption, const std::string& argument);
  void LoadLines(const std::vector<std::string>& lines);
  std::string ArgumentAt(int i) const;
  void LoadFile(const std::string& name);

  std::string FAction;
  std::vector<std::string> FData;  // caption "#;#" argument

 protected:
  // An item too wide for the box shows its whole text as the hint, over the item.
  bool viewportEvent(QEvent* event) override;
};

}  // namespace kv
