#include "AnswerCheck.h"

#include <algorithm>
#include <cstdio>

#include "ExamGenerator.h"
#include "util/Cp1251.h"
#include "util/uUtils.h"

namespace kv {
namespace {

std::string WithoutSpaces(std::string text) {
  text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
  return text;
}

// The items of a list: split at every separator, trimmed, empty ones dropped.
std::vector<std::string> Items(const std::string& text, const std::string& separator) {
  std::vector<std::string> items;
  std::size_t from = 0;
  while (from <= text.size()) {
    const std::size_t at = text.find(separator, from);
    const std::string item = Trim(text.substr(from, at == std::string::npos ? std::string::npos : at - from));
    if (!item.empty()) items.push_back(item);
    if (at == std::string::npos) break;
    from = at + separator.size();
  }
  return items;
}

// Quotation marks do not count when items are compared.
std::string WithoutQuotes(std::string text) {
  std::string result;
  const std::string openQuote = Utf8ToCp1251("«");
  const std::string closeQuote = Utf8ToCp1251("»");
  for (const char c : text)
    if (c != '"' && c != openQuote[0] && c != closeQuote[0]) result += c;
  return result;
}

}  // namespace

bool CompareTextAnswer(const std::string& expected, const std::string& given, const std::string& separator) {
  std::string sep = Trim(separator);
  if (sep.empty()) sep = ",";
  std::string e = LowerCase(Trim(expected));
  const std::string g = WithoutSpaces(LowerCase(Trim(given)));
  if (g.empty()) return false;
  char mode = '0';
  if (e.size() > 2 && e[0] == '$') {
    mode = e[1];
    e.erase(0, 2);
  }
  if (mode == '0') return e == g;
  // Only lists of alternatives are known besides plain text: any other mode is never right.
  if (mode != '1') return false;
  const std::vector<std::string> givenItems = Items(g, sep);
  if (givenItems.empty()) return false;
  while (!e.empty()) {
    const std::string alternative = WithoutSpaces(Trim(SplitFirst(e, "#")));
    std::vector<std::string> allowed = Items(alternative, sep);
    for (std::string& item : allowed) item = WithoutQuotes(item);
    if (allowed.empty()) continue;
    const bool right = std::all_of(givenItems.begin(), givenItems.end(), [&](const std::string& item) {
      return std::find(allowed.begin(), allowed.end(), WithoutQuotes(item)) != allowed.end();
    });
    if (right) return true;
  }
  return false;
}

std::string MarkFor(long long right, long long total) {
  // Nothing to answer gives no grounds for a better mark.
  if (total <= 0) return "2";
  const long long share = right * 100 / total;
  if (share >= 75 && share <= 100) return "5";
  if (share >= 50 && share < 75) return "4";
  if (share >= 25 && share < 50) return "3";
  return "2";
}

std::string FormatSeconds(long long seconds) {
  if (seconds < 0) seconds = 0;
  char text[32];
  std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", seconds / 3600, seconds % 3600 / 60, seconds % 60);
  return text;
}

std::string JournalRow(long long right, long long total, const std::string& mark, const std::string& date,
                       const std::string& timeUsed) {
  return "<tr align=\"center\"> <td>" + std::to_string(right) + "/" + std::to_string(total) + "</td> <td>" + mark +
         "</td> <td>" + date + "</td> <td>" + timeUsed + "</td> </tr>\r\n<insert>";
}

bool InsertJournalRow(const std::vector<std::string>& lines, const std::string& row, std::string& text) {
  std::string joined;
  for (const std::string& line : lines) joined += line + "\r\n";
  if (ReplaceAll(joined, "<insert>", row) == 0) return false;
  text = joined;
  return true;
}

}  // namespace kv
