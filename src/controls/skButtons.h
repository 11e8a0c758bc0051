// Buttons and check controls that carry the interface's commands.
#pragma once

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <string>
#include <vector>

namespace kv {

// Push button (object type button).
class TSkButton : public QPushButton {
  Q_OBJECT
 public:
  explicit TSkButton(QWidget* parent);
  void ShowOrHide();  // inverts visibility
  // Caption alignment and wrapping (keys text_align, word_wrap).
  void SetTextAlign(Qt::Alignment alignment);
  void SetWordWrap(bool on);

  std::string FAction;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Qt::Alignment FTextAlign = Qt::AlignCenter;
  bool FWordWrap = false;
};

// Flat tool button that can stay pressed (sp_button).
class TSkSpeedButton : public QToolButton {
  Q_OBJECT
 public:
  explicit TSkSpeedButton(QWidget* parent);
  void ShowOrHide();
  void UpdateHint();
  void ToggleDown();
  // Sets the pressed state (key `down`, command spbutton_down); FDownState follows.
  void SetDown(bool down);
  // Group index: buttons of one group release each other (0: none).
  void SetGroupIndex(int group);
  int GroupIndex() const { return FGroupIndex; }
  // Shows the drop-down arrow; the menu (may be null) pops up from it.
  void SetDropDownMenu(QMenu* menu);

  std::string FAction;
  bool FDownState = false;
  std::string FHintDown;
  std::string FHintUp;

 protected:
  void nextCheckState() override;

 private:
  void ReleaseGroupMates();

  int FGroupIndex = 0;
};

// Check box (check_box): fires with "1" or "0"; enables the controls it names.
class TSkCheckBox : public QCheckBox {
  Q_OBJECT
 public:
  explicit TSkCheckBox(QWidget* parent);
  void AddEnableNames(const std::string& text);

  std::string FAction;
  std::vector<std::string> FEnableList;  // lower-cased names
};

// Radio button (r_button): its state is read by others; it fires nothing.
class TSkRadioButton : public QRadioButton {
  Q_OBJECT
 public:
  explicit TSkRadioButton(QWidget* parent);
};

}  // namespace kv
