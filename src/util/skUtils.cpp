#include "skUtils.h"

#include "Cp1251.h"
#include "uUtils.h"

namespace kv {
namespace {

TFileAsker& FileAsker() {
  static TFileAsker asker;
  return asker;
}

}  // namespace

std::string InsertArgument(const std::string& templ, const std::string& argument, bool append) {
  if (templ.empty()) return {};
  static const std::string kWord = "insert";
  std::string result;
  bool replaced = false;
  std::size_t from = 0;
  for (std::size_t at; (at = templ.find(kWord, from)) != std::string::npos; from = at + kWord.size()) {
    result.append(templ, from, at - from);
    result += argument;
    replaced = true;
  }
  result.append(templ, from, std::string::npos);
  if (append && !replaced) {
    if (result.back() != '*') result += '*';
    result += argument;
  }
  return result;
}

TFileAsker SetFileAsker(TFileAsker asker) {
  TFileAsker old = std::move(FileAsker());
  FileAsker() = std::move(asker);
  return old;
}

std::string CommandArgument(const std::vector<std::string>& args, std::size_t index) {
  if (index >= args.size()) return {};
  std::string rest = args[index];
  if (LowerCase(SplitFirst(rest, "(")) != "open_file") return args[index];
  const std::string filter = "*" + LowerCase(SplitFirst(rest, ")"));
  return FileAsker() ? FileAsker()(filter) : std::string();
}

std::string FieldOf(const std::string& text, int n) {
  std::string rest = text;
  std::string head;
  for (int i = 0; i < n; ++i) head = SplitFirst(rest, "*");
  return head;
}

TAlignment AlignmentOf(const std::string& word) {
  const std::string lower = LowerCase(word);
  if (lower == "left") return TAlignment::Left;
  if (lower == "right") return TAlignment::Right;
  return TAlignment::Center;
}

TControlAlign ControlAlignOf(const std::string& word) {
  static const std::pair<const char*, TControlAlign> kWords[] = {
      {"top", TControlAlign::Top},       {"bottom", TControlAlign::Bottom}, {"left", TControlAlign::Left},
      {"right", TControlAlign::Right},   {"client", TControlAlign::Client}, {"custom", TControlAlign::Custom},
      {"none", TControlAlign::None},
  };
  const std::string lower = LowerCase(word);
  for (const auto& [name, align] : kWords)
    if (lower == name) return align;
  return TControlAlign::None;
}

std::string StripProgramFolder(const std::string& path) {
  if (path.find(':') == std::string::npos && !IsFullPath(path)) return path;
  return DropFolderPrefix(path, ProgramFolder().size());
}

void OpenHtmlPage(std::vector<std::string>& lines, const std::string& bodyAttributes) {
  lines.insert(lines.begin(), {"<html>", "<head></head>", "<body " + bodyAttributes + ">"});
}

void CloseHtmlPage(std::vector<std::string>& lines) {
  lines.push_back("</body>");
  lines.push_back("</html>");
}

}  // namespace kv
