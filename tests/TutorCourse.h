// The tutor screen of small test courses: every control the textbook and its
// exams drive, as a course's struct_show.txt describes them.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

namespace kv::test {

inline const std::vector<std::string>& TutorButtons() {
  static const std::vector<std::string> names = {
      "but_info", "but_hpora", "but_examen", "but_find", "but_go_home", "but_diary", "but_print",
      "but_go_info", "but_go_prev", "but_go_next", "but_info_go_hpora", "but_hpora_go_info",
      "but_test_go", "but_test_examen", "but_no_test", "but_rep_test"};
  return names;
}

// struct_show.txt without the objects named in `leaveOut`; the mode buttons form one group.
inline std::string TutorShowDescription(const std::vector<std::string>& leaveOut = {}) {
  auto wanted = [&](const std::string& name) {
    return std::find(leaveOut.begin(), leaveOut.end(), name) == leaveOut.end();
  };
  std::string text = "[show]\r\ntype=form\r\n";
  if (wanted("menu_html")) text += "[menu_html]\r\ntype=pop_menu\r\ncaption=Copy\r\naction=html_copy*html\r\n";
  if (wanted("panel_div0")) text += "[panel_div0]\r\ntype=panel\r\nalign=top\r\nheight=30\r\n";
  if (wanted("label_title")) text += "[label_title]\r\ntype=label\r\nmaster=panel_div0\r\n";
  if (wanted("label_timer")) text += "[label_timer]\r\ntype=label\r\n";
  for (const std::string& name : TutorButtons()) {
    if (!wanted(name)) continue;
    text += "[" + name + "]\r\ntype=sp_button\r\n";
    if (name == "but_info" || name == "but_hpora" || name == "but_examen") text += "group=1\r\n";
  }
  if (wanted("html")) text += "[html]\r\ntype=html\r\nalign=client\r\n";
  return text;
}

}  // namespace kv::test
