// The input is an INI text (an interface description): it is parsed and every
// section is read back the ways the player reads it.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "pack/uIniFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const kv::TPakIniFile ini =
      kv::TPakIniFile::FromText(std::string_view(reinterpret_cast<const char*>(data), size));
  for (const std::string& section : ini.SectionNames()) {
    // A name the file lists must be found again, with one line per key.
    if (!ini.SectionExists(section)) std::abort();
    const auto keys = ini.KeyNames(section);
    for (const std::string& key : keys) ini.ReadValue(section, key, "");
    if (ini.SectionLines(section).size() != keys.size()) std::abort();
  }
  return 0;
}
