// The input is course text read three ways: as topic.xml, as a list item
// template and as options.txt, as the textbook reads them.
#include <cstdint>
#include <string>

#include "tutor/ItemFormat.h"
#include "tutor/Options.h"
#include "tutor/Topics.h"
#include "util/Errors.h"
#include "util/Messages.h"
#include "util/TextLines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool quiet = (kv::SetMessageSink([](const std::string&) {}), true);
  (void)quiet;
  const std::string input(reinterpret_cast<const char*>(data), size);
  kv::TTopics topics;
  std::string error;
  if (topics.Parse(input, error))
    for (int i = 0; i < topics.Count(); ++i) topics.Title(i, kv::TPageKind::Info).size();
  try {
    kv::FormatText(input, {std::string("$info"), 7LL, std::string("title")});
  } catch (const kv::EConvertError&) {
  }
  try {
    kv::ReadOptions(kv::SplitLines(input));
  } catch (const kv::EConvertError&) {
  }
  return 0;
}
