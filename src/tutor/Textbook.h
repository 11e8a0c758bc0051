// The textbook's two reading modes over one topic list: theory and
// summaries. Builds the list pages from the course's templates, shows topic
// pages, steps to the previous or next topic of the same kind, switches
// between a topic's theory and summary and goes back to the list where the
// pupil left it.
#pragma once

#include <functional>
#include <string>

#include "Topics.h"

namespace kv {

class TTutorScreen;
struct TTutorState;
struct TDate;

class TTextbook {
 public:
  // `showTutorWindow` brings the tutor screen to the front.
  TTextbook(TTutorScreen& screen, TTutorState& state, const TDate& options, std::function<void()> showTutorWindow);

  void ShowInfoList();
  void ShowHporaList();
  // Show a topic's page; the number is text as the command gave it (a number
  // that is not an integer raises EConvertError). False when the topic has no
  // such page: the page on display stays.
  bool ShowInfoPage(const std::string& number);
  bool ShowHporaPage(const std::string& number);
  void GoNextTopic();
  void GoPrevTopic();
  void GoBack();
  void SwitchToHpora();
  void SwitchToInfo();

  void UpdateTopicButtons();
  bool HasPrevTopic();
  bool HasNextTopic();
  // The topic list, read on first need and kept; a broken list is reported once and is empty.
  const TTopics& LoadTopics();

  // The topic last looked up by a page operation (-1: none yet).
  int CurrentTopic() const { return FCurrentTopic; }

 private:
  void ShowList(TPageKind kind);
  bool ShowPage(TPageKind kind, const std::string& number);
  void Step(int direction);
  // The kind of the page last shown.
  TPageKind PageKind() const;

  TTutorScreen& FScreen;
  TTutorState& FState;
  const TDate& FOptions;
  std::function<void()> FShowTutorWindow;
  TTopics FTopics;
  bool FTopicsLoaded = false;
  int FCurrentTopic = -1;
  // The list positions saved when a page was opened from them (0: none).
  int FSavedPosition[2] = {0, 0};
  bool FHasPrev = false;
  bool FHasNext = false;
  // Keeps a previous/next step from starting while one runs.
  bool FBusy = false;
};

}  // namespace kv
