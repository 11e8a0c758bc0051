#include <gtest/gtest.h>

#include <QLabel>

#include "interpreter/skValues.h"
#include "util/Errors.h"

namespace kv {

TEST(DescriptionValues, FontsChangeOnlyTheirGivenParts) {
  QLabel label;
  QFont start("DejaVu Serif", 9);
  start.setItalic(true);
  start.setUnderline(true);
  label.setFont(start);
  const QColor text = label.palette().color(QPalette::WindowText);
  ApplyFont(&label, "Arial*12**b");
  EXPECT_EQ(label.font().family(), "Arial");
  EXPECT_EQ(label.font().pointSize(), 12);
  EXPECT_TRUE(label.font().bold());
  EXPECT_FALSE(label.font().italic());
  EXPECT_FALSE(label.font().underline());
  EXPECT_EQ(label.palette().color(QPalette::WindowText), text);
  ApplyFont(&label, "**#FF0000");
  EXPECT_EQ(label.font().pointSize(), 12);
  EXPECT_TRUE(label.font().bold());
  EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(255, 0, 0));
  EXPECT_THROW(ApplyFont(&label, "Arial*big"), EConvertError);
}

TEST(DescriptionValues, CursorsByNameOrNumber) {
  EXPECT_EQ(CursorOf("crHandPoint").shape(), Qt::PointingHandCursor);
  EXPECT_EQ(CursorOf("-21").shape(), Qt::PointingHandCursor);
  EXPECT_EQ(CursorOf("CRIBEAM").shape(), Qt::IBeamCursor);
  EXPECT_EQ(CursorOf("141").shape(), Qt::BitmapCursor);  // the program's zoom-in cursor
  EXPECT_EQ(CursorOf("143").shape(), Qt::OpenHandCursor);
  EXPECT_THROW(CursorOf("crNothing"), EConvertError);
  EXPECT_EQ(ToQColor(0x0080FF), QColor(255, 128, 0));
}

}  // namespace kv
