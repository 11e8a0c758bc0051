// Alignment and anchors of controls placed by coordinates: a control aligned
// to a side of its parent (or filling it) is laid out again whenever the parent
// changes size or an aligned sibling appears or vanishes; an anchored control
// keeps its distances to the anchored edges of its parent.
#pragma once

#include <QObject>
#include <QPointer>
#include <vector>

#include "util/skUtils.h"

class QWidget;

namespace kv {

struct TAnchors {
  bool Left = true;
  bool Top = true;
  bool Right = false;
  bool Bottom = false;
};

class TChildLayout : public QObject {
  Q_OBJECT
 public:
  // The layout of a container's children, made on first use.
  static TChildLayout* For(QWidget* container);

  static void SetAlign(QWidget* child, TControlAlign align);
  static TControlAlign AlignOf(const QWidget* child);
  // Anchors take the child's current distances to the parent's edges.
  static void SetAnchors(QWidget* child, const TAnchors& anchors);
  static TAnchors AnchorsOf(const QWidget* child);

  void Relayout();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  explicit TChildLayout(QWidget* container);
  struct TChild {
    QPointer<QWidget> Widget;
    TControlAlign Align = TControlAlign::None;
    TAnchors Anchors;
    int RightGap = 0;
    int BottomGap = 0;
  };
  TChild& Entry(QWidget* child);
  const TChild* Find(const QWidget* child) const;
  void KeepAnchors();

  QWidget* FContainer;
  std::vector<TChild> FChildren;
  bool FLaying = false;
};

}  // namespace kv
