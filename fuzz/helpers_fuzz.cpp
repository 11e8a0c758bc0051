// The input is two texts (split at the first NUL or line break) fed to the
// value, path and text helpers that take course text as it comes.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "util/Cp1251.h"
#include "util/Errors.h"
#include "util/TextLines.h"
#include "util/skUtils.h"
#include "util/uUtils.h"

namespace {

void ParseValues(const std::string& text) {
  try {
    kv::ParseColor(text);
  } catch (const kv::EConvertError&) {
  }
  try {
    kv::StrToInt(text);
  } catch (const kv::EConvertError&) {
  }
  kv::ParseBool(text, false);
}

// Each loop must end: every step takes the separator or the rest of the text.
void SplitAll(const std::string& text, const std::string& separator) {
  for (std::string rest = text; !rest.empty();) kv::SplitFirst(rest, separator);
  for (std::string rest = text; !rest.empty();) kv::SplitLast(rest, separator);
  kv::LastPos(separator, text);
}

// Windows-1251 to UTF-8 and back must give the same bytes.
void CheckRoundTrip(const std::string& text) {
  if (text.find('\0') != std::string::npos) return;
  bool exact = false;
  if (kv::Utf8ToCp1251(kv::Cp1251ToUtf8(text), &exact) != text || !exact) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t cut = input.find_first_of(std::string_view("\0\n", 2));
  const std::string first(input.substr(0, cut));
  const std::string second(cut == std::string_view::npos ? std::string_view() : input.substr(cut + 1));
  const std::size_t small = second.size() % 16;

  ParseValues(first);
  kv::ResolvePath(first, second);
  kv::ResolvePath(first, "");
  SplitAll(first, second);
  SplitAll(second, first.substr(0, 3));
  kv::ShortenText(first, small);
  kv::CollapseSpaces(second);
  const std::vector<std::string> list = kv::SplitLines(second);
  kv::FindInList(list, first, static_cast<int>(small) - 2, nullptr, false);
  kv::FindInList(list, first, 0, [](int) {}, true);
  kv::InsertArgument(first, second, true);
  kv::InsertArgument(second, first, false);
  kv::FieldOf(first, static_cast<int>(small));
  kv::AddSuffixBeforeExt(first, second);
  kv::Utf8ToCp1251(input);
  CheckRoundTrip(first);
  CheckRoundTrip(second);
  return 0;
}
