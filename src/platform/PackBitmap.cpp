#include "PackBitmap.h"

#include "pack/gPack.h"
#include "util/Cp1251.h"

namespace kv {

QImage LoadPackBitmap(const std::string& name) {
  const TPack pack(name);
  if (pack.Size() == 0) return {};
  const auto* data = reinterpret_cast<const uchar*>(pack.Data());
  const int size = static_cast<int>(pack.Size());
  const std::string lower = LowerCase(name);
  const bool bmp = lower.size() >= 4 && lower.compare(lower.size() - 4, 4, ".bmp") == 0;
  QImage image = QImage::fromData(data, size, bmp ? "BMP" : "JPEG");
  if (image.isNull() && !bmp) image = QImage::fromData(data, size);
  return image;
}

}  // namespace kv
