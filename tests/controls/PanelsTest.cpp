#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>

#include "controls/skPanels.h"
#include "util/Errors.h"

namespace kv {

namespace {

// A parent whose client area is `client`, with a 50 px margin all round so
// that its outer size differs from it by more than a percent.
void SetClientSize(QWidget& parent, QSize client) {
  parent.setContentsMargins(50, 50, 50, 50);
  parent.resize(client + QSize(100, 100));
}

void SendMouse(QWidget* target, QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held) {
  QMouseEvent event(type, at, at, button, held, Qt::NoModifier);
  QApplication::sendEvent(target, &event);
}

// Presses the left button on the widget, moves the mouse by `shift`, releases it.
void Drag(QWidget* target, QPoint shift) {
  const QPointF from(2, 2);
  SendMouse(target, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
  SendMouse(target, QEvent::MouseMove, from + shift, Qt::NoButton, Qt::LeftButton);
  SendMouse(target, QEvent::MouseButtonRelease, from + shift, Qt::LeftButton, Qt::NoButton);
}

}  // namespace

TEST(PanelLayout, CentresOnTheParentsOuterSizeTruncatingTowardZero) {
  struct TCase {
    int parentWidth;
    int left;
  };
  for (const TCase& c : {TCase{501, 150}, TCase{199, 0}}) {
    QWidget parent;
    SetClientSize(parent, QSize(c.parentWidth - 100, 400));
    TSkPanel panel(&parent);
    panel.setGeometry(7, 9, 200, 100);
    panel.SetCenterHorz(true);
    EXPECT_EQ(panel.pos(), QPoint(c.left, 9)) << c.parentWidth;
  }

  QWidget parent;
  SetClientSize(parent, QSize(400, 400));
  TParentPanel panel(&parent);
  panel.SetCenterVert(true);
  EXPECT_EQ(panel.pos(), QPoint(0, 225));
  parent.resize(500, 301);
  panel.Recenter();
  EXPECT_EQ(panel.pos(), QPoint(0, 125));
}

TEST(PanelLayout, PercentOfTheParentsClientSizeFollowsItOnApplyPercent) {
  QWidget parent;
  SetClientSize(parent, QSize(1000, 750));
  TParentPanel panel(&parent);
  EXPECT_EQ(panel.size(), QSize(100, 50));

  panel.SetWidthText("30%");
  panel.SetHeightText("50%");
  EXPECT_EQ(panel.size(), QSize(300, 350));  // a hundredth of 750 is 7

  SetClientSize(parent, QSize(640, 750));
  EXPECT_EQ(panel.width(), 300);
  panel.ApplyPercent();
  EXPECT_EQ(panel.size(), QSize(180, 350));
}

TEST(PanelLayout, SizeWithoutPercentIsAnInteger) {
  QWidget parent;
  TSkPanel panel(&parent);
  panel.SetWidthText("120");
  panel.SetHeightText("$20");
  EXPECT_EQ(panel.size(), QSize(120, 32));
  EXPECT_EQ(panel.FWidthPercent, 0);
  EXPECT_THROW(panel.SetWidthText("abc"), EConvertError);
  EXPECT_THROW(panel.SetHeightText("x%"), EConvertError);
}

TEST(PanelLayout, ShownAgainWhereItStoodBeforeHiding) {
  QWidget parent;
  auto check = [](auto& control) {
    control.move(10, 20);
    control.ShowOrHide();
    EXPECT_TRUE(control.isHidden());
    control.move(70, 80);
    control.ShowOrHide();
    EXPECT_FALSE(control.isHidden());
    EXPECT_EQ(control.pos(), QPoint(10, 20));
  };
  TSkPanel panel(&parent);
  check(panel);
  TParentPanel parentPanel(&parent);
  check(parentPanel);
  TSkSplitter splitter(&parent);
  check(splitter);
}

TEST(PanelLayout, SkinnedPanelIsBareAndReportsDoubleClicks) {
  TSkPanel panel(nullptr);
  EXPECT_EQ(panel.frameWidth(), 0);
  EXPECT_FALSE(panel.autoFillBackground());
  int clicks = 0;
  QObject::connect(&panel, &TSkPanel::DoubleClicked, [&] { ++clicks; });
  SendMouse(&panel, QEvent::MouseButtonDblClick, QPointF(3, 3), Qt::LeftButton, Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
}

TEST(PanelLayout, ParentPanelPaintsItsColour) {
  TParentPanel panel(nullptr);
  panel.SetColor(QColor(200, 30, 40));
  EXPECT_EQ(panel.grab().toImage().pixelColor(50, 25), QColor(200, 30, 40));
}

// A 400 x 300 form: a side panel, the bar beside it, the rest of the client area.
class Splitter : public ::testing::Test {
 protected:
  void SetUp() override {
    FForm.resize(400, 300);
    FForm.show();
  }
  QWidget FForm;
  QWidget FSide{&FForm};
  QWidget FRest{&FForm};
  TSkSplitter FBar{&FForm};
};

TEST_F(Splitter, VerticalBarResizesThePanelOnItsLeft) {
  struct TCase {
    int shift;
    int sideWidth;
  };
  // Far left keeps the minimum; far right stops where the bar reaches the form's edge.
  for (const TCase& c : {TCase{40, 140}, TCase{-200, 10}, TCase{1000, 395}}) {
    FSide.setGeometry(0, 0, 100, 300);
    FBar.setGeometry(100, 0, 5, 300);
    FRest.setGeometry(105, 0, 295, 300);
    Drag(&FBar, QPoint(c.shift, 7));
    EXPECT_EQ(FSide.geometry(), QRect(0, 0, c.sideWidth, 300)) << c.shift;
    EXPECT_EQ(FBar.geometry(), QRect(c.sideWidth, 0, 5, 300)) << c.shift;
  }
  EXPECT_EQ(FRest.geometry(), QRect(105, 0, 295, 300));
  EXPECT_EQ(FBar.cursor().shape(), Qt::SplitHCursor);
}

TEST_F(Splitter, HorizontalBarResizesThePanelBelowIt) {
  struct TCase {
    int shift;
    int sideTop;
  };
  for (const TCase& c : {TCase{-50, 150}, TCase{200, 290}}) {
    FRest.setGeometry(0, 0, 400, 195);
    FBar.setGeometry(0, 195, 400, 5);
    FSide.setGeometry(0, 200, 400, 100);
    Drag(&FBar, QPoint(7, c.shift));
    EXPECT_EQ(FSide.geometry(), QRect(0, c.sideTop, 400, 300 - c.sideTop)) << c.shift;
    EXPECT_EQ(FBar.geometry(), QRect(0, c.sideTop - 5, 400, 5)) << c.shift;
  }
  // It touches the bar too, but lies on the side away from the nearer edge.
  EXPECT_EQ(FRest.geometry(), QRect(0, 0, 400, 195));
  EXPECT_EQ(FBar.cursor().shape(), Qt::SplitVCursor);
}

TEST_F(Splitter, HiddenNeighbourIsLeftAlone) {
  FSide.setGeometry(0, 0, 100, 300);
  FSide.hide();
  FBar.setGeometry(100, 0, 5, 300);
  FRest.setGeometry(200, 0, 200, 300);
  Drag(&FBar, QPoint(40, 0));
  EXPECT_EQ(FSide.geometry(), QRect(0, 0, 100, 300));
  EXPECT_EQ(FBar.geometry(), QRect(100, 0, 5, 300));
}

}  // namespace kv
