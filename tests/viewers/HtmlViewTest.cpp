#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSettings>
#include <QTextBlock>
#include <QTextTable>
#include <algorithm>
#include <functional>

#include "TestSupport.h"
#include "controls/skLabels.h"
#include "pack/PackWriter.h"
#include "pack/gPack.h"
#include "platform/TextCodec.h"
#include "util/Errors.h"
#include "util/uUtils.h"
#include "viewers/HtmlFormLayer.h"
#include "viewers/skHTML.h"

namespace kv {
namespace {

using test::W;
using TStrings = std::vector<std::string>;

// A page taller than the view, with the anchor "part3" halfway down.
std::string Page(const std::string& title) {
  std::string lines;
  for (int i = 0; i < 60; ++i) lines += "<p>line</p>";
  return "<html><head><title>" + title + "</title></head><body>" + lines + "<a name=\"part3\">part3</a>" + lines +
         "</body></html>";
}

// A view on screen in a fresh course; what it sends to commands and to the desktop is recorded.
class HtmlViewTest : public testing::Test {
 protected:
  HtmlViewTest() {
    THtmlEx::ShellOpenHook = [this](const std::string& file, const std::string& parameters, const std::string& verb) {
      shell.push_back(file + "|" + parameters + "|" + verb);
    };
    view.FOnCommand = [this](RHelpAction& action) { commands.push_back(action.Text); };
    view.resize(400, 300);
    view.show();
  }
  ~HtmlViewTest() override {
    THtmlEx::ShellOpenHook = FOldShell;
    ClosePack();
  }

  static std::string Course(const std::string& relative) { return ProgramFolder() + relative; }

