// Pictures read through the pack.
#pragma once

#include <QImage>
#include <string>

namespace kv {

// The picture `name` from the pack or disk. A ".bmp" name is read as a Windows
// bitmap; any other is decoded as JPEG, and when that fails, by what its bytes
// show it to be (PNG, GIF and the rest). A missing or undecodable picture gives
// a null image.
QImage LoadPackBitmap(const std::string& name);

}  // namespace kv
