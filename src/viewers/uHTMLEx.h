// The HTML view's base: a page viewer that reads every page, style sheet and
// picture through the pack, keeps a history of 20 pages with their titles,
// loads pages from files or from memory, and mirrors its scroll ranges into
// scroll bars that show only when the page needs them.
#pragma once

#include <QTextBrowser>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

namespace kv {

class THtmlFormLayer;

// The course path a page wrote for a link or a resource, back from the URL Qt made of it.
std::string CourseReference(const QUrl& url);
// The extension of a course path from its last "." on, lower-cased ("" when none).
std::string LowerExtension(const std::string& path);
// The pictures the viewer shows as a page of their own.
bool IsPictureFile(const std::string& path);

// The rendering component: a text browser whose resources come through the pack.
class THtmlViewer : public QTextBrowser {
  Q_OBJECT
 public:
  explicit THtmlViewer(QWidget* parent);
  THtmlFormLayer* Forms() const { return FForms; }
  // The course path of the page shown ("" for a page from memory).
  std::string FCurrentFile;

 protected:
  QVariant loadResource(int type, const QUrl& name) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  THtmlFormLayer* FForms;
  // Resized while hidden: the page is laid out for the new width when it shows.
  bool FLayoutPending = false;
};

class THtmlEx : public QWidget {
  Q_OBJECT

 public:
  struct THistoryEntry {
    std::string File;   // course path as the viewer resolved it
    std::string Title;  // Windows-1251
  };

  explicit THtmlEx(QWidget* parent);

  // How files reach the desktop's programs (links to documents, the editor
  // key). Tests put a recorder here so that nothing really opens.
  using TShellOpen =
      std::function<void(const std::string& file, const std::string& parameters, const std::string& verb)>;
  static TShellOpen ShellOpenHook;

  // Loads a page from a file through the pack (an anchor after "#" is jumped
  // to). A page that is neither a member nor a disk file raises EInOutError
  // "Не найден файл: " + name and the page shown stays.
  void LoadPage(const std::string& fileName);
  void LoadHtmlText(const std::string& text);
  // A page from memory whose links and pictures are taken in `folder` (ending in a separator).
  void LoadHtmlTextIn(const std::string& text, const std::string& folder);
  void LoadHtmlLines(const std::vector<std::string>& lines);
  void LoadAligned(const std::string& text, const std::string& alignment);

  int GetPosition() const;
  void SetPosition(int position);
  int GetHorzPosition() const;
  void SetHorzPosition(int position);
  void SetShowHorzBar(bool on);
  void SetShowVertBar(bool on);
  void UpdateScrollBars();

  // History: newest at 0, at most 20 pages; setting an index outside it, or the current one, does nothing.
  const std::vector<THistoryEntry>& History() const { return FHistory; }
  int HistoryIndex() const { return FHistoryIndex; }
  void SetHistoryIndex(int index);

  THtmlViewer* Viewer() const { return FViewer; }
  const std::string& CurrentFile() const { return FViewer->FCurrentFile; }
  std::string Title() const;      // the title of the page shown (Windows-1251)
  std::string PlainText() const;  // the page's text (Windows-1251)

  bool FShowHorzBar = true;
  bool FShowVertBar = true;

 signals:
  // 0 when a load starts, 100 when it ends, values between while a long page is read and laid out.
  void Progress(int percent);
  // The history changed (a page was loaded or the index moved).
  void HistoryChanged();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowFile(const std::string& fileName);
  void ShowHtml(const QString& html, const std::string& file);
  void AddToHistory();
  void OpenInEditor();

  THtmlViewer* FViewer;
  std::vector<THistoryEntry> FHistory;
  int FHistoryIndex = -1;
};

}  // namespace kv
