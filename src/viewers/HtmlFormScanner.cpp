#include "HtmlFormScanner.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace kv {

namespace {

constexpr std::size_t npos = std::string_view::npos;

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string LowerAscii(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) { return LowerAscii(c); });
  return lower;
}

// Whether `text` holds `word` (lower case) at `pos`, in any letter case.
bool HasWordAt(std::string_view text, std::size_t pos, std::string_view word) {
  if (pos > text.size() || text.size() - pos < word.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i)
    if (LowerAscii(text[pos + i]) != word[i]) return false;
  return true;
}

// Where the end tag of `name` (lower case) next starts from `pos`; npos when nowhere.
std::size_t FindEndTag(std::string_view html, std::size_t pos, std::string_view name) {
  for (pos = html.find("</", pos); pos != npos; pos = html.find("</", pos + 2)) {
    const std::size_t after = pos + 2 + name.size();
    if (!HasWordAt(html, pos + 2, name)) continue;
    if (after == html.size() || IsSpace(html[after]) || html[after] == '/' || html[after] == '>') return pos;
  }
  return npos;
}

// Where the comment that starts at `pos` ("<!--") ends: past its "-->", or
// the end of the page for one never closed (the view hides the rest too).
std::size_t CommentEnd(std::string_view html, std::size_t pos) {
  const std::size_t close = html.find("-->", pos + 4);
  return close == npos ? html.size() : close + 3;
}

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

int DigitValue(char c, bool hex) {
  if (c >= '0' && c <= '9') return c - '0';
  if (!hex) return -1;
  const char lower = LowerAscii(c);
  return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

// Appends the character of the entity whose name starts at `pos` (just after
// its '&') and returns the entity's length from `pos`; 0 when the text there
// is no entity, so the '&' stands for itself.
std::size_t AppendEntity(std::string_view text, std::size_t pos, std::string& out) {
  struct TNamed {
    std::string_view Name;
    char32_t Code;
  };
  static constexpr TNamed kNamed[] = {{"amp;", U'&'},  {"lt;", U'<'},    {"gt;", U'>'},
                                      {"quot;", U'"'}, {"apos;", U'\''}, {"nbsp;", U'\u00A0'}};
  for (const TNamed& named : kNamed) {
    if (text.substr(pos, named.Name.size()) != named.Name) continue;
    AppendUtf8(out, named.Code);
    return named.Name.size();
  }
  if (pos >= text.size() || text[pos] != '#') return 0;
  std::size_t i = pos + 1;
  const bool hex = i < text.size() && LowerAscii(text[i]) == 'x';
  if (hex) ++i;
  const std::size_t digits = i;
  char32_t code = 0;
  constexpr char32_t kPastUnicode = 0x110000;  // the value stops growing here, however many digits follow
  for (int digit = 0; i < text.size() && (digit = DigitValue(text[i], hex)) >= 0; ++i)
    code = std::min<char32_t>(code * (hex ? 16 : 10) + static_cast<char32_t>(digit), kPastUnicode);
  if (i == digits) return 0;
  if (i < text.size() && text[i] == ';') ++i;
  const bool valid = code != 0 && code < kPastUnicode && (code < 0xD800 || code > 0xDFFF);
  AppendUtf8(out, valid ? code : U'\uFFFD');
  return i - pos;
}

std::string DecodeEntities(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t amp = std::min(text.find('&', pos), text.size());
    out.append(text, pos, amp - pos);
    if (amp == text.size()) break;
    const std::size_t length = AppendEntity(text, amp + 1, out);
    if (length == 0) out += '&';
    pos = amp + 1 + length;
  }
  return out;
}

// White space runs become one space, none at either end: what a list shows.
std::string CollapseSpaces(std::string_view text) {
  std::string out;
  bool space = false;
  for (char c : text) {
    if (IsSpace(c)) {
      space = !out.empty();
      continue;
    }
    if (space) out += ' ';
    space = false;
    out += c;
  }
  return out;
}

struct TTag {
  std::string Name;    // lower case
  bool End = false;    // </name>
  bool Closed = true;  // false when the page ends inside the tag
  std::map<std::string, std::string> Attributes;
  std::size_t Stop = 0;  // just past the '>'
};