  THtmlEx::TShellOpen FOldShell = THtmlEx::ShellOpenHook;
  test::TTempCourse course;
  TSkHtml view{nullptr};
  TStrings shell;
  TStrings commands;
};

TStrings Only(const std::string& text) { return text.empty() ? TStrings{} : TStrings{text}; }

struct TLinkCase {
  std::string Href;     // as the page writes it
  std::string Action;   // the view's FAction
  std::string Command;  // sent to FOnCommand ("" for none)
  std::string Shell;    // "file|parameters|verb" handed to the desktop ("" for none)
  std::string File;     // the page shown afterwards, in the course ("" for a page from memory)
  std::string Picture;  // a picture the page shows ("" when not checked)
  bool Scrolled;        // the view left the top
};

TEST_F(HtmlViewTest, LinksRunCommandsShowPicturesFollowPagesAndHandTheRestToTheDesktop) {
  course.Write("content/a.htm", Page("A"));
  course.Write("content/b.htm", Page("B"));
  course.Write("content/pics/big.jpeg", "jpeg");
  const std::vector<TLinkCase> cases = {
      {"$tree_go*3", "html_cmd", "html_cmd*tree_go*3", "", "content\\a.htm", "", false},
      {"$tree_go*3", "", "tree_go*3", "", "content\\a.htm", "", false},
      {"film.swf", "html_cmd", "swf*" + Course("content\\film.swf"), "", "content\\a.htm", "", false},
      {"pics\\big.JPG", "", "", "", "", Course("content\\pics\\big.JPG"), false},
      {"pics\\big.jpeg", "", "", "pics\\big.jpeg||open", "content\\pics\\big.jpeg", Course("content\\pics\\big.jpeg"),
       false},
      {"b.htm#part3", "", "", "", "content\\b.htm", "", true},
      {"#part3", "", "", "", "content\\a.htm", "", true},
      {W("Доклад 1.doc"), "", "", W("Доклад 1.doc") + "||open", "content\\a.htm", "", false},
  };
  for (const TLinkCase& c : cases) {
    SCOPED_TRACE(c.Href);
    view.LoadPage("content\\a.htm");
    view.FAction = c.Action;
    commands.clear();
    shell.clear();
    emit view.Viewer()->anchorClicked(QUrl(ToQString(c.Href)));
    QApplication::processEvents();
    EXPECT_EQ(commands, Only(c.Command));
    EXPECT_EQ(shell, Only(c.Shell));
    EXPECT_EQ(view.CurrentFile(), c.File.empty() ? "" : Course(c.File));
    if (!c.Picture.empty()) {
      EXPECT_TRUE(view.Viewer()->toHtml().contains(ToQString(c.Picture)));
    }
    EXPECT_EQ(view.GetPosition() > 0, c.Scrolled);
  }
}

TEST_F(HtmlViewTest, HistoryKeepsTheTwentyNewestPagesAndTheLabelShowsTheTitle) {
  TSkLabel title(nullptr);
  view.FTitleLabel = &title;
  for (int i = 0; i <= 20; ++i) course.Write("p" + std::to_string(i) + ".htm", Page(W("Стр ") + std::to_string(i)));
  for (int i = 0; i <= 20; ++i) view.LoadPage("p" + std::to_string(i) + ".htm");
  ASSERT_EQ(view.History().size(), 20u);
  EXPECT_EQ(view.History().front().File, Course("p20.htm"));
  EXPECT_EQ(view.History().back().File, Course("p1.htm"));
  EXPECT_EQ(title.FFullCaption, QString::fromUtf8("Стр 20"));

  int changes = 0;
  QObject::connect(&view, &THtmlEx::HistoryChanged, [&] { ++changes; });
  view.HtmlForward();  // at the newest
  for (int ignored : {-1, 0, 20}) view.SetHistoryIndex(ignored);
  EXPECT_EQ(changes, 0);

  view.HtmlBack();
  EXPECT_EQ(view.HistoryIndex(), 1);
  EXPECT_EQ(view.CurrentFile(), Course("p19.htm"));
  EXPECT_EQ(title.FFullCaption, QString::fromUtf8("Стр 19"));
  view.hide();
  view.HtmlBack();
  EXPECT_EQ(view.HistoryIndex(), 1);
  view.show();
  view.SetHistoryIndex(19);
  view.HtmlBack();  // at the oldest
  EXPECT_EQ(view.HistoryIndex(), 19);
  EXPECT_EQ(changes, 2);

  // Loading a page after stepping back drops the newer pages.
  view.SetHistoryIndex(1);
  view.LoadPage("p0.htm");
  EXPECT_EQ(view.HistoryIndex(), 0);
  ASSERT_EQ(view.History().size(), 20u);
  EXPECT_EQ(view.History()[0].File, Course("p0.htm"));
  EXPECT_EQ(view.History()[1].File, Course("p19.htm"));
}

TEST_F(HtmlViewTest, FindTextStepsThroughTheOccurrencesAndWraps) {
  view.LoadHtmlText(W("<p>Кот и кот</p><p>мой КОТ</p>"));
  std::vector<int> starts;
  for (int i = 0; i < 6; ++i) {
    ASSERT_TRUE(view.FindText(W("кот")));
    starts.push_back(view.Viewer()->textCursor().selectionStart());
  }
  EXPECT_EQ(starts, (std::vector<int>{0, 6, 14, 0, 6, 14}));

  QTextCursor kept(view.Viewer()->document());
  kept.setPosition(2);
  kept.setPosition(5, QTextCursor::KeepAnchor);
  view.Viewer()->setTextCursor(kept);
  EXPECT_FALSE(view.FindText(W("собака")));
  EXPECT_EQ(view.Viewer()->textCursor().selectionStart(), 2);
  EXPECT_EQ(view.Viewer()->textCursor().selectionEnd(), 5);
}

void Mouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
  QApplication::sendEvent(target, &event);
}

TEST_F(HtmlViewTest, DragScrollRunsTheTenthOfThePullOnEveryMove) {
  view.LoadHtmlText(Page("drag"));
  view.SetDragScroll(true);
  EXPECT_FALSE(view.Viewer()->textInteractionFlags() & Qt::TextSelectableByMouse);
  struct {
    QPoint To;
    int Step;
  } const cases[] = {{{100, 80}, 2}, {{100, 95}, 0}, {{100, 120}, -2}, {{100, 101}, 0}};
  QWidget* port = view.Viewer()->viewport();
  for (const auto& c : cases) {
    view.SetPosition(100);
    Mouse(port, QEvent::MouseButtonPress, {100, 100}, Qt::LeftButton);
    Mouse(port, QEvent::MouseMove, c.To, Qt::LeftButton);
    EXPECT_EQ(view.GetPosition(), 100 + c.Step);
    Mouse(port, QEvent::MouseMove, c.To, Qt::LeftButton);
    EXPECT_EQ(view.GetPosition(), 100 + 2 * c.Step);
    Mouse(port, QEvent::MouseButtonRelease, c.To, Qt::NoButton);
    Mouse(port, QEvent::MouseMove, c.To, Qt::NoButton);
    EXPECT_EQ(view.GetPosition(), 100 + 2 * c.Step);
  }
}

TEST_F(HtmlViewTest, AMissingPageRaisesAndThePageShownStays) {
  course.Write("a.htm", Page("A"));
  view.LoadPage("a.htm");
  const std::string text = view.PlainText();
  try {
    view.LoadPage("nope.htm#part3");
    ADD_FAILURE() << "no error";
  } catch (const EInOutError& error) {
    EXPECT_EQ(error.what(), W("Не найден файл: ") + "nope.htm");
  }
  EXPECT_EQ(view.CurrentFile(), Course("a.htm"));
  EXPECT_EQ(view.PlainText(), text);
  EXPECT_EQ(view.History().size(), 1u);
}

TEST_F(HtmlViewTest, BrokenPagesLoadWithoutMessages) {
  test::TMessageCapture messages;
  course.Write("broken.htm",
               "<html><body><p>open <b><i><table><tr><td>cell &bogus; &#99999999; &#x; <img src=\"none.gif\">"
               "<link rel=stylesheet href=\"none.css\"><a href=\"broken.htm\">me</a><input type=radio name=a>"
               "<select><option>x");
  course.Write("wrong.htm", "<meta charset=\"utf-8\"><p>\xCF\xF0\xE8\xE2\xE5\xF2 \xFF\xFE</p>");
  view.LoadPage("broken.htm");
  EXPECT_NE(view.PlainText().find("cell"), std::string::npos);
  view.FollowLink("broken.htm");  // a page that links to itself
  QApplication::processEvents();
  EXPECT_EQ(view.CurrentFile(), Course("broken.htm"));
  EXPECT_EQ(view.Viewer()->Forms()->Controls().size(), 2u);
  view.LoadPage("wrong.htm");  // not UTF-8 at all: shown, not refused
  EXPECT_FALSE(view.PlainText().empty());
  EXPECT_TRUE(messages.Messages.empty());
}

TEST_F(HtmlViewTest, ControlsFarDownALongPageAppearWhenScrolledTo) {
  std::string page = "<html><body>";
  for (int i = 0; i < 3000; ++i) page += "<p>line " + std::to_string(i) + "</p>";
  page += "<p><input type=text id=last value=end></p></body></html>";
  course.Write("long.htm", page);
  view.LoadPage("long.htm");
  QScrollBar* bar = view.Viewer()->verticalScrollBar();
  for (int i = 0; i < 20 && bar->value() < bar->maximum(); ++i) {
    bar->setValue(bar->maximum());
    QApplication::processEvents();
  }
  const THtmlFormLayer& forms = *view.Viewer()->Forms();
  QWidget* field = forms.Controls().at(0).Widget;
  ASSERT_NE(field, nullptr);
  EXPECT_TRUE(field->isVisible());
  EXPECT_TRUE(view.Viewer()->viewport()->rect().contains(field->geometry().center()));
}

TEST_F(HtmlViewTest, APageItsPictureAndItsStyleSheetComeThroughThePack) {
  QImage tall(30, 250, QImage::Format_RGB32);
  tall.fill(Qt::green);
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  ASSERT_TRUE(tall.save(&buffer, "PNG"));
  TPackWriter writer;
  writer.Add("content\\page.htm",
             W("<html><head><link rel=\"stylesheet\" href=\"..\\style.css\"></head>"
               "<body><p>Текст</p><img src=\"pics\\tall.png\"></body></html>"),
             true);
  writer.Add("content\\pics\\tall.png", png.toStdString(), true);
  writer.Add("style.css", "p {\n  color: #ff0000;\n}\n", true);
  writer.Write(course.Native() + "interface.dat");
  ASSERT_TRUE(OpenPack(ProgramFolder() + "interface.dat"));

  view.LoadPage("content\\page.htm");
  QTextCursor text(view.Viewer()->document()->begin());
  text.movePosition(QTextCursor::NextCharacter);
  EXPECT_TRUE(text.block().text().startsWith(QString::fromUtf8("Текст")));
  EXPECT_EQ(text.charFormat().foreground().color(), QColor(255, 0, 0));
  EXPECT_GT(view.Viewer()->document()->size().height(), 250);
}

TEST_F(HtmlViewTest, APageIsReadInTheCharsetItDeclares) {
  const std::pair<std::string, std::string> cases[] = {
      {"u1.htm", "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\"><p>Привет</p>"},
      {"u2.htm", "<META CHARSET=\"UTF-8\"><p>Привет</p>"},
      {"w1.htm", W("<p>Привет</p>")},
      {"w2.htm", W("<meta charset=windows-1251><p>Привет</p>")},
  };
  for (const auto& [file, bytes] : cases) {
    SCOPED_TRACE(file);
    course.Write(file, bytes);
    view.LoadPage(file);
    EXPECT_NE(view.PlainText().find(W("Привет")), std::string::npos) << view.PlainText();
  }
}

TEST_F(HtmlViewTest, LoadAlignedFillsThePageWithOneCellAlignedByTheWord) {
  const std::pair<std::string, Qt::Alignment> cases[] = {
      {"", Qt::AlignHCenter}, {"right", Qt::AlignRight}, {"left", Qt::AlignLeft}};
  for (const auto& [word, alignment] : cases) {
    SCOPED_TRACE(word);
    view.LoadAligned("abc", word);
    auto* table = qobject_cast<QTextTable*>(view.Viewer()->document()->rootFrame()->childFrames().value(0));
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rows() * table->columns(), 1);
    EXPECT_EQ(table->format().width(), QTextLength(QTextLength::PercentageLength, 100));
    const QTextBlock cell = table->cellAt(0, 0).firstCursorPosition().block();
    EXPECT_EQ(cell.text().trimmed(), "abc");
    EXPECT_EQ(cell.blockFormat().alignment() & (Qt::AlignLeft | Qt::AlignRight | Qt::AlignHCenter), alignment);
  }
}

