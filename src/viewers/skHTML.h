// The HTML view of a course: links that run commands, open pictures, follow
// pages or hand other files to the desktop; a contents tree kept in step with
// the page; a title label; find in page; scrolling by dragging.
#pragma once

#include <QPointer>
#include <functional>
#include <string>

#include "interpreter/skCommand.h"
#include "uHTMLEx.h"

namespace kv {

class TSkLabel;
class TSkPopMenu;

class TSkHtml : public THtmlEx {
  Q_OBJECT

 public:
  explicit TSkHtml(QWidget* parent);

  // What a click on a link with this target does.
  void FollowLink(const std::string& target);
  void SyncLinkedTree(const std::string& fileName);
  // Finds the next occurrence ignoring case, wrapping to the top once.
  bool FindText(const std::string& text);
  std::string ShowPicture(const std::string& referenceFile, const std::string& pictureFile);
  void SetDragScroll(bool on);
  // Whether the reader may select the page's text (links work either way).
  void SetTextSelection(bool on);
  // The menu a right click opens on the page; none gives the viewer's own.
  void SetContextMenu(TSkPopMenu* menu);

  void HtmlBack();     // an older page
  void HtmlForward();  // a newer page

  std::string FAction;
  std::function<void(RHelpAction&)> FOnCommand;
  QPointer<TSkLabel> FTitleLabel;
  bool FDragScroll = false;
  bool FDragging = false;
  int FDragX = 0;
  int FDragY = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SendCommand(const std::string& text);
  void FollowInViewer(const std::string& target);
  void OpenPictureWindow(const std::string& pictureFile);
  void StepHistory(int step);
  void ShowTitle();
  void DragTo(const QPoint& point);
};

}  // namespace kv
