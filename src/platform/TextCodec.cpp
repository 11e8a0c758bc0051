#include "TextCodec.h"

#include "util/Cp1251.h"

namespace kv {

QString ToQString(const std::string& cp1251) {
  QString text(static_cast<qsizetype>(cp1251.size()), Qt::Uninitialized);
  QChar* out = text.data();
  for (char c : cp1251) *out++ = QChar(static_cast<char16_t>(Cp1251ToUnicode(static_cast<unsigned char>(c))));
  return text;
}

std::string FromQString(const QString& text, bool* exact) {
  std::string out;
  out.reserve(static_cast<std::size_t>(text.size()));
  bool allExact = true;
  for (QChar c : text) {
    const int byte = UnicodeToCp1251(c.unicode());
    if (byte < 0) allExact = false;
    out += static_cast<char>(byte < 0 ? '?' : byte);
  }
  if (exact) *exact = allExact;
  return out;
}

}  // namespace kv
