#include "Textbook.h"

#include <QCoreApplication>
#include <map>

#include "Options.h"
#include "TutorScreen.h"
#include "TutorState.h"
#include "pack/gPackUtils.h"
#include "util/Cp1251.h"
#include "util/Errors.h"
#include "util/Messages.h"
#include "viewers/skHTML.h"

namespace kv {
namespace {

const char* KindName(TPageKind kind) { return kind == TPageKind::Info ? "html" : "hpora"; }
std::size_t Slot(TPageKind kind) { return kind == TPageKind::Info ? 0 : 1; }

}  // namespace

TTextbook::TTextbook(TTutorScreen& screen, TTutorState& state, const TDate& options,
                     std::function<void()> showTutorWindow)
    : FScreen(screen), FState(state), FOptions(options), FShowTutorWindow(std::move(showTutorWindow)) {}

const TTopics& TTextbook::LoadTopics() {
  if (FTopicsLoaded) return FTopics;
  FTopicsLoaded = true;
  const std::string name = FOptions.DirInfo + "topic.xml";
  TPack stream;
  // A missing list has had the pack's own message; nothing more to say.
  if (!LoadPackFile(name, stream)) {
    ShowMessage(MissingFileMessage(name));
    return FTopics;
  }
  std::string error;
  if (!FTopics.Parse(stream.Text(), error))
    ShowMessage(Utf8ToCp1251("Список тем ") + name + Utf8ToCp1251(" не прочитан (") + error +
                Utf8ToCp1251("): темы учебника не показаны."));
  return FTopics;
}

void TTextbook::ShowInfoList() { ShowList(TPageKind::Info); }

void TTextbook::ShowHporaList() {
  FShowTutorWindow();
  ShowList(TPageKind::Hpora);
}

void TTextbook::ShowList(TPageKind kind) {
  FScreen.Apply(kind == TPageKind::Info ? TScreen::InfoList : TScreen::HporaList);
  const TTopics& topics = LoadTopics();
  // Each template is read once per list: a missing one is reported once, not once for every topic.
  std::map<std::string, std::string> templates;
  const std::vector<std::string> lines = BuildTopicList(topics, kind, [&](const std::string& name) {
    const auto [entry, added] = templates.try_emplace(name);
    if (added) entry->second = LoadPackText(FOptions.DirInfo + name, "");
    return entry->second;
  });
  TSkHtml* html = FScreen.Html();
  if (!html) return;
  html->LoadHtmlLines(lines);
  int& saved = FSavedPosition[Slot(kind)];
  html->SetPosition(saved);
  saved = 0;
  html->setFocus();
}

bool TTextbook::ShowInfoPage(const std::string& number) { return ShowPage(TPageKind::Info, number); }
bool TTextbook::ShowHporaPage(const std::string& number) { return ShowPage(TPageKind::Hpora, number); }

bool TTextbook::ShowPage(TPageKind kind, const std::string& number) {
  FState.PageKind = KindName(kind);
  FState.TopicIndex = StrToInt(number);
  FState.TopicText = number;
  TSkHtml* html = FScreen.Html();
  int& saved = FSavedPosition[Slot(kind)];
  if (saved == 0 && html) saved = html->GetPosition();
  // Lets the screen repaint; a command may arrive meanwhile (the step's busy flag guards against it).
  QCoreApplication::processEvents();
  FScreen.Apply(kind == TPageKind::Info ? TScreen::InfoPage : TScreen::HporaPage);
  UpdateTopicButtons();

  const TTopics& topics = LoadTopics();
  const int index = FState.TopicIndex;
  if (index < 0 || index >= topics.Count()) return false;
  FCurrentTopic = index;
  // A topic has a page of a kind when it has both a title and a page element of that kind.
  if (topics.Title(index, kind).empty() || !topics.InSequence(index, kind)) return false;
  FScreen.ShowTitle(topics.Title(index, kind));
  if (html) html->LoadPage(FOptions.DirInfo + topics.PageFile(index, kind));
  const TTopic& topic = topics.All()[static_cast<std::size_t>(index)];
  if (kind == TPageKind::Info) FScreen.SetVisible("but_info_go_hpora", topic.HasHpora);
  else FScreen.SetVisible("but_hpora_go_info", topic.HasInfo);
  return true;
}

void TTextbook::UpdateTopicButtons() {
  for (const char* name : {"but_go_prev", "but_go_next", "but_go_info", "panel_div0"}) FScreen.SetVisible(name, true);
  FScreen.SetEnabled("but_go_prev", HasPrevTopic());
  FScreen.SetEnabled("but_go_next", HasNextTopic());
}

TPageKind TTextbook::PageKind() const {
  return FState.PageKind == KindName(TPageKind::Hpora) ? TPageKind::Hpora : TPageKind::Info;
}

bool TTextbook::HasPrevTopic() {
  FHasPrev = LoadTopics().HasPrev(FState.TopicIndex, PageKind());
  return FHasPrev;
}

bool TTextbook::HasNextTopic() {
  FHasNext = LoadTopics().HasNext(FState.TopicIndex, PageKind());
  return FHasNext;
}

void TTextbook::GoNextTopic() {
  if (!FHasNext) return;
  Step(1);
}

void TTextbook::GoPrevTopic() {
  if (!FHasPrev) return;
  Step(-1);
}

void TTextbook::Step(int direction) {
  if (FBusy) return;
  FBusy = true;
  struct TClear {
    bool& Flag;
    ~TClear() { Flag = false; }
  } clear{FBusy};
  const int last = direction > 0 ? LoadTopics().Count() - 1 : 0;
  // The kind of page comes from the pressed mode button, not from the page last shown.
  const bool info = FScreen.IsDown("but_info");
  while (true) {
    FState.TopicIndex += direction;
    const int tried = FState.TopicIndex;
    const std::string number = std::to_string(tried);
    if (info ? ShowInfoPage(number) : ShowHporaPage(number)) return;
    if (direction > 0 ? tried >= last : tried <= last) return;
  }
}

void TTextbook::GoBack() {
  if (FScreen.IsDown("but_hpora")) ShowHporaList();
  else ShowInfoList();
}

void TTextbook::SwitchToHpora() {
  FScreen.Press("but_hpora");
  ShowHporaPage(FState.TopicText);
}

void TTextbook::SwitchToInfo() {
  FScreen.Press("but_info");
  ShowInfoPage(FState.TopicText);
}

}  // namespace kv
