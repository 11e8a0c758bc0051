#include "uHTMLEx.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSettings>
#include <QStringDecoder>
#include <QVBoxLayout>

#include "HtmlFormLayer.h"
#include "pack/gPack.h"
#include "pack/gPackUtils.h"
#include "platform/SystemServices.h"
#include "platform/TextCodec.h"
#include "util/Cp1251.h"
#include "util/DiskFile.h"
#include "util/Errors.h"
#include "util/uUtils.h"

namespace kv {
namespace {

constexpr std::size_t kHistoryMax = 20;
// A page names another charset than Windows-1251 near its top or not at all.
constexpr std::size_t kCharsetWindow = 2048;

std::string BareName(const std::string& path) { return path.substr(ExtractFilePath(path).size()); }

// The charset a <meta> element declares (lower-case), "" when none does.
std::string DeclaredCharset(std::string_view bytes) {
  const std::string head = LowerCase(bytes.substr(0, kCharsetWindow));
  for (std::size_t meta = head.find("<meta"); meta != std::string::npos; meta = head.find("<meta", meta + 1)) {
    const std::size_t end = head.find('>', meta);
    std::size_t at = head.find("charset=", meta);
    if (at == std::string::npos || at > end) continue;
    at = head.find_first_not_of("\"' ", at + 8);
    if (at == std::string::npos) return {};
    const std::size_t stop = head.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789-_.:", at);
    return head.substr(at, stop == std::string::npos ? std::string::npos : stop - at);
  }
  return {};
}

QString DecodePage(std::string_view bytes) {
  const std::string charset = DeclaredCharset(bytes);
  if (!charset.empty() && charset != "windows-1251" && charset != "cp1251") {
    QStringDecoder decoder(charset.c_str());
    // A charset Qt does not know is read as the course's own encoding.
    if (decoder.isValid()) return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
  }
  return ToQString(std::string(bytes));
}

// Qt reads a linked style sheet only when the link says type="text/css";
// course pages often give just rel="stylesheet". The attribute added last wins.
QString MarkStyleSheetLinks(QString html) {
  static const QRegularExpression link(R"((<link\b[^>]*\brel\s*=\s*["']?stylesheet\b[^>]*?)(\s*/?>))",
                                       QRegularExpression::CaseInsensitiveOption);
  return html.replace(link, R"(\1 type="text/css"\2)");
}

QString StyleSheetFor(const std::string& reference, const std::string& folder) {
  std::string name = ResolvePath(reference, folder);
  if (!PackFileExists(name)) name = ProgramFolder() + BareName(reference);
  // A missing sheet leaves the page unstyled, without a message.
  if (!PackFileExists(name)) return QString();
  return ToQString(LoadPackText(name, ""));
}

QImage PictureFor(const std::string& reference, const std::string& folder) {
  std::string name = ResolvePath(reference, folder);
  if (LowerExtension(name) == ".gif" && !PackFileExists(name)) name = ProgramFolder() + BareName(name);
  QImage image;
  TPack bytes;
  if (LoadPackFile(name, bytes))
    image = QImage::fromData(reinterpret_cast<const uchar*>(bytes.Data()), static_cast<int>(bytes.Size()));
  if (!image.isNull()) return image;
  // Given a null picture Qt would look for the name on disk itself; a missing
  // picture stays an empty spot instead.
  QImage empty(1, 1, QImage::Format_ARGB32);
  empty.fill(Qt::transparent);
  return empty;
}

}  // namespace

std::string CourseReference(const QUrl& url) { return FromQString(QUrl::fromPercentEncoding(url.toEncoded())); }

std::string LowerExtension(const std::string& path) {
  const std::string name = BareName(path);
  const std::size_t dot = name.find_last_of('.');
  return dot == std::string::npos ? std::string() : LowerCase(name.substr(dot));
}

bool IsPictureFile(const std::string& path) {
  const std::string ext = LowerExtension(path);
  return ext == ".bmp" || ext == ".gif" || ext == ".jpg" || ext == ".jpeg" || ext == ".png";
}

// --- THtmlViewer ------------------------------------------------------------

THtmlViewer::THtmlViewer(QWidget* parent) : QTextBrowser(parent), FForms(new THtmlFormLayer(this)) {
  setFrameShape(QFrame::NoFrame);
  // Every link goes to the view, which knows commands, pictures and the pack.
  setOpenLinks(false);
  setOpenExternalLinks(false);
  // The form widgets follow the text wherever it moves.
  connect(horizontalScrollBar(), &QScrollBar::valueChanged, FForms, &THtmlFormLayer::Place);
  connect(verticalScrollBar(), &QScrollBar::valueChanged, FForms, &THtmlFormLayer::Place);
  connect(document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, FForms,
          &THtmlFormLayer::Place);
}

// The document's base URL stays empty, so a reference reaches here as the page
// wrote it and is taken against the current file's folder as a course path.
QVariant THtmlViewer::loadResource(int type, const QUrl& name) {
  if (name.scheme() == QLatin1String("kvform")) return FForms->Placeholder(name.path().toInt());
  const std::string reference = CourseReference(name);
  const std::string folder = ExtractFilePath(FCurrentFile);
  if (type == QTextDocument::StyleSheetResource) return StyleSheetFor(reference, folder);
  if (type == QTextDocument::ImageResource) return PictureFor(reference, folder);
  // Anything else is not read at all: a null answer would send Qt to the disk.
  return QString();
}

void THtmlViewer::resizeEvent(QResizeEvent* event) {
  // A view on a screen nobody sees (a page of the book not shown, a window
  // still being built) is laid out once it shows, not at every resize: a
  // page laid out there is work nobody sees, and rendering the window (a
  // screenshot) resizes every hidden page.
  if (!isVisible() && event->oldSize().width() != event->size().width()) {
    FLayoutPending = true;
    return;
  }
  QTextBrowser::resizeEvent(event);
  FForms->Place();
}

void THtmlViewer::showEvent(QShowEvent* event) {
  QTextBrowser::showEvent(event);
  if (!FLayoutPending) return;
  FLayoutPending = false;
  QResizeEvent resize(size(), QSize(-1, -1));
  resizeEvent(&resize);
}

// --- THtmlEx ----------------------------------------------------------------

THtmlEx::TShellOpen THtmlEx::ShellOpenHook = ShellOpen;

THtmlEx::THtmlEx(QWidget* parent) : QWidget(parent), FViewer(new THtmlViewer(this)) {
  QPalette colours = palette();
  colours.setColor(QPalette::Window, Qt::white);
  setPalette(colours);
  setAutoFillBackground(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(FViewer);
  FViewer->installEventFilter(this);
  // Whether a bar shows depends on the page's extent against the viewer's:
  // both change with loads, layout and resizing, and each moves a range.
  connect(FViewer->horizontalScrollBar(), &QScrollBar::rangeChanged, this, &THtmlEx::UpdateScrollBars);
  connect(FViewer->verticalScrollBar(), &QScrollBar::rangeChanged, this, &THtmlEx::UpdateScrollBars);
}

void THtmlEx::LoadPage(const std::string& fileName) {
  std::string anchor = fileName;
  const std::string name = SplitFirst(anchor, "#");
  ShowFile(name);
  AddToHistory();
  if (!anchor.empty()) FViewer->scrollToAnchor(ToQString(anchor));
}

void THtmlEx::LoadHtmlText(const std::string& text) {
  emit Progress(0);
  ShowHtml(ToQString(text), "");
}

void THtmlEx::LoadHtmlTextIn(const std::string& text, const std::string& folder) {
  emit Progress(0);
  ShowHtml(ToQString(text), folder);
}

void THtmlEx::LoadHtmlLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  LoadHtmlText(text);
}

void THtmlEx::LoadAligned(const std::string& text, const std::string& alignment) {
  LoadHtmlLines({"<table width=\"100%\" height=\"100%\" border=\"0\"><tr><td><div align=\"" +
                     (alignment.empty() ? std::string("center") : alignment) + "\">",
                 text, "</div></td></tr></table>"});
}

int THtmlEx::GetPosition() const { return FViewer->verticalScrollBar()->value(); }

void THtmlEx::SetPosition(int position) {
  FViewer->verticalScrollBar()->setValue(position);
  UpdateScrollBars();
}

int THtmlEx::GetHorzPosition() const { return FViewer->horizontalScrollBar()->value(); }

void THtmlEx::SetHorzPosition(int position) {
  FViewer->horizontalScrollBar()->setValue(position);
  UpdateScrollBars();
}

void THtmlEx::SetShowHorzBar(bool on) {
  FShowHorzBar = on;
  UpdateScrollBars();
}

void THtmlEx::SetShowVertBar(bool on) {
  FShowVertBar = on;
  UpdateScrollBars();
}

void THtmlEx::UpdateScrollBars() {
  // A bar's maximum is how far the page reaches past the viewer. Tables of
  // full width come out a pixel or two wider than the view by rounding: no
  // sideways bar for that.
  constexpr int kRoundingSlack = 2;
  const bool wide = FShowHorzBar && FViewer->horizontalScrollBar()->maximum() > kRoundingSlack;
  const bool tall = FShowVertBar && FViewer->verticalScrollBar()->maximum() > 0;
  FViewer->setHorizontalScrollBarPolicy(wide ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  FViewer->setVerticalScrollBarPolicy(tall ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

void THtmlEx::SetHistoryIndex(int index) {
  if (index < 0 || index >= static_cast<int>(FHistory.size()) || index == FHistoryIndex) return;
  ShowFile(FHistory[static_cast<std::size_t>(index)].File);
  FHistoryIndex = index;
  emit HistoryChanged();
}

std::string THtmlEx::Title() const { return FromQString(FViewer->documentTitle()); }

std::string THtmlEx::PlainText() const { return FromQString(FViewer->toPlainText()); }

bool THtmlEx::eventFilter(QObject* watched, QEvent* event) {
  const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
  if (watched == FViewer && key) {
    const auto* stroke = static_cast<const QKeyEvent*>(event);
    // Press and release alike: the editor opens for either while Alt is held.
    if (stroke->key() == Qt::Key_E && stroke->modifiers() == Qt::AltModifier) OpenInEditor();
  }
  return QWidget::eventFilter(watched, event);
}

// Shows a page file without touching the history; the page shown stays when the file is missing.
void THtmlEx::ShowFile(const std::string& fileName) {
  if (!PackFileExists(fileName)) throw EInOutError(Utf8ToCp1251("Не найден файл: ") + fileName);
  emit Progress(0);
  std::string file = ResolvePath(fileName, ExtractFilePath(CurrentFile()));
  if (!PackFileExists(file)) file = ResolvePath(fileName, ProgramFolder());
  // The resolved path, not the name as given: the picture is looked up against its own folder.
  if (IsPictureFile(file)) return ShowHtml(ToQString("<img src=\"" + file + "\">"), file);
  const TPack page(fileName);
  emit Progress(20);
  const QString html = DecodePage(page.View());
  emit Progress(40);
  ShowHtml(html, file);
}

void THtmlEx::ShowHtml(const QString& html, const std::string& file) {
  // Set first: the page's references are taken against its folder while it is parsed and laid out.
  FViewer->FCurrentFile = file;
  const QString prepared = FViewer->Forms()->Prepare(MarkStyleSheetLinks(html));
  emit Progress(60);
  FViewer->setHtml(prepared);
  emit Progress(90);
  FViewer->Forms()->Place();
  UpdateScrollBars();
  emit Progress(100);
}

void THtmlEx::AddToHistory() {
  // A page loaded after stepping back replaces the newer ones, as in a browser.
  if (FHistoryIndex > 0) FHistory.erase(FHistory.begin(), FHistory.begin() + FHistoryIndex);
  THistoryEntry entry{CurrentFile(), Title()};
  // The history holds pages, not places in them: a jump within the page shown
  // (or its reload) keeps one entry, so going back always changes the page.
  if (!FHistory.empty() && SameText(FHistory.front().File, entry.File))
    FHistory.front() = std::move(entry);
  else
    FHistory.insert(FHistory.begin(), std::move(entry));
  if (FHistory.size() > kHistoryMax) FHistory.resize(kHistoryMax);
  FHistoryIndex = 0;
  emit HistoryChanged();
}

void THtmlEx::OpenInEditor() {
  // A page on a CD cannot be saved back.
  if (DriveKind(ProgramFolder()) == TDriveKind::CdRom) return;
  const QSettings settings(QSettings::IniFormat, QSettings::UserScope, "Quilm", "Pelkvard");
  const QString editor = settings.value("EditHtml").toString();
  if (editor.isEmpty()) return ShellOpenHook(CurrentFile(), "", "edit");
  const std::string native = Utf8ToCp1251(FindDiskFile(CurrentFile()).value_or(NativePathOf(CurrentFile())));
  ShellOpenHook(FromQString(editor), "\"" + native + "\"", "open");
}

}  // namespace kv