// Reads the attributes from `pos` to the tag's '>'.
void ReadAttributes(std::string_view html, std::size_t pos, TTag& tag) {
  const std::size_t n = html.size();
  for (;;) {
    while (pos < n && (IsSpace(html[pos]) || html[pos] == '/')) ++pos;
    if (pos == n) {
      tag.Closed = false;
      return;
    }
    if (html[pos] == '>') {
      tag.Stop = pos + 1;
      return;
    }
    const std::size_t nameStart = pos++;  // a name may start with '=' (as browsers read it)
    while (pos < n && !IsSpace(html[pos]) && html[pos] != '/' && html[pos] != '>' && html[pos] != '=') ++pos;
    std::string name = LowerAscii(html.substr(nameStart, pos - nameStart));
    while (pos < n && IsSpace(html[pos])) ++pos;
    std::string value;
    if (pos < n && html[pos] == '=') {
      ++pos;
      while (pos < n && IsSpace(html[pos])) ++pos;
      if (pos < n && (html[pos] == '"' || html[pos] == '\'')) {
        const std::size_t close = html.find(html[pos], pos + 1);
        if (close == npos) {
          tag.Closed = false;
          return;
        }
        value = DecodeEntities(html.substr(pos + 1, close - pos - 1));
        pos = close + 1;
      } else {
        const std::size_t valueStart = pos;
        while (pos < n && !IsSpace(html[pos]) && html[pos] != '>') ++pos;
        value = DecodeEntities(html.substr(valueStart, pos - valueStart));
      }
    }
    tag.Attributes.emplace(std::move(name), std::move(value));
  }
}

// The tag whose '<' is at `pos`; none when that '<' starts no tag (text such as "a < b").
std::optional<TTag> ReadTag(std::string_view html, std::size_t pos) {
  TTag tag;
  ++pos;
  if (pos < html.size() && html[pos] == '/') {
    tag.End = true;
    ++pos;
  }
  if (pos == html.size() || !IsLetter(html[pos])) return std::nullopt;
  const std::size_t nameStart = pos;
  while (pos < html.size() && !IsSpace(html[pos]) && html[pos] != '/' && html[pos] != '>') ++pos;
  tag.Name = LowerAscii(html.substr(nameStart, pos - nameStart));
  ReadAttributes(html, pos, tag);
  return tag;
}

bool IsControlTag(const TTag& tag) {
  return !tag.End && (tag.Name == "input" || tag.Name == "select" || tag.Name == "textarea");
}

bool IsRawTextTag(const TTag& tag) { return !tag.End && (tag.Name == "script" || tag.Name == "style"); }

// Line breaks as "\n" whichever way the page was saved, as browsers read a text area.
std::string UnixBreaks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r') {
      out += text[i];
      continue;
    }
    out += '\n';
    if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
  }
  return out;
}

// Drops the line break a text area's content starts with, as browsers do:
// authors put the content on the line after the tag.
std::string_view WithoutFirstBreak(std::string_view content) {
  return content.starts_with('\n') ? content.substr(1) : content;
}

class TFormScanner {
 public:
  explicit TFormScanner(std::string_view html) : FHtml(html) { FResult.Html.reserve(html.size()); }

  THtmlFormScan Run() {
    while (FPos < FHtml.size()) Step();
    return std::move(FResult);
  }

 private:
  // Copies the text before the next '<' and reads what that '<' starts.
  void Step() {
    const std::size_t lt = std::min(FHtml.find('<', FPos), FHtml.size());
    CopyTo(lt);
    if (lt == FHtml.size()) return;
    if (HasWordAt(FHtml, lt, "<!--")) return CopyTo(CommentEnd(FHtml, lt));
    std::optional<TTag> tag = ReadTag(FHtml, lt);
    if (!tag) return CopyTo(lt + 1);
    // A tag the page ends in cannot be parsed: the rest stays text.
    if (!tag->Closed) return CopyTo(FHtml.size());
    if (IsRawTextTag(*tag)) return CopyTo(std::min(FindEndTag(FHtml, tag->Stop, tag->Name), FHtml.size()));
    if (!IsControlTag(*tag)) return CopyTo(tag->Stop);
    FPos = tag->Stop;
    THtmlFormElement element;
    element.Tag = tag->Name;
    element.Attributes = std::move(tag->Attributes);
    if (element.Tag == "select") ReadOptions(element);
    if (element.Tag == "textarea") ReadContent(element);
    if (element.Tag == "input") element.HasPlaceholder = !IsHiddenInput(element);
    Add(std::move(element));
  }

