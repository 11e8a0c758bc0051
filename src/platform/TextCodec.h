// Where course text (Windows-1251 bytes) meets Qt's strings.
#pragma once

#include <QString>
#include <string>

namespace kv {

QString ToQString(const std::string& cp1251);
// Characters without a Windows-1251 byte become '?'; `exact` tells whether none did.
std::string FromQString(const QString& text, bool* exact = nullptr);

}  // namespace kv
