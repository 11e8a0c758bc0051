#include "skHTML.h"

#include <QMouseEvent>
#include <QTextCursor>

#include "controls/skLabels.h"
#include "controls/skPopMenu.h"
#include "platform/TextCodec.h"
#include "util/Errors.h"
#include "util/Messages.h"
#include "util/uUtils.h"

namespace kv {
namespace {

QPoint MouseAt(const QEvent* event) { return static_cast<const QMouseEvent*>(event)->position().toPoint(); }

}  // namespace

TSkHtml::TSkHtml(QWidget* parent) : THtmlEx(parent) {
  Viewer()->viewport()->installEventFilter(this);
  // Queued: a command link may close the window that holds this view, which
  // must not happen inside the viewer's own handling of the click.
  connect(
      Viewer(), &QTextBrowser::anchorClicked, this,
      [this](const QUrl& link) {
        try {
          FollowLink(CourseReference(link));
        } catch (const EError& error) {
          ShowMessage(error.what());
        }
      },
      Qt::QueuedConnection);
  connect(this, &THtmlEx::HistoryChanged, this, &TSkHtml::ShowTitle);
}

void TSkHtml::FollowLink(const std::string& target) {
  std::string anchor = target;
  const std::string file = SplitFirst(anchor, "#");
  const std::string ext = LowerExtension(file);
  // A command is no file: there is nothing for the viewer to follow afterwards.
  if (!target.empty() && target[0] == '$') {
    const std::string command = target.substr(1);
    return SendCommand(FAction.empty() ? command : FAction + "*" + command);
  }
  if (ext == ".swf") return SendCommand("swf*" + ResolvePath(target, ExtractFilePath(CurrentFile())));
  if (ext == ".jpg" || ext == ".gif" || ext == ".bmp" || ext == ".png") return OpenPictureWindow(file);
  if (ext == ".htm" || ext == ".html") {
    SyncLinkedTree(file);
    return FollowInViewer(target);
  }
  // Documents, programs and sounds open in the desktop's program for them. An
  // anchor of this page is no file: the desktop would only report an error.
  if (!file.empty()) ShellOpenHook(target, "", "open");
  FollowInViewer(target);
}

// The contents trees plug in here: the entry of the page (its path relative
// to the program's folder, compared without regard to case) becomes the
// selected one without running its action. No tree can be linked yet.
void TSkHtml::SyncLinkedTree(const std::string& /*fileName*/) {}

bool TSkHtml::FindText(const std::string& text) {
  QTextBrowser* viewer = Viewer();
  const QTextCursor before = viewer->textCursor();
  const QString wanted = ToQString(text);
  bool found = viewer->find(wanted);
  if (!found) {
    viewer->setTextCursor(QTextCursor(viewer->document()));
    found = viewer->find(wanted);
  }
  if (!found) viewer->setTextCursor(before);
  return found;
}

std::string TSkHtml::ShowPicture(const std::string& referenceFile, const std::string& pictureFile) {
  const std::string path = ResolvePath(pictureFile, ExtractFilePath(referenceFile));
  LoadHtmlText("<img src=\"" + path + "\">");
  return path;
}

void TSkHtml::SetDragScroll(bool on) {
  FDragScroll = on;
  Viewer()->setTextInteractionFlags(on ? Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard
                                       : Qt::TextBrowserInteraction);
}

void TSkHtml::SetTextSelection(bool on) {
  const Qt::TextInteractionFlags links = Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard;
  Viewer()->setTextInteractionFlags(on ? links | Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard : links);
}

void TSkHtml::SetContextMenu(TSkPopMenu* menu) {
  Viewer()->setContextMenuPolicy(menu ? Qt::CustomContextMenu : Qt::DefaultContextMenu);
  QObject::disconnect(Viewer(), &QWidget::customContextMenuRequested, nullptr, nullptr);
  if (!menu) return;
  QObject::connect(Viewer(), &QWidget::customContextMenuRequested, menu,
                   [menu, this](const QPoint& at) { menu->popup(Viewer()->viewport()->mapToGlobal(at)); });
}

void TSkHtml::HtmlBack() { StepHistory(1); }

void TSkHtml::HtmlForward() { StepHistory(-1); }

bool TSkHtml::eventFilter(QObject* watched, QEvent* event) {
  if (watched != Viewer()->viewport()) return THtmlEx::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      if (FDragScroll) {
        FDragX = MouseAt(event).x();
        FDragY = MouseAt(event).y();
        FDragging = true;
      }
      break;
    case QEvent::MouseMove:
      if (FDragging) DragTo(MouseAt(event));
      break;
    case QEvent::MouseButtonRelease:
      FDragging = false;
      break;
    default:
      break;
  }
  return THtmlEx::eventFilter(watched, event);
}

void TSkHtml::SendCommand(const std::string& text) {
  if (!FOnCommand) return;
  RHelpAction action{text, 0, 0, 0};
  FOnCommand(action);
}

// What the viewer does with a link after the control: it jumps to an anchor
// and loads pages and pictures; other links it leaves alone.
void TSkHtml::FollowInViewer(const std::string& target) {
  std::string anchor = target;
  const std::string file = SplitFirst(anchor, "#");
  if (file.empty()) return Viewer()->scrollToAnchor(ToQString(anchor));
  const std::string ext = LowerExtension(file);
  if (ext != ".htm" && ext != ".html" && !IsPictureFile(file)) return;
  // A page's links are written against its own folder.
  const std::string page = ResolvePath(file, ExtractFilePath(CurrentFile()));
  LoadPage(anchor.empty() ? page : page + "#" + anchor);
}

// The enlarged-picture window takes the picture here once it exists; until
// then the picture is shown in this view.
void TSkHtml::OpenPictureWindow(const std::string& pictureFile) { ShowPicture(CurrentFile(), pictureFile); }

void TSkHtml::StepHistory(int step) {
  if (isHidden()) return;
  SetHistoryIndex(HistoryIndex() + step);
  SyncLinkedTree(CurrentFile());
}

void TSkHtml::ShowTitle() {
  if (FTitleLabel) FTitleLabel->SetCaption(History()[static_cast<std::size_t>(HistoryIndex())].Title);
}

// Every move runs the page by a tenth of the pull from the press point, away from the pull.
void TSkHtml::DragTo(const QPoint& point) {
  SetHorzPosition(GetHorzPosition() + (FDragX - point.x()) / 10);
  SetPosition(GetPosition() + (FDragY - point.y()) / 10);
}

}  // namespace kv