TEST_F(HtmlViewTest, ProgressRunsFromZeroToHundredOnEveryLoad) {
  course.Write("a.htm", Page("A"));
  std::vector<int> seen;
  QObject::connect(&view, &THtmlEx::Progress, [&](int percent) { seen.push_back(percent); });
  const std::function<void()> loads[] = {[&] { view.LoadPage("a.htm"); }, [&] { view.LoadHtmlText("<p>x</p>"); }};
  for (const auto& load : loads) {
    seen.clear();
    load();
    ASSERT_GT(seen.size(), 2u);
    EXPECT_EQ(seen.front(), 0);
    EXPECT_EQ(seen.back(), 100);
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
  }
}

TEST_F(HtmlViewTest, TheHorizontalBarShowsOnlyForAPageWiderThanTheView) {
  const std::string wide = "<table width=\"2000\"><tr><td>wide</td></tr></table>";
  const struct {
    std::string Html;
    bool Allowed;
    bool Shown;
  } cases[] = {{"<p>narrow</p>", true, false}, {wide, true, true}, {wide, false, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Html + (c.Allowed ? " allowed" : ""));
    view.SetShowHorzBar(c.Allowed);
    view.LoadHtmlText(c.Html);
    QApplication::processEvents();
    EXPECT_EQ(view.Viewer()->horizontalScrollBar()->isVisible(), c.Shown);
  }
}

