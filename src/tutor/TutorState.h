// What the tutor logic of the main window keeps between commands.
#pragma once

#include <string>

namespace kv {

struct TTutorState {
  // "html" while theory pages are read, "hpora" while summaries are: the
  // element that makes a topic part of the sequence stepped through.
  std::string PageKind = "html";
  std::string TopicText;  // the topic number as received
  int TopicIndex = 0;
  int PrintMode = 0;  // 0 nothing, 1 the summary print sheets, 2 the page on display
  int Remaining = 0;  // seconds left in the running exam
  int RightCount = 0;
  int ControlId = 0;
};

}  // namespace kv
