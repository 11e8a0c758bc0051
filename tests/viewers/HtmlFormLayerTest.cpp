#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QWindow>
#include <gtest/gtest.h>

#include "viewers/HtmlFormLayer.h"

namespace kv {

namespace {

using TKind = THtmlFormLayer::TKind;

// A text browser that answers the placeholder pictures from its layer, as the HTML view does.
class TFormViewer : public QTextBrowser {
 public:
  TFormViewer() : Forms(this) {
    resize(400, 300);
    show();  // lays the viewport out at its size before a page comes
  }

  void Load(const QString& html) {
    setHtml(Forms.Prepare(html));
    Forms.Place();
  }

  // The page as drawn, each placeholder opaque in its control's colour, so
  // a test sees where the page put it.
  QImage Render() {
    for (const THtmlFormLayer::TControl& control : Forms.Controls()) {
      QImage marked = Forms.Placeholder(control.Index);
      marked.fill(ColorOf(control.Index));
      document()->addResource(QTextDocument::ImageResource, QUrl("kvform:" + QString::number(control.Index)),
                              marked);
    }
    QImage page(viewport()->size(), QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    document()->drawContents(&painter);
    return page;
  }

  static QColor ColorOf(int index) { return QColor(200, 10 * index + 5, 60); }

  THtmlFormLayer Forms;

 protected:
  QVariant loadResource(int type, const QUrl& name) override {
    if (name.scheme() != "kvform") return QTextBrowser::loadResource(type, name);
    return Forms.Placeholder(name.path().toInt());
  }
};

// The rectangle the pixels of `color` cover in `image` (empty when none).
QRect AreaOf(const QImage& image, const QColor& color) {
  QRect area;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y) == color) area |= QRect(x, y, 1, 1);
  return area;
}

// A left click at `pos` of the window, found by the window as a real click would be.
void ClickAt(QWidget& window, QPoint pos) {
  const QPointF global = window.mapToGlobal(QPointF(pos));
  QMouseEvent press(QEvent::MouseButtonPress, pos, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(window.windowHandle(), &press);
  QMouseEvent release(QEvent::MouseButtonRelease, pos, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(window.windowHandle(), &release);
}

void ClickCenter(QWidget& window, const QWidget& target) {
  ClickAt(window, target.mapTo(&window, target.rect().center()));
}

const char* const kAllKinds =
    "<p>Name <input id=name value='Ann' need='ann;anna' separ=';' maxlength=5 size=10>"
    "<input type=Password id=secret value=pw>"
    "<input type=radio id=r name=q value=1 checked><input type=CHECKBOX id=c checked>"
    "<input type=button id=b value=Go><input type=submit id=s value=Send><input type=hidden id=h value=42>"
    "<select id=combo><option>a<option selected>b</select>"
    "<select id=list size=3><option>x<option>y<option selected>z<option>w</select>"
    "<textarea id=area cols=30 rows=4>\nsome text</textarea><input type=image id=i value=Pic>"
    "<input id=locked readonly disabled value=fixed></p>";

}  // namespace

TEST(HtmlFormLayer, MakesAWidgetOfTheRightKindForEveryControl) {
  TFormViewer viewer;
  viewer.Load(kAllKinds);
  struct Expected { const char* id; TKind kind; const char* kindName; const char* widget; const char* text; };
  const Expected expected[] = {
      {"name", TKind::Text, "text", "QLineEdit", "Ann"},
      {"secret", TKind::Password, "text", "QLineEdit", "pw"},
      {"r", TKind::Radio, "radio", "QRadioButton", "1"},
      {"c", TKind::Checkbox, "checkbox", "QCheckBox", ""},
      {"b", TKind::Button, "other", "QPushButton", "Go"},
      {"s", TKind::Submit, "other", "QPushButton", "Send"},
      {"h", TKind::Hidden, "other", "", "42"},
      {"combo", TKind::Select, "select", "QComboBox", "b"},
      {"list", TKind::Select, "select", "QListWidget", "z"},
      {"area", TKind::Textarea, "textarea", "QPlainTextEdit", "some text"},
      {"i", TKind::Other, "other", "QPushButton", "Pic"},
      {"locked", TKind::Text, "text", "QLineEdit", "fixed"},
  };
  const auto& controls = viewer.Forms.Controls();
  ASSERT_EQ(controls.size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    const THtmlFormLayer::TControl& control = controls[i];
    EXPECT_EQ(control.Index, static_cast<int>(i));
    EXPECT_EQ(control.Id, expected[i].id) << i;
    EXPECT_EQ(control.Kind, expected[i].kind) << i;
    EXPECT_EQ(THtmlFormLayer::KindName(control.Kind), expected[i].kindName) << i;
    const std::string widget = control.Widget ? control.Widget->metaObject()->className() : "";
    EXPECT_EQ(widget, expected[i].widget) << i;
    EXPECT_EQ(viewer.Forms.Text(static_cast<int>(i)), expected[i].text) << i;
    EXPECT_EQ(viewer.Forms.IndexOfId(expected[i].id), static_cast<int>(i));
  }
  EXPECT_EQ(controls[0].Attributes.at("need"), "ann;anna");
  EXPECT_EQ(controls[0].Attributes.at("separ"), ";");
  EXPECT_EQ(controls[2].Name, "q");
  EXPECT_EQ(qobject_cast<QLineEdit*>(controls[0].Widget)->maxLength(), 5);
  EXPECT_EQ(qobject_cast<QLineEdit*>(controls[1].Widget)->echoMode(), QLineEdit::Password);
  EXPECT_TRUE(viewer.Forms.Checked(2));
  EXPECT_TRUE(viewer.Forms.Checked(3));
  EXPECT_EQ(viewer.Forms.Selection(8), 2);
  EXPECT_TRUE(viewer.Forms.ReadOnly(11));
  EXPECT_FALSE(controls[11].Widget->isEnabled());
  EXPECT_FALSE(viewer.Forms.ReadOnly(0));

  // Sizes follow size, cols and rows in the view's font.
  const QFontMetrics metrics(viewer.font());
  const QSize field = controls[0].Widget->size();
  EXPECT_GE(field.width(), 10 * metrics.averageCharWidth());
  EXPECT_LT(field.width(), 12 * metrics.averageCharWidth());
  const QSize area = controls[9].Widget->size();
  EXPECT_GE(area.width(), 30 * metrics.averageCharWidth());
  EXPECT_GE(area.height(), 4 * metrics.lineSpacing());
  EXPECT_LT(area.height(), 5 * metrics.lineSpacing());
  // The list shows its three rows and no more.
  auto* list = qobject_cast<QListWidget*>(controls[8].Widget);
  EXPECT_EQ(list->viewport()->height(), 3 * list->sizeHintForRow(0));

  // Each placeholder is a transparent picture of its widget's size; a hidden input takes 1×1.
  const QImage placeholder = viewer.Forms.Placeholder(9);
  EXPECT_EQ(placeholder.size(), area);
  EXPECT_EQ(placeholder.pixelColor(5, 5).alpha(), 0);
  EXPECT_EQ(viewer.Forms.Placeholder(6).size(), QSize(1, 1));
  EXPECT_EQ(viewer.Forms.IndexOfId("none"), -1);
}

TEST(HtmlFormLayer, RadioButtonsOfOneNameExcludeEachOther) {
  TFormViewer viewer;
  viewer.Load(
      "<input type=radio name=a id=a1 checked><input type=radio name=a id=a2>"
      "<input type=radio name=b id=b1 checked><input type=radio name=b id=b2>"
      "<input type=radio id=alone1><input type=radio id=alone2>");
  const auto radio = [&](int index) { return qobject_cast<QRadioButton*>(viewer.Forms.Controls()[index].Widget); };
  radio(1)->click();
  EXPECT_FALSE(viewer.Forms.Checked(0));
  EXPECT_TRUE(viewer.Forms.Checked(1));
  EXPECT_TRUE(viewer.Forms.Checked(2));  // another name: untouched
  radio(4)->click();
  radio(5)->click();
  EXPECT_TRUE(viewer.Forms.Checked(4));  // no name: each stands alone
  EXPECT_TRUE(viewer.Forms.Checked(5));
  radio(5)->click();
  EXPECT_TRUE(viewer.Forms.Checked(5));  // a click does not uncheck a radio button
  viewer.Forms.SetChecked(3, true);
  EXPECT_FALSE(viewer.Forms.Checked(2));
  viewer.Forms.SetChecked(3, false);  // the exam logic may clear a group
  EXPECT_FALSE(viewer.Forms.Checked(3));
  radio(2)->click();
  EXPECT_TRUE(viewer.Forms.Checked(2));
}

TEST(HtmlFormLayer, ReadsBackWhatIsSet) {
  TFormViewer viewer;
  viewer.Load(kAllKinds);
  THtmlFormLayer& forms = viewer.Forms;
  struct Case { int index; const char* text; const char* readBack; };
  for (const Case& c : {Case{0, "Bob", "Bob"}, Case{1, "new", "new"}, Case{4, "Stop", "Stop"},
                        Case{6, "43", "43"}, Case{7, "a", "a"}, Case{7, "missing", "a"}, Case{8, "w", "w"},
                        Case{8, "missing", "w"}, Case{9, "two\nlines", "two\nlines"}}) {
    forms.SetText(c.index, c.text);
    EXPECT_EQ(forms.Text(c.index), c.readBack) << c.index << " " << c.text;
  }
  EXPECT_EQ(forms.Selection(8), 3);
  for (const int index : {7, 8}) {
    forms.SetSelection(index, 1);
    EXPECT_EQ(forms.Selection(index), 1) << index;
  }
  EXPECT_EQ(forms.Text(7), "b");
  EXPECT_EQ(forms.Text(8), "y");
  forms.SetChecked(3, false);
  EXPECT_FALSE(forms.Checked(3));
  EXPECT_FALSE(qobject_cast<QCheckBox*>(forms.Controls()[3].Widget)->isChecked());
  forms.SetChecked(4, true);  // a push button cannot be checked
  EXPECT_FALSE(forms.Checked(4));
  EXPECT_EQ(forms.Selection(0), -1);
  EXPECT_EQ(forms.Text(99), "");
}

TEST(HtmlFormLayer, WidgetsLieOnTheirPlaceholdersAndScrollWithThePage) {
  TFormViewer viewer;
  QString html = "<p>Top <input id=first> and <input type=checkbox></p>";
  for (int i = 0; i < 30; ++i) html += "<p>line</p>";
  html += "<table border=1><tr><td>cell</td><td><select><option>in a table</select></td></tr></table>"
          "<p>Bottom <textarea rows=3></textarea> <input type=button value=Done></p>";
  viewer.Load("<p>An earlier page <input> <input type=checkbox></p>");
  // The view may place the widgets while the page changes, and does after.
  const QString prepared = viewer.Forms.Prepare(html);
  viewer.Forms.Place();
  viewer.setHtml(prepared);
  viewer.Forms.Place();
  const auto& controls = viewer.Forms.Controls();
  // What shows of each placeholder in the viewport is what shows of its widget.
  const auto expectOnPlaceholders = [&](const char* when) {
    const QImage page = viewer.Render();
    for (const THtmlFormLayer::TControl& control : controls) {
      EXPECT_FALSE(control.Widget->isHidden()) << when << " " << control.Index;
      EXPECT_EQ(control.Widget->geometry() & viewer.viewport()->rect(),
                AreaOf(page, TFormViewer::ColorOf(control.Index)))
          << when << " " << control.Index;
    }
  };
  expectOnPlaceholders("at the top");
  EXPECT_TRUE(viewer.viewport()->rect().contains(controls[0].Widget->geometry()));
  EXPECT_FALSE(viewer.viewport()->rect().intersects(controls[4].Widget->geometry()));

  const QPoint topBefore = controls[0].Widget->pos();
  viewer.verticalScrollBar()->setValue(viewer.verticalScrollBar()->maximum());
  viewer.Forms.Place();
  expectOnPlaceholders("at the bottom");
  EXPECT_EQ(controls[0].Widget->pos(), topBefore - QPoint(0, viewer.verticalScrollBar()->value()));
  EXPECT_TRUE(viewer.viewport()->rect().contains(controls[4].Widget->geometry()));
}

TEST(HtmlFormLayer, HidingAnElementShrinksItsPlaceholder) {
  TFormViewer viewer;
  viewer.Load("<p>A<input id=field>B</p><p><textarea id=Area rows=6></textarea></p><p>below <input></p>");
  QTextDocument& document = *viewer.document();
  const auto caretAt = [&](const QString& text) { return viewer.cursorRect(document.find(text)); };
  const QRect afterField = caretAt("B");
  const QRect belowArea = caretAt("below");

  EXPECT_FALSE(viewer.Forms.HideElement("nothing"));
  EXPECT_FALSE(viewer.Forms.HideElement("area"));  // ids compare exactly
  EXPECT_FALSE(viewer.Forms.HideElement(""));      // a control without an id has none
  ASSERT_TRUE(viewer.Forms.HideElement("field"));
  EXPECT_LT(caretAt("B").left(), afterField.left() - 20);
  ASSERT_TRUE(viewer.Forms.HideElement("Area"));
  EXPECT_LT(caretAt("below").top(), belowArea.top() - 50);

  viewer.Forms.Place();
  for (const int index : {0, 1}) {
    EXPECT_TRUE(viewer.Forms.Controls()[index].Hidden);
    EXPECT_TRUE(viewer.Forms.Controls()[index].Widget->isHidden());
    EXPECT_EQ(viewer.Forms.Placeholder(index).size(), QSize(1, 1));
  }
  EXPECT_FALSE(viewer.Forms.Controls()[2].Widget->isHidden());

  // The next page's controls take their own room again.
  viewer.Load("<p>A<input id=field>B</p>");
  EXPECT_EQ(caretAt("B").left(), afterField.left());
  EXPECT_FALSE(viewer.Forms.Controls()[0].Widget->isHidden());
}

TEST(HtmlFormLayer, LockedControlsKeepTheirLookAndIgnoreClicks) {
  TFormViewer viewer;
  viewer.Load(
      "<p><input type=checkbox id=c> <select id=s size=3><option>a<option>b<option>c</select> <input id=t></p>");
  THtmlFormLayer& forms = viewer.Forms;
  auto* check = qobject_cast<QCheckBox*>(forms.Controls()[0].Widget);
  auto* list = qobject_cast<QListWidget*>(forms.Controls()[1].Widget);
  const QPoint secondRow = list->viewport()->mapTo(&viewer, list->visualItemRect(list->item(1)).center());

  for (const int index : {0, 1, 2}) forms.SetReadOnly(index, true);
  ClickCenter(viewer, *check);
  ClickAt(viewer, secondRow);
  EXPECT_FALSE(check->isChecked());
  EXPECT_EQ(forms.Selection(1), 0);
  EXPECT_TRUE(qobject_cast<QLineEdit*>(forms.Controls()[2].Widget)->isReadOnly());
  for (const int index : {0, 1, 2}) {
    EXPECT_TRUE(forms.ReadOnly(index)) << index;
    EXPECT_TRUE(forms.Controls()[index].Widget->isEnabled()) << index;
  }
  // Keys could change them as clicks do.
  EXPECT_EQ(check->focusPolicy(), Qt::NoFocus);
  EXPECT_EQ(list->focusPolicy(), Qt::NoFocus);

  for (const int index : {0, 1, 2}) forms.SetReadOnly(index, false);
  ClickCenter(viewer, *check);
  ClickAt(viewer, secondRow);
  EXPECT_TRUE(check->isChecked());
  EXPECT_EQ(forms.Selection(1), 1);
  EXPECT_FALSE(forms.ReadOnly(0));
  EXPECT_EQ(check->focusPolicy(), QCheckBox(nullptr).focusPolicy());
}

TEST(HtmlFormLayer, ColorsShowInTheWidget) {
  TFormViewer viewer;
  viewer.Load("<input id=t value=x>");
  viewer.Forms.SetColors(0, QColor(0, 0, 255), QColor(255, 255, 0));
  const QImage picture = viewer.Forms.Controls()[0].Widget->grab().toImage();
  EXPECT_EQ(picture.pixelColor(picture.width() - 6, picture.height() / 2), QColor(0, 0, 255));
}

TEST(HtmlFormLayer, ClearRemovesTheWidgets) {
  TFormViewer viewer;
  viewer.Load(kAllKinds);
  QPointer<QWidget> widget = viewer.Forms.Controls()[0].Widget;
  viewer.Load("<p><input id=next></p>");
  ASSERT_EQ(viewer.Forms.Controls().size(), 1u);
  EXPECT_EQ(viewer.Forms.Controls()[0].Id, "next");
  viewer.Forms.Clear();
  EXPECT_TRUE(viewer.Forms.Controls().empty());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(widget);
  EXPECT_TRUE(viewer.viewport()->findChildren<QWidget*>().isEmpty());
}

}  // namespace kv
