#include "skPanels.h"

#include <QChildEvent>

#include <QMouseEvent>
#include <algorithm>

#include "util/uUtils.h"

namespace kv {

namespace {

// Below this a neighbour could no longer be grabbed or seen.
constexpr int kMinNeighbourSize = 10;

// Hides a shown widget, remembering where it stood, or shows a hidden one back
// there: the interpreter may have moved it while it was out of sight.
void ToggleInPlace(QWidget* widget, int& savedLeft, int& savedTop) {
  if (!widget->isHidden()) {
    savedLeft = widget->x();
    savedTop = widget->y();
  }
  widget->setVisible(widget->isHidden());
  if (!widget->isHidden()) widget->move(savedLeft, savedTop);
}

// Coordinates along the direction a splitter bar moves (x and width for a
// vertical bar, y and height for a horizontal one), so that one drag rule
// serves both.
struct TAxis {
  bool Vertical;

  int Pos(const QPoint& p) const { return Vertical ? p.x() : p.y(); }
  int Pos(const QRect& r) const { return Pos(r.topLeft()); }
  int Length(const QRect& r) const { return Vertical ? r.width() : r.height(); }
  int Length(const QSize& s) const { return Vertical ? s.width() : s.height(); }
  double Along(const QPointF& p) const { return Vertical ? p.x() : p.y(); }
  QPoint Offset(int shift) const { return Vertical ? QPoint(shift, 0) : QPoint(0, shift); }
  // Whether the two rectangles share some extent across the motion.
  bool Overlap(const QRect& a, const QRect& b) const {
    return Vertical ? a.top() <= b.bottom() && b.top() <= a.bottom() : a.left() <= b.right() && b.left() <= a.right();
  }
  QRect WithSpan(const QRect& r, int pos, int length) const {
    return Vertical ? QRect(pos, r.y(), length, r.height()) : QRect(r.x(), pos, r.width(), length);
  }
};

}  // namespace

// --- TPanelLayout ----------------------------------------------------------

void TPanelLayout::SetWidthText(const std::string& text) {
  if (text.find('%') == std::string::npos) {
    FSelf->resize(StrToInt(text), FSelf->height());
    return;
  }
  FWidthPercent = StrToInt(HeadBefore(text, "%"));
  ApplyPercent();
}

void TPanelLayout::SetHeightText(const std::string& text) {
  if (text.find('%') == std::string::npos) {
    FSelf->resize(FSelf->width(), StrToInt(text));
    return;
  }
  FHeightPercent = StrToInt(HeadBefore(text, "%"));
  ApplyPercent();
}

void TPanelLayout::ApplyPercent() {
  const QWidget* parent = FSelf->parentWidget();
  if (!parent) return;
  // The hundredth of the client size is truncated before it is multiplied,
  // so courses keep the sizes their forms were laid out with.
  const QRect client = parent->contentsRect();
  if (FWidthPercent != 0 && client.width() != 0)
    FSelf->resize(client.width() / 100 * FWidthPercent, FSelf->height());
  if (FHeightPercent != 0 && client.height() != 0)
    FSelf->resize(FSelf->width(), client.height() / 100 * FHeightPercent);
}

void TPanelLayout::SetCenterHorz(bool on) {
  FCenterHorz = on;
  if (on) Recenter();
}

void TPanelLayout::SetCenterVert(bool on) {
  FCenterVert = on;
  if (on) Recenter();
}

void TPanelLayout::Recenter() {
  const QWidget* parent = FSelf->parentWidget();
  if (!parent) return;
  if (FCenterHorz) FSelf->move((parent->width() - FSelf->width()) / 2, FSelf->y());
  if (FCenterVert) FSelf->move(FSelf->x(), (parent->height() - FSelf->height()) / 2);
}

void TPanelLayout::ShowOrHide() { ToggleInPlace(FSelf, FSavedLeft, FSavedTop); }

// --- TSkPanel ----------------------------------------------------------------

TSkPanel::TSkPanel(QWidget* parent) : QFrame(parent), TPanelLayout(this) {
  setFrameShape(QFrame::NoFrame);
  // A skinned surface: the parent's picture shows through unless a style paints one.
  setAutoFillBackground(false);
}

void TSkPanel::mouseDoubleClickEvent(QMouseEvent*) { emit DoubleClicked(); }

// --- TParentPanel ------------------------------------------------------------

TParentPanel::TParentPanel(QWidget* parent) : QWidget(parent), TPanelLayout(this) { resize(100, 50); }

void TParentPanel::SetColor(const QColor& color) {
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, color);
  setPalette(palette);
  setAutoFillBackground(true);
}

// --- TSkSplitter -------------------------------------------------------------