  void CopyTo(std::size_t end) {
    FResult.Html.append(FHtml, FPos, end - FPos);
    FPos = end;
  }

  static bool IsHiddenInput(const THtmlFormElement& element) {
    const auto type = element.Attributes.find("type");
    return type != element.Attributes.end() && LowerAscii(type->second) == "hidden";
  }

  void Add(THtmlFormElement element) {
    if (element.HasPlaceholder) {
      FResult.Html += "<img src=\"";
      FResult.Html += kFormPlaceholderPrefix;
      FResult.Html += std::to_string(FResult.Elements.size());
      FResult.Html += "\">";
    } else {
      // Nothing to see, but the text on either side must not join: "<" and
      // "b>" around a hidden input would make a tag, "&" and "lt;" an entity.
      FResult.Html += "<!---->";
    }
    FResult.Elements.push_back(std::move(element));
  }

  // The content up to </textarea>. A text area without that end tag holds
  // nothing and the page goes on as text; once one is missing, every later
  // text area would search the rest of the page for it in vain.
  void ReadContent(THtmlFormElement& element) {
    const std::size_t end = FNoTextareaEnd ? npos : FindEndTag(FHtml, FPos, "textarea");
    if (end == npos) {
      FNoTextareaEnd = true;
      return;
    }
    element.Content = DecodeEntities(WithoutFirstBreak(UnixBreaks(FHtml.substr(FPos, end - FPos))));
    const std::optional<TTag> close = ReadTag(FHtml, end);  // a tag: "</textarea" was found there
    FPos = close->Closed ? close->Stop : FHtml.size();
  }

  // The options up to </select>. As in browsers, another control's start
  // tag or the end of the page also ends the list, and other tags in it are
  // dropped with their text outside an option.
  void ReadOptions(THtmlFormElement& element) {
    TOptionReader options(element.Options);
    while (FPos < FHtml.size()) {
      const std::size_t lt = std::min(FHtml.find('<', FPos), FHtml.size());
      options.AddText(FHtml.substr(FPos, lt - FPos));
      FPos = lt;
      if (lt == FHtml.size()) break;
      if (HasWordAt(FHtml, lt, "<!--")) {
        FPos = CommentEnd(FHtml, lt);
        continue;
      }
      std::optional<TTag> tag = ReadTag(FHtml, lt);
      if (!tag) {
        options.AddText("<");
        ++FPos;
        continue;
      }
      // Left for the page: a broken tag stays text, another control is read on its own.
      if (!tag->Closed || IsControlTag(*tag)) break;
      FPos = tag->Stop;
      if (tag->End && tag->Name == "select") break;
      if (IsRawTextTag(*tag)) FPos = std::min(FindEndTag(FHtml, FPos, tag->Name), FHtml.size());
      if (tag->Name == "option" && !tag->End)
        options.Start(tag->Attributes);
      else if (tag->Name == "option" || tag->Name == "optgroup")
        options.Finish();
    }
    options.Finish();
  }

  // Collects the options of a list; an option's text runs to the next tag that ends it.
  class TOptionReader {
   public:
    explicit TOptionReader(std::vector<THtmlOption>& options) : FOptions(options) {}

    void Start(const std::map<std::string, std::string>& attributes) {
      Finish();
      FOpen = true;
      const auto value = attributes.find("value");
      FValue = value == attributes.end() ? std::nullopt : std::optional<std::string>(value->second);
      FSelected = attributes.contains("selected");
    }
    void AddText(std::string_view text) {
      if (FOpen) FText += text;
    }
    void Finish() {
      if (!FOpen) return;
      FOpen = false;
      THtmlOption option;
      option.Text = CollapseSpaces(DecodeEntities(FText));
      option.Value = FValue.value_or(option.Text);
      option.Selected = FSelected;
      FOptions.push_back(std::move(option));
      FText.clear();
    }

   private:
    std::vector<THtmlOption>& FOptions;
    bool FOpen = false;
    std::string FText;  // as written
    std::optional<std::string> FValue;
    bool FSelected = false;
  };

  std::string_view FHtml;
  std::size_t FPos = 0;
  bool FNoTextareaEnd = false;
  THtmlFormScan FResult;
};

}  // namespace

THtmlFormScan ScanHtmlForms(std::string_view html) { return TFormScanner(html).Run(); }

}  // namespace kv
