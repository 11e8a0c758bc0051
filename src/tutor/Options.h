// The course's options (options.txt): where its material lies, the colours
// that mark answers, the page before a test, the exam's time and its tests.
#pragma once

#include <string>
#include <vector>

#include "uArrayInt.h"
#include "util/uUtils.h"

namespace kv {

// The options record, fields in the order the file's keys are read.
struct TDate {
  std::string DirInfo;
  std::string DirTest;
  std::string DirJournal;
  std::string ColorTrue;   // written verbatim into report pages
  std::string ColorFalse;
  std::string BeforeTest;
  TColor ColorText = 0;
};

struct TOptions {
  TDate Date;
  int TimerMinutes = 20;
  TArrayInt Tests;
};

// Minutes an exam gets when options.txt gives no valid (positive) timer.
constexpr int kDefaultTimerMinutes = 20;
// Text colour of checked text fields when color_text is missing or broken: dark blue.
constexpr TColor kDefaultTextColor = 0x800000;

// Reads the options from the lines of options.txt. A missing colour text gives
// the default colour; a broken one the default too, with one message naming it; an item of count_test or
// type_test that is not an integer raises EConvertError.
TOptions ReadOptions(const std::vector<std::string>& lines);

// Reads options.txt through the pack (its missing-file message when absent).
TOptions LoadOptions();

}  // namespace kv