TSkSplitter::TSkSplitter(QWidget* parent) : QWidget(parent) {
  // The bar's look is the style sheet's, like the rest of the skinned controls.
  setAttribute(Qt::WA_StyledBackground);
}

void TSkSplitter::ShowOrHide() { ToggleInPlace(this, FSavedLeft, FSavedTop); }

void TSkSplitter::resizeEvent(QResizeEvent* event) {
  // The interpreter gives the bar its shape after creating it; the cursor follows the shape.
  setCursor(IsVertical() ? Qt::SplitHCursor : Qt::SplitVCursor);
  QWidget::resizeEvent(event);
}

QWidget* TSkSplitter::FindNeighbour(bool& before) const {
  before = false;
  const QWidget* parent = parentWidget();
  if (!parent) return nullptr;
  const TAxis axis{IsVertical()};
  const QRect bar = geometry();
  // The bar does not know which edge it was aligned to; the panel it resizes
  // lies between it and that edge, and the other side is the rest of the form.
  before = 2 * axis.Pos(bar) + axis.Length(bar) <= axis.Length(parent->size());
  const int edge = before ? axis.Pos(bar) : axis.Pos(bar) + axis.Length(bar);
  for (QObject* child : parent->children()) {
    auto* widget = qobject_cast<QWidget*>(child);
    if (!widget || widget == this || widget->isHidden() || widget->isWindow()) continue;
    const QRect r = widget->geometry();
    const int touching = before ? axis.Pos(r) + axis.Length(r) : axis.Pos(r);
    if (touching == edge && axis.Overlap(r, bar)) return widget;
  }
  return nullptr;
}

void TSkSplitter::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  FNeighbour = FindNeighbour(FNeighbourBefore);
  if (!FNeighbour) return;
  FPressAt = event->globalPosition();
  FNeighbourStart = FNeighbour->geometry();
  FStart = pos();
}

void TSkSplitter::mouseMoveEvent(QMouseEvent* event) {
  if (!FNeighbour || !(event->buttons() & Qt::LeftButton)) return QWidget::mouseMoveEvent(event);
  const TAxis axis{IsVertical()};
  const int start = axis.Pos(FStart);
  const int length = axis.Length(FNeighbourStart);
  int shift = qRound(axis.Along(event->globalPosition()) - axis.Along(FPressAt));
  // The bar stays inside its parent, where it can be grabbed again ...
  shift = std::min(shift, axis.Length(parentWidget()->size()) - axis.Length(size()) - start);
  shift = std::max(shift, -start);
  // ... and the neighbour does not shrink below its minimum (one already smaller does not jump).
  if (FNeighbourBefore) {
    shift = std::max(shift, std::min(0, kMinNeighbourSize - length));
    FNeighbour->setGeometry(axis.WithSpan(FNeighbourStart, axis.Pos(FNeighbourStart), length + shift));
  } else {
    shift = std::min(shift, std::max(0, length - kMinNeighbourSize));
    FNeighbour->setGeometry(axis.WithSpan(FNeighbourStart, axis.Pos(FNeighbourStart) + shift, length - shift));
  }
  move(FStart + axis.Offset(shift));
}

void TSkSplitter::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
  FNeighbour = nullptr;
}

TSkScrollBox::TSkScrollBox(QWidget* parent) : QScrollArea(parent) {
  setFrameShape(QFrame::NoFrame);
  setWidgetResizable(true);
  auto* content = new QWidget();
  content->setObjectName("scroll_content");
  content->installEventFilter(this);
  setWidget(content);
}

QWidget* TSkScrollBox::Content() const { return widget(); }

bool TSkScrollBox::eventFilter(QObject* watched, QEvent* event) {
  QWidget* content = widget();
  if (watched == content && event->type() == QEvent::ChildAdded) {
    if (auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child())) child->installEventFilter(this);
    FitContent();
  } else if (watched != content) {
    switch (event->type()) {
      case QEvent::Move:
      case QEvent::Resize:
      case QEvent::ShowToParent:
      case QEvent::HideToParent:
        FitContent();
        break;
      default:
        break;
    }
  }
  return QScrollArea::eventFilter(watched, event);
}

void TSkScrollBox::FitContent() {
  // Controls sit at coordinates: the content is as large as they reach, and
  // the box scrolls when that is more than it shows.
  QWidget* content = widget();
  QRect reach;
  for (QObject* object : content->children()) {
    auto* child = qobject_cast<QWidget*>(object);
    if (child && !child->isHidden()) reach |= child->geometry();
  }
  content->setMinimumSize(std::max(0, reach.right() + 1), std::max(0, reach.bottom() + 1));
}

}  // namespace kv
