// The course's topic list (topic.xml): for each topic its theory and summary
// titles and page files, and the variant of its list item.
#pragma once

#include <string>
#include <vector>

namespace kv {

// Theory ("html") or summary ("hpora"): the element that marks a topic as part of the sequence.
enum class TPageKind { Info, Hpora };

struct TTopic {
  std::string Format;     // "format" attribute: the item template's variant
  std::string Name;       // theory title
  std::string HporaName;  // summary title
  bool HasInfo = false;   // an "html" element
  bool HasHpora = false;  // an "hpora" element
  std::string InfoFile;   // html/@file, relative to dir_info
  std::string HporaFile;  // hpora/@html, relative to dir_info
  std::string HporaPrintFile;   // hpora/@file
  std::string HporaPrintCount;  // hpora/@count
};

class TTopics {
 public:
  // Parses topic.xml (Windows-1251, or UTF-8 when its declaration says so).
  // False, with `error` saying why, for broken XML or a document without a
  // "root" element: the list is then empty.
  bool Parse(const std::string& bytes, std::string& error);

  const std::vector<TTopic>& All() const { return FTopics; }
  int Count() const { return static_cast<int>(FTopics.size()); }
  const std::string& Title(int index, TPageKind kind) const;
  bool InSequence(int index, TPageKind kind) const;
  const std::string& PageFile(int index, TPageKind kind) const;
  // Whether a topic before (after) `index` belongs to the sequence of this kind.
  bool HasPrev(int index, TPageKind kind) const;
  bool HasNext(int index, TPageKind kind) const;

 private:
  std::vector<TTopic> FTopics;
};

// The lines of a list page: header, one formatted item per topic that has a
// title of this kind, footer. `readText(name)` reads a template of dir_info.
// An item template that does not fit its arguments raises EConvertError.
template <typename ReadText>
std::vector<std::string> BuildTopicList(const TTopics& topics, TPageKind kind, ReadText&& readText);

}  // namespace kv

#include "ItemFormat.h"
#include "util/uUtils.h"

namespace kv {

template <typename ReadText>
std::vector<std::string> BuildTopicList(const TTopics& topics, TPageKind kind, ReadText&& readText) {
  std::vector<std::string> lines{readText("header.html")};
  const std::string prefix = kind == TPageKind::Info ? "$info" : "$hpora";
  for (int i = 0; i < topics.Count(); ++i) {
    // The item template is read before the title is looked at, as the course expects.
    const std::string templ = readText(AddSuffixBeforeExt("item.html", topics.All()[static_cast<std::size_t>(i)].Format));
    const std::string& title = topics.Title(i, kind);
    if (title.empty()) continue;
    lines.push_back(FormatText(templ, {prefix, static_cast<long long>(i), title}));
  }
  lines.push_back(readText("footer.html"));
  return lines;
}

}  // namespace kv
