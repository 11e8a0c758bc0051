#include "Options.h"

#include "pack/gPackUtils.h"
#include "uKeepData.h"
#include "util/Cp1251.h"
#include "util/Errors.h"
#include "util/Messages.h"

namespace kv {

TOptions ReadOptions(const std::vector<std::string>& lines) {
  const TKeepData data(lines);
  TOptions options;
  TDate& date = options.Date;
  date.ColorTrue = data.Text("color_true");
  date.ColorFalse = data.Text("color_false");
  date.DirInfo = data.Text("dir_info");
  date.DirTest = data.Text("dir_test");
  date.DirJournal = data.Text("dir_journal");
  const std::string colorText = data.Text("color_text");
  date.ColorText = kDefaultTextColor;
  if (!colorText.empty()) try {
    date.ColorText = ParseColor(colorText);
  } catch (const EConvertError&) {
    ShowMessage(Utf8ToCp1251("options.txt: неверный цвет color_text \"") + colorText +
                Utf8ToCp1251("\", взят тёмно-синий"));
  }
  date.BeforeTest = data.Text("before_test");
  const auto timer = data.Integer("timer");
  options.TimerMinutes = timer && *timer > 0 ? *timer : kDefaultTimerMinutes;
  options.Tests.AppendCounts(data.Text("count_test"), ";");
  options.Tests.SetFiles(data.Text("file_test"), ";", 0);
  options.Tests.SetTypes(data.Text("type_test"), ";", 0);
  return options;
}

TOptions LoadOptions() { return ReadOptions(LoadPackStrings("options.txt")); }

}  // namespace kv
