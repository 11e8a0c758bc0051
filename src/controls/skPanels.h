// Containers that lay out a form: the skinned panel, the plain parent panel
// and the splitter. Sizes may be a percentage of the parent's client size;
// panels may stay centred in their parent and hide and show in place.
#pragma once

#include <QFrame>
#include <QScrollArea>
#include <QPointer>
#include <QWidget>
#include <string>

namespace kv {

// What both panel kinds share: percentages, centring, hiding in place.
class TPanelLayout {
 public:
  explicit TPanelLayout(QWidget* self) : FSelf(self) {}
  // "N%": the percentage, applied at once; otherwise an integer size (EConvertError if not one).
  void SetWidthText(const std::string& text);
  void SetHeightText(const std::string& text);
  void ApplyPercent();
  void SetCenterHorz(bool on);
  void SetCenterVert(bool on);
  void Recenter();
  void ShowOrHide();

  int FWidthPercent = 0;
  int FHeightPercent = 0;
  bool FCenterHorz = false;
  bool FCenterVert = false;
  int FSavedLeft = 0;
  int FSavedTop = 0;

 private:
  QWidget* FSelf;
};

// Skinned panel (panel): no border; a double-click runs FAction.
class TSkPanel : public QFrame, public TPanelLayout {
  Q_OBJECT
 public:
  explicit TSkPanel(QWidget* parent);
  std::string FAction;

 signals:
  void DoubleClicked();

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// Plain container (parent_panel) that paints only its background colour; 100 x 50 at creation.
class TParentPanel : public QWidget, public TPanelLayout {
  Q_OBJECT
 public:
  explicit TParentPanel(QWidget* parent);
  void SetColor(const QColor& color);
  std::string FAction;
};

// Splitter (split): a bar aligned to a side of its parent; dragging it resizes
// the sibling aligned on the same side just before it. A bar taller than wide
// moves left and right, any other up and down; it is taken to be aligned to the
// nearer edge of its parent.
class TSkSplitter : public QWidget {
  Q_OBJECT
 public:
  explicit TSkSplitter(QWidget* parent);
  void ShowOrHide();
  std::string FAction;
  int FSavedLeft = 0;
  int FSavedTop = 0;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool IsVertical() const { return height() > width(); }
  // The visible sibling touching the bar on the side of the parent's nearer
  // edge (`before`: the left or top one), if any.
  QWidget* FindNeighbour(bool& before) const;

  // The drag in progress: what was where when the button went down.
  QPointer<QWidget> FNeighbour;
  bool FNeighbourBefore = false;
  QPointF FPressAt;  // global
  QRect FNeighbourStart;
  QPoint FStart;
};

// Scroll box (scroll_box): a container whose controls, placed by coordinates,
// may reach beyond what it shows; it scrolls to them.
class TSkScrollBox : public QScrollArea {
  Q_OBJECT
 public:
  explicit TSkScrollBox(QWidget* parent);
  // The widget the box's controls are placed on.
  QWidget* Content() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FitContent();
};

}  // namespace kv
