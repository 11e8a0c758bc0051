#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>

#include "TestSupport.h"
#include "platform/PackBitmap.h"
#include "platform/SystemServices.h"

namespace kv {
namespace {

std::string Encoded(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format);
  return bytes.toStdString();
}

}  // namespace

TEST(PackBitmap, DecodesByExtensionThenByContent) {
  test::TTempCourse course;
  test::TMessageCapture messages;
  QImage red(8, 6, QImage::Format_RGB32);
  red.fill(Qt::red);
  course.Write("pics/Picture.BMP", Encoded(red, "BMP"));
  course.Write("pics/photo.jpg", BitmapToJpeg(red, 90).toStdString());
  course.Write("pics/picture.png", Encoded(red, "PNG"));
  course.Write("pics/broken.jpg", "not a picture");

  for (const char* name : {"pics\\picture.bmp", "pics\\photo.jpg", "pics\\picture.png"}) {
    const QImage image = LoadPackBitmap(name);
    ASSERT_FALSE(image.isNull()) << name;
    EXPECT_EQ(image.size(), QSize(8, 6)) << name;
    EXPECT_GT(qRed(image.pixel(4, 3)), 200) << name;
  }
  EXPECT_TRUE(LoadPackBitmap("pics\\broken.jpg").isNull());
  EXPECT_TRUE(messages.Messages.empty());
  EXPECT_TRUE(LoadPackBitmap("pics\\none.jpg").isNull());
  EXPECT_EQ(messages.Messages.size(), 1u);
  EXPECT_TRUE(BitmapToJpeg(QImage(), 90).isEmpty());
}

}  // namespace kv