TEST_F(HtmlViewTest, AViewResizedWhileHiddenIsLaidOutForItsNewWidthWhenShown) {
  view.LoadHtmlText(Page("wrap"));
  view.hide();
  view.resize(250, 300);
  // Rendering a window delivers the resizes of its hidden parts: the view waits.
  view.grab();
  view.show();
  QApplication::processEvents();
  EXPECT_EQ(view.Viewer()->document()->textWidth(), view.Viewer()->viewport()->width());
}

TEST_F(HtmlViewTest, AltEOpensThePageInTheEditorOfTheSettings) {
  course.Write("a.htm", Page("A"));
  view.LoadPage("a.htm");
  // The settings store of this test run lies in the course folder, which goes with it.
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QString::fromStdString(course.Native()));
  auto strike = [&](Qt::KeyboardModifiers modifiers) {
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
      QKeyEvent event(type, Qt::Key_E, modifiers);
      QApplication::sendEvent(view.Viewer(), &event);
    }
  };
  strike(Qt::ControlModifier);
  strike(Qt::AltModifier | Qt::ShiftModifier);
  EXPECT_TRUE(shell.empty());
  strike(Qt::AltModifier);
  EXPECT_EQ(shell, TStrings(2, Course("a.htm") + "||edit"));

  QSettings(QSettings::IniFormat, QSettings::UserScope, "Quilm", "Pelkvard").setValue("EditHtml", "/opt/editor");
  shell.clear();
  strike(Qt::AltModifier);
  EXPECT_EQ(shell, TStrings(2, "/opt/editor|\"" + course.Native() + "a.htm\"|open"));
}

}  // namespace
}  // namespace kv
