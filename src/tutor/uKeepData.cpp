#include "uKeepData.h"

#include "util/Cp1251.h"
#include "util/Errors.h"
#include "util/uUtils.h"

namespace kv {

std::string TKeepData::Text(const std::string& key) const {
  for (const std::string& line : FLines) {
    const std::size_t eq = line.find('=');
    if (eq != std::string::npos && SameText(line.substr(0, eq), key)) return line.substr(eq + 1);
  }
  return {};
}

std::optional<int> TKeepData::Integer(const std::string& key) const {
  try {
    return StrToInt(Text(key));
  } catch (const EConvertError&) {
    return std::nullopt;
  }
}

}  // namespace kv
