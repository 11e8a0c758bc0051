#include "uUtils.h"

#include <filesystem>
#include <limits>

#include "Cp1251.h"
#include "Errors.h"

namespace kv {
namespace {

struct FolderState {
  std::string native;  // UTF-8, ends in '/'
  std::string course;  // Windows-1251, ends in '/'
};

std::string WithSlash(std::string path) {
  if (path.empty() || path.back() != '/') path += '/';
  return path;
}

FolderState& Folder() {
  static FolderState state = [] {
    std::error_code error;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::string native = WithSlash(error ? std::filesystem::current_path().string()
                                               : exe.parent_path().string());
    return FolderState{native, Utf8ToCp1251(native)};
  }();
  return state;
}

}  // namespace

void SetProgramFolder(const std::string& nativePath) {
  std::error_code error;
  std::filesystem::path path = std::filesystem::absolute(nativePath, error);
  const std::string native = WithSlash((error ? std::filesystem::path(nativePath) : path).lexically_normal().string());
  Folder() = FolderState{native, Utf8ToCp1251(native)};
}

std::string ProgramFolder() { return Folder().course; }
std::string NativeProgramFolder() { return Folder().native; }

bool IsPathDelimiter(char c) { return c == '\\' || c == '/'; }

bool IsFullPath(const std::string& path) {
  return (path.size() >= 2 && path[1] == ':') || (!path.empty() && path[0] == '/');
}

std::string ProgramPath(const std::string& path) {
  if (path.empty() || IsFullPath(path)) return path;
  return ProgramFolder() + (path[0] == '\\' ? path.substr(1) : path);
}

std::string IncludeBackslash(const std::string& path) {
  if (path.empty() || IsPathDelimiter(path.back())) return path;
  return path + '\\';
}

std::string ExcludeBackslash(const std::string& path) {
  if (!path.empty() && IsPathDelimiter(path.back())) return path.substr(0, path.size() - 1);
  return path;
}

std::string DropFolderPrefix(const std::string& path, std::size_t count) {
  std::string rest = count < path.size() ? path.substr(count) : std::string();
  if (!path.empty() && path[0] == '/')
    for (char& c : rest)
      if (c == '/') c = '\\';
  return rest;
}

std::string ExtractFilePath(const std::string& path) {
  for (std::size_t i = path.size(); i > 0; --i)
    if (IsPathDelimiter(path[i - 1]) || path[i - 1] == ':') return path.substr(0, i);
  return {};
}

namespace {

// Drops the last folder name of a folder without a trailing separator. The
// root of a drive or of this file system is never climbed past.
std::string ParentFolder(const std::string& folder) {
  const std::size_t cut = folder.find_last_of("\\/");
  if (cut == std::string::npos) return folder;
  if (cut == 0) return folder.substr(0, 1);
  return folder.substr(0, cut);
}

}  // namespace

std::string ResolvePath(const std::string& path, const std::string& baseFolder) {
  std::string base = baseFolder.empty() ? ProgramFolder() : baseFolder;
  if (path.empty() || IsFullPath(path)) return path;
  std::string rest = path;
  for (char& c : rest)
    if (c == '/') c = '\\';
  int levels = 0;
  std::string kept = SplitFirst(rest, "..\\");
  while (!rest.empty()) {
    ++levels;
    kept = SplitFirst(rest, "..\\");
  }
  base = IncludeBackslash(base);
  if (levels > 0) {
    base = ExcludeBackslash(base);
    for (int i = 0; i < levels; ++i) base = ParentFolder(base);
    base = IncludeBackslash(base);
  }
  return base + kept;
}

std::string AddSuffixBeforeExt(const std::string& fileName, const std::string& suffix) {
  const std::size_t dot = fileName.find_last_of('.');
  const std::size_t slash = fileName.find_last_of("\\/");
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return fileName + suffix;
  return fileName.substr(0, dot) + suffix + fileName.substr(dot);
}

std::string SplitFirst(std::string& text, const std::string& separator) {
  const std::size_t at = separator.empty() ? std::string::npos : text.find(separator);
  if (at == std::string::npos) {
    std::string head = std::move(text);
    text.clear();
    return head;
  }
  std::string head = text.substr(0, at);
  text.erase(0, at + separator.size());
  return head;
}

int LastPos(const std::string& sub, const std::string& text) {
  const long long s = static_cast<long long>(sub.size());
  const long long l = static_cast<long long>(text.size());
  if (s == 0 || s > l) return 0;
  const long long first = l - s + 1;
  auto matchesAt = [&](long long pos) { return text.compare(pos - 1, s, sub) == 0; };
  if (matchesAt(first)) return static_cast<int>(first + s - 1);
  for (long long pos = first - 1; pos >= s + 1; --pos)
    if (matchesAt(pos)) return static_cast<int>(pos + s - 1);
  return 0;
}

std::string SplitLast(std::string& text, const std::string& separator) {
  const int end = LastPos(separator, text);
  if (end == 0) {
    std::string tail = std::move(text);
    text.clear();
    return tail;
  }
  std::string tail = text.substr(end - 1);
  text.erase(end - separator.size());
  return tail;
}

std::string HeadBefore(const std::string& text, const std::string& separator) {
  std::string rest = text;
  return SplitFirst(rest, separator);
}

std::string TakeChars(std::size_t count, std::string& text) {
  if (text.size() < count) {
    std::string head = std::move(text);
    text.clear();
    return head;
  }
  std::string head = text.substr(0, count);
  text.erase(0, count);
  return head;
}

std::string Trim(const std::string& text) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && blank(text[begin])) ++begin;
  while (end > begin && blank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

int StrToInt(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  int base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i >= text.size()) throw EConvertError("'" + text + "' is not a valid integer value");
  unsigned long long value = 0;
  for (; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    int digit = -1;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    if (digit < 0) throw EConvertError("'" + text + "' is not a valid integer value");
    value = value * base + digit;
    // Hexadecimal covers the whole 32-bit pattern (colours such as $80000005); decimal the int range.
    const unsigned long long limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    if (value > limit) throw EConvertError("'" + text + "' is not a valid integer value");
  }
  const auto bits = static_cast<std::uint32_t>(value);
  const auto result = static_cast<int>(bits);
  return negative ? static_cast<int>(0u - bits) : result;
}

