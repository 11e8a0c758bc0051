#include "skAlign.h"

#include <QEvent>
#include <QWidget>
#include <algorithm>

namespace kv {

TChildLayout::TChildLayout(QWidget* container) : QObject(container), FContainer(container) {
  setObjectName("kvChildLayout");
  container->installEventFilter(this);
}

TChildLayout* TChildLayout::For(QWidget* container) {
  if (auto* layout = container->findChild<TChildLayout*>("kvChildLayout", Qt::FindDirectChildrenOnly)) return layout;
  return new TChildLayout(container);
}

TChildLayout::TChild& TChildLayout::Entry(QWidget* child) {
  for (TChild& entry : FChildren)
    if (entry.Widget == child) return entry;
  child->installEventFilter(this);
  FChildren.push_back(TChild{child, TControlAlign::None, {}, 0, 0});
  return FChildren.back();
}

const TChildLayout::TChild* TChildLayout::Find(const QWidget* child) const {
  for (const TChild& entry : FChildren)
    if (entry.Widget == child) return &entry;
  return nullptr;
}

void TChildLayout::SetAlign(QWidget* child, TControlAlign align) {
  if (!child->parentWidget()) return;
  TChildLayout* layout = For(child->parentWidget());
  layout->Entry(child).Align = align;
  layout->Relayout();
}

TControlAlign TChildLayout::AlignOf(const QWidget* child) {
  if (!child->parentWidget()) return TControlAlign::None;
  const TChild* entry = For(child->parentWidget())->Find(child);
  return entry ? entry->Align : TControlAlign::None;
}

void TChildLayout::SetAnchors(QWidget* child, const TAnchors& anchors) {
  QWidget* parent = child->parentWidget();
  if (!parent) return;
  TChild& entry = For(parent)->Entry(child);
  entry.Anchors = anchors;
  entry.RightGap = parent->width() - child->geometry().right() - 1;
  entry.BottomGap = parent->height() - child->geometry().bottom() - 1;
}

TAnchors TChildLayout::AnchorsOf(const QWidget* child) {
  if (!child->parentWidget()) return {};
  const TChild* entry = For(child->parentWidget())->Find(child);
  return entry ? entry->Anchors : TAnchors{};
}

void TChildLayout::KeepAnchors() {
  const int width = FContainer->width();
  const int height = FContainer->height();
  for (const TChild& entry : FChildren) {
    if (!entry.Widget || entry.Align != TControlAlign::None) continue;
    QRect r = entry.Widget->geometry();
    if (entry.Anchors.Right) {
      const int right = width - entry.RightGap;
      if (entry.Anchors.Left) r.setRight(right - 1);
      else r.moveRight(right - 1);
    }
    if (entry.Anchors.Bottom) {
      const int bottom = height - entry.BottomGap;
      if (entry.Anchors.Top) r.setBottom(bottom - 1);
      else r.moveBottom(bottom - 1);
    }
    if (r.width() < 0) r.setWidth(0);
    if (r.height() < 0) r.setHeight(0);
    entry.Widget->setGeometry(r);
  }
}

void TChildLayout::Relayout() {
  if (FLaying) return;
  FLaying = true;
  QRect free = FContainer->rect();
  auto place = [&](TControlAlign align) {
    std::vector<QWidget*> widgets;
    for (const TChild& entry : FChildren)
      if (entry.Widget && entry.Align == align && !entry.Widget->isHidden()) widgets.push_back(entry.Widget);
    // Controls aligned to one side stack in the order of their position on it.
    std::stable_sort(widgets.begin(), widgets.end(), [align](QWidget* a, QWidget* b) {
      switch (align) {
        case TControlAlign::Top: return a->y() < b->y();
        case TControlAlign::Bottom: return a->y() > b->y();
        case TControlAlign::Left: return a->x() < b->x();
        case TControlAlign::Right: return a->x() > b->x();
        default: return false;
      }
    });
    for (QWidget* w : widgets) {
      switch (align) {
        case TControlAlign::Top:
          w->setGeometry(free.left(), free.top(), free.width(), w->height());
          free.setTop(free.top() + w->height());
          break;
        case TControlAlign::Bottom:
          w->setGeometry(free.left(), free.bottom() + 1 - w->height(), free.width(), w->height());
          free.setBottom(free.bottom() - w->height());
          break;
        case TControlAlign::Left:
          w->setGeometry(free.left(), free.top(), w->width(), free.height());
          free.setLeft(free.left() + w->width());
          break;
        case TControlAlign::Right:
          w->setGeometry(free.right() + 1 - w->width(), free.top(), w->width(), free.height());
          free.setRight(free.right() - w->width());
          break;
        case TControlAlign::Client: w->setGeometry(free); break;
        default: break;
      }
    }
  };
  for (TControlAlign align : {TControlAlign::Top, TControlAlign::Bottom, TControlAlign::Left, TControlAlign::Right,
                              TControlAlign::Client})
    place(align);
  FLaying = false;
}

bool TChildLayout::eventFilter(QObject* watched, QEvent* event) {
  if (watched == FContainer && event->type() == QEvent::Resize) {
    KeepAnchors();
    Relayout();
    return false;
  }
  // An aligned control that appears, vanishes or is resized (a splitter drag) moves its siblings.
  const bool changes = event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent ||
                       event->type() == QEvent::Resize;
  if (watched != FContainer && changes && !FLaying) {
    const TChild* entry = Find(static_cast<QWidget*>(watched));
    if (entry && entry->Align != TControlAlign::None) Relayout();
  }
  return false;
}

}  // namespace kv
