// Checking an exam: typed answers against their expectation, the school
// mark for a share of right answers, times as "hh:nn:ss", and the journal's
// rows.
#pragma once

#include <string>
#include <vector>

namespace kv {

// Whether a typed answer is right. `expected` is plain text (a leading "$0"
// allowed), or "$1" and alternatives separated by "#", each a list of items
// separated by `separator` ("," when empty): then the answer is right when
// all its items are items of one alternative. Case and surrounding spaces do
// not count; the answer's inner spaces are ignored too.
bool CompareTextAnswer(const std::string& expected, const std::string& given, const std::string& separator);

// "2" to "5" for right answers out of total (a total of 0 gives "2").
std::string MarkFor(long long right, long long total);

// Seconds as "hh:nn:ss" (negative counts as 0).
std::string FormatSeconds(long long seconds);

// One row of the journal, ending in CR LF and the insertion marker.
std::string JournalRow(long long right, long long total, const std::string& mark, const std::string& date,
                       const std::string& timeUsed);

// The journal's text with the row put where the marker "<insert>" stands
// (every marker); the lines are joined with CR LF. False, text untouched,
// when the lines hold no marker.
bool InsertJournalRow(const std::vector<std::string>& lines, const std::string& row, std::string& text);

}  // namespace kv
