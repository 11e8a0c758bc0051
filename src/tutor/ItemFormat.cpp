#include "ItemFormat.h"

#include <cctype>

#include "util/Errors.h"

namespace kv {
namespace {

// A directive: % [index ":"] ["-"] [width] ["." precision] type.
struct TDirective {
  std::size_t Index = 0;
  bool HasIndex = false;
  bool LeftAlign = false;
  std::size_t Width = 0;
  bool HasPrecision = false;
  std::size_t Precision = 0;
  char Type = 0;
};

std::size_t ReadNumber(const std::string& text, std::size_t& at) {
  std::size_t value = 0;
  while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]))) {
    value = value * 10 + static_cast<std::size_t>(text[at++] - '0');
    if (value > 100000) throw EConvertError("Format '" + text + "' invalid or incompatible with argument");
  }
  return value;
}

TDirective ReadDirective(const std::string& text, std::size_t& at) {
  TDirective directive;
  const std::size_t start = at;
  std::size_t number = ReadNumber(text, at);
  if (at < text.size() && text[at] == ':') {
    directive.Index = number;
    directive.HasIndex = true;
    ++at;
  } else {
    at = start;
  }
  if (at < text.size() && text[at] == '-') {
    directive.LeftAlign = true;
    ++at;
  }
  directive.Width = ReadNumber(text, at);
  if (at < text.size() && text[at] == '.') {
    ++at;
    directive.HasPrecision = true;
    directive.Precision = ReadNumber(text, at);
  }
  if (at >= text.size()) throw EConvertError("Format '" + text + "' invalid or incompatible with argument");
  directive.Type = static_cast<char>(std::tolower(static_cast<unsigned char>(text[at++])));
  return directive;
}

std::string Pad(std::string text, const TDirective& directive) {
  if (text.size() >= directive.Width) return text;
  const std::string fill(directive.Width - text.size(), ' ');
  return directive.LeftAlign ? text + fill : fill + text;
}

}  // namespace

std::string FormatText(const std::string& templ, const std::vector<TFormatArgument>& arguments) {
  std::string out;
  std::size_t next = 0;
  for (std::size_t at = 0; at < templ.size();) {
    const char c = templ[at++];
    if (c != '%') {
      out += c;
      continue;
    }
    if (at < templ.size() && templ[at] == '%') {
      out += '%';
      ++at;
      continue;
    }
    const TDirective directive = ReadDirective(templ, at);
    const std::size_t index = directive.HasIndex ? directive.Index : next;
    next = index + 1;
    if (index >= arguments.size()) throw EConvertError("Format '" + templ + "' invalid or incompatible with argument");
    const TFormatArgument& argument = arguments[index];
    if (directive.Type == 's' && std::holds_alternative<std::string>(argument)) {
      std::string text = std::get<std::string>(argument);
      if (directive.HasPrecision && text.size() > directive.Precision) text.resize(directive.Precision);
      out += Pad(text, directive);
    } else if ((directive.Type == 'd' || directive.Type == 'u') && std::holds_alternative<long long>(argument)) {
      out += Pad(std::to_string(std::get<long long>(argument)), directive);
    } else {
      throw EConvertError("Format '" + templ + "' invalid or incompatible with argument");
    }
  }
  return out;
}

}  // namespace kv