bool ParseBool(const std::string& text, bool defaultValue) {
  const std::string value = LowerCase(Trim(text));
  if (value == "true" || value == "1") return true;
  if (value == "false" || value == "0") return false;
  return defaultValue;
}

std::string BoolText(bool value) { return value ? "1" : "0"; }

std::string SwapRgb(const std::string& text) {
  if (text.size() <= 5) return text;
  return text.substr(4, 2) + text.substr(2, 2) + text.substr(0, 2);
}

TColor ParseColor(const std::string& text) {
  // "#RRGGBB" is HTML order; everything else is hexadecimal in blue-green-red order.
  std::string value = !text.empty() && text[0] == '#' ? SwapRgb(text.substr(1)) : text;
  if (value.empty() || value[0] != '$' || text[0] == '#') value.insert(0, 1, '$');
  return static_cast<TColor>(StrToInt(value));
}

bool IsEven(long long value) { return value % 2 == 0; }

std::string ShortenText(const std::string& text, std::size_t n) {
  if (n == 0 || text.size() < n) return text;
  std::string kept = text.substr(0, n - 1);
  const int space = LastPos(" ", kept);
  if (space == 0) return kept;
  return kept.substr(0, space - 1) + "...";
}

std::string CollapseSpaces(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  bool afterBreak = false;
  bool lastWasSpace = false;
  for (char c : text) {
    if (c == '\r' || c == '\n') {
      afterBreak = true;
      continue;
    }
    if (!(c == ' ' && lastWasSpace)) {
      out += c;
      afterBreak = false;
    }
    if (!afterBreak) lastWasSpace = c == ' ';
  }
  return out;
}

int FindInList(const std::vector<std::string>& list, const std::string& text, int start,
               const std::function<void(int)>& progress, bool prefixOnly) {
  const std::string needle = LowerCase(text);
  if (start < 0) start = 0;
  for (std::size_t i = static_cast<std::size_t>(start); i < list.size(); ++i) {
    const std::string entry = LowerCase(list[i]);
    const bool match = !needle.empty() &&
                       (prefixOnly ? entry.compare(0, needle.size(), needle) == 0
                                   : entry.find(needle) != std::string::npos);
    if (progress) progress(static_cast<int>(i + 1));
    if (match) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace kv
