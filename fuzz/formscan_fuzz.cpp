// The input is an HTML page; its form controls are found and replaced by
// placeholders, and the result is checked against what the HTML view relies on.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "viewers/HtmlFormScanner.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const kv::THtmlFormScan scan = kv::ScanHtmlForms(std::string_view(reinterpret_cast<const char*>(data), size));
  // Each placeholder is there, in document order.
  std::size_t from = 0;
  for (std::size_t i = 0; i < scan.Elements.size(); ++i) {
    for (const auto& [name, value] : scan.Elements[i].Attributes)
      if (std::any_of(name.begin(), name.end(), [](char c) { return c >= 'A' && c <= 'Z'; })) std::abort();
    if (!scan.Elements[i].HasPlaceholder) continue;
    const std::string placeholder = "<img src=\"kvform:" + std::to_string(i) + "\">";
    from = scan.Html.find(placeholder, from);
    if (from == std::string::npos) std::abort();
    from += placeholder.size();
  }
  // What the page kept holds no control a second reading would find: it was
  // all replaced, or passed over the same way again.
  if (!kv::ScanHtmlForms(scan.Html).Elements.empty()) std::abort();
  return 0;
}
