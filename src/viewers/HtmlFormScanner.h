// Finds the form controls of an HTML page (input, select, textarea) and puts a
// placeholder picture in the place of each, so a text view that cannot draw
// forms keeps room for the widgets laid over it. One pass over UTF-8 text:
// pages come as their authors wrote them, broken markup included.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace kv {

// Placeholder pictures are named this prefix and the element's index ("kvform:3").
inline constexpr std::string_view kFormPlaceholderPrefix = "kvform:";

struct THtmlOption {
  std::string Text;   // entities decoded, white space collapsed
  std::string Value;  // the value attribute, the text when there is none
  bool Selected = false;
};

struct THtmlFormElement {
  std::string Tag;  // "input", "select" or "textarea"
  // Names lower-case, values decoded; a repeated name keeps its first value.
  std::map<std::string, std::string> Attributes;
  std::vector<THtmlOption> Options;  // of a select
  std::string Content;               // of a textarea, decoded
  bool HasPlaceholder = true;        // false for a hidden input: it takes no room
};

struct THtmlFormScan {
  std::string Html;  // the page, each element replaced by <img src="kvform:N">, a hidden input by <!---->
  std::vector<THtmlFormElement> Elements;  // in document order: N is the index here
};

// Comments, scripts and style sheets are passed over; markup that cannot be
// parsed stays text.
THtmlFormScan ScanHtmlForms(std::string_view html);

}  // namespace kv
