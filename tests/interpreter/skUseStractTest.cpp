#include <gtest/gtest.h>

#include <QApplication>
#include <QAbstractScrollArea>
#include <QScrollBar>
#include <QLabel>
#include <QStackedWidget>

#include "TestSupport.h"
#include "app/skForm.h"
#include "controls/skButtons.h"
#include "controls/skInputs.h"
#include "controls/skPanels.h"
#include "controls/skPopMenu.h"
#include "interpreter/skUseStract.h"
#include "platform/TextCodec.h"
#include "viewers/skHTML.h"
#include "util/Errors.h"

namespace kv {
namespace {

class InterpreterTest : public ::testing::Test {
 protected:
  // Writes the description (UTF-8 here, Windows-1251 on disk) and builds it on the form.
  TSkStract& Build(const std::string& file, const std::string& text) {
    course.Write(file, test::W(text));
    stracts.push_back(std::make_unique<TSkStract>(&form, file));
    stracts.back()->Build();
    return *stracts.back();
  }
  QWidget* Widget(TSkStract& stract, const std::string& name) {
    return qobject_cast<QWidget*>(stract.GetControl(name));
  }

  test::TTempCourse course;
  test::TMessageCapture messages;
  TSkForm form;
  std::vector<std::unique_ptr<TSkStract>> stracts;
};

TEST_F(InterpreterTest, ObjectsAreCreatedParentsFirstInTheirContainers) {
  TSkStract& stract = Build("d.txt",
                            "[b]\ntype=button\nmaster=A\ncaption=Далее\n"
                            "[A]\ntype=panel\nmaster=main\n"
                            "[main]\ntype=form\ncaption=Окно\n"
                            "[lost]\ntype=label\nmaster=nowhere\n");
  auto* panel = qobject_cast<TSkPanel*>(stract.GetControl("a"));
  auto* button = qobject_cast<TSkButton*>(stract.GetControl("B"));
  ASSERT_TRUE(panel && button);
  EXPECT_EQ(button->parentWidget(), panel);
  EXPECT_EQ(panel->parentWidget(), stract.Page());
  EXPECT_EQ(button->text(), QString::fromUtf8("Далее"));
  EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Окно"));
  ASSERT_EQ(stract.Objects().size(), 2u);
  EXPECT_EQ(stract.Objects()[0].Name, "A");  // the parent came first
  ASSERT_EQ(messages.Messages.size(), 1u);
  EXPECT_NE(messages.Messages[0].find("lost"), std::string::npos);
}

TEST_F(InterpreterTest, EachDescriptionAddsAPage) {
  TSkStract& first = Build("one.txt", "[f]\ntype=form\n");
  TSkStract& second = Build("two.txt", "[g]\ntype=form\n");
  ASSERT_NE(form.Notebook(), nullptr);
  EXPECT_EQ(form.Notebook()->widget(0)->objectName(), "Default");
  EXPECT_EQ(form.Notebook()->widget(1)->objectName(), "p1");
  EXPECT_EQ(form.Notebook()->currentIndex(), 1);
  first.ActivatePage();
  EXPECT_EQ(form.Notebook()->currentIndex(), 0);
  EXPECT_EQ(second.PageIndex(), 1);
}

TEST_F(InterpreterTest, BadDescriptionsAreReported) {
  Build("empty.txt", "; nothing here\n");
  Build("types.txt", "[f]\ntype=form\n[x]\ntype=gizmo\n[y]\ncaption=no type\n");
  EXPECT_EQ(messages.Messages,
            (std::vector<std::string>{"Нету данных в empty.txt. Это безусловно End...",
                                      "types.txt\r\nMakeObject. Объект x имеет неизвестный тип gizmo",
                                      "types.txt\r\nMakeObject. Объект y имеет неизвестный тип "}));
  EXPECT_THROW(Build("bad.txt", "[f]\ntype=form\n[b]\ntype=button\nleft=ten\n"), EConvertError);
  // Names must be identifiers, unique under one parent; the build stops at a bad one.
  EXPECT_THROW(Build("name.txt", "[f]\ntype=form\n[1st]\ntype=button\n"), EError);
  EXPECT_THROW(Build("twice.txt", "[f]\ntype=form\n[b]\ntype=button\n[b]\ntype=label\n[c]\ntype=label\n"), EError);
  EXPECT_EQ(stracts.back()->Objects().size(), 1u);
}

TEST_F(InterpreterTest, CommonKeysApplyLastFirstAndTypeKeysAfter) {
  TSkStract& stract = Build("d.txt",
                            "[f]\ntype=form\nwidth=400\nheight=300\n"
                            "[p]\ntype=panel\nleft=7\nalign=top\nheight=40\n"
                            "[v]\ntype=button\nvisible=yes\nenabled=0\n"
                            "[c]\ntype=panel\nwidth=100\nheight=50\nanchor=* * * *\n"
                            "[s]\ntype=button\nanchor=10 10 10 10\n");
  form.resize(400, 300);
  QApplication::processEvents();
  QWidget* p = Widget(stract, "p");
  EXPECT_EQ(p->x(), 7);  // the alignment came first, then the left edge
  EXPECT_EQ(p->height(), 40);
  QWidget* v = Widget(stract, "v");
  EXPECT_FALSE(v->isHidden());
  EXPECT_FALSE(v->isEnabled());
  QWidget* page = stract.Page();
  QWidget* c = Widget(stract, "c");
  EXPECT_EQ(c->x(), (page->width() - 100) / 2);
  EXPECT_EQ(c->y(), (page->height() - 50) / 2);
  QWidget* s = Widget(stract, "s");
  EXPECT_EQ(s->geometry(), QRect(10, 10, page->width() - 20, page->height() - 20));
  form.resize(500, 350);
  QApplication::processEvents();
  EXPECT_EQ(s->geometry(), QRect(10, 10, page->width() - 20, page->height() - 20));
  EXPECT_EQ(c->x(), (page->width() - 100) / 2);
}

TEST_F(InterpreterTest, PercentagesFollowThePageFromTheStart) {
  TSkStract& stract = Build("d.txt",
                            "[f]\ntype=form\nwidth=900\nheight=600\n"
                            "[half]\ntype=parent_panel\nwidth=50%\nheight=30\n"
                            "[box]\ntype=scroll_box\nleft=0\ntop=40\nwidth=200\nheight=100\n"
                            "[far]\ntype=label\nmaster=box\ntop=500\ncaption=far down\n");
  QWidget* half = Widget(stract, "half");
  EXPECT_EQ(half->width(), 450);  // the page had the window's size while the keys were read
  stract.ActivatePage();
  form.show();
  form.resize(600, 600);
  QApplication::processEvents();
  EXPECT_EQ(half->width(), 300);
  auto* box = qobject_cast<QAbstractScrollArea*>(stract.GetControl("box"));
  EXPECT_GT(box->verticalScrollBar()->maximum(), 0);  // the label below the edge can be scrolled to
}

TEST_F(InterpreterTest, HtmlViewsTakeTheirKeysAndCommands) {
  course.Write("a.htm", test::W("<html><head><title>Первая</title></head><body><a href='$go*1'>x</a></body></html>"));
  course.Write("b.htm", test::W("<html><head><title>Вторая</title></head><body>B</body></html>"));
  TSkStract& stract = Build("d.txt",
                            "[f]\ntype=form\n[title]\ntype=label\n"
                            "[html]\ntype=html\nlabel_title=title\nload=a.htm\naction=page\n");
  std::vector<std::string> received;
  stract.OnAppCommand = [&](RHelpAction& action) { received.push_back(action.Text); };
  auto* html = stract.GetHtml("HTML");
  ASSERT_NE(html, nullptr);
  auto* label = qobject_cast<QLabel*>(stract.GetControl("title"));
  EXPECT_EQ(label->text(), QString::fromUtf8("Первая"));
  html->FollowLink("$go*1");
  QApplication::processEvents();
  EXPECT_EQ(received, (std::vector<std::string>{"page*go*1"}));

  stract.RunCommandString("html_load*html*b.htm");
  EXPECT_EQ(label->text(), QString::fromUtf8("Вторая"));
  stract.RunCommandString("html_go_history*html*1");
  EXPECT_EQ(label->text(), QString::fromUtf8("Первая"));
  // A page that is not there: the error reaches the caller and the page shown stays.
  EXPECT_THROW(stract.RunCommandString("html_load*html*none.htm"), EInOutError);
  EXPECT_EQ(label->text(), QString::fromUtf8("Первая"));
  EXPECT_THROW(stract.RunCommandString("html_go_history*html*x"), EConvertError);
  EXPECT_TRUE(messages.Messages.empty());
}

TEST_F(InterpreterTest, UnknownCommandsGoToTheHandlerWithTheRest) {
  TSkStract& stract = Build("d.txt", "[f]\ntype=form\n[Panel1]\ntype=panel\n[Panel2]\ntype=panel\n");
  std::vector<std::string> received;
  stract.OnAppCommand = [&](RHelpAction& action) { received.push_back(action.Text); };
  stract.RunCommandString("nil//visible*Panel1*0//Foo*1//visible*Panel2*0");
  EXPECT_TRUE(Widget(stract, "Panel1")->isHidden());
  EXPECT_FALSE(Widget(stract, "Panel2")->isHidden());
  EXPECT_EQ(received, (std::vector<std::string>{"foo*1//visible*Panel2*0"}));

  stract.OnAppCommand = nullptr;
  stract.RunCommandString("visible*Panel1*1//foo*1//visible*Panel2*0");
  EXPECT_FALSE(Widget(stract, "Panel1")->isHidden());
  EXPECT_TRUE(Widget(stract, "Panel2")->isHidden());
  EXPECT_TRUE(messages.Messages.empty());
}

TEST_F(InterpreterTest, LookupsReportMissesUnlessSilenced) {
  TSkStract& stract = Build("d.txt", "[f]\ntype=form\n[html]\ntype=button\n");
  EXPECT_NE(stract.GetControl("HTML"), nullptr);
  EXPECT_EQ(stract.GetPanel("html"), nullptr);
  EXPECT_EQ(messages.Messages, (std::vector<std::string>{"d.txt\r\nGetComponent. Не найден контрол: html"}));
  stract.FReportErrors = false;
  EXPECT_EQ(stract.GetControl("none"), nullptr);
  EXPECT_EQ(messages.Messages.size(), 1u);
}

TEST_F(InterpreterTest, CheckBoxEnablesItsControlsThenFires) {
  TSkStract& stract = Build("d.txt",
                            "[f]\ntype=form\n[e1]\ntype=edit_box\n[e2]\ntype=edit_box\n"
                            "[box]\ntype=check_box\nenable_control=e1;missing;E2\naction=opt*insert*x\n");
  std::vector<std::string> received;
  stract.OnAppCommand = [&](RHelpAction& action) { received.push_back(action.Text); };
  auto* box = qobject_cast<QAbstractButton*>(stract.GetControl("box"));
  EXPECT_EQ(box->text(), "box");  // a check box without a caption shows its name
  box->click();
  EXPECT_TRUE(Widget(stract, "e1")->isEnabled());
  box->click();
  EXPECT_FALSE(Widget(stract, "e1")->isEnabled());
  EXPECT_FALSE(Widget(stract, "e2")->isEnabled());
  EXPECT_EQ(received, (std::vector<std::string>{"opt*1*x", "opt*0*x"}));
  ASSERT_EQ(messages.Messages.size(), 4u);  // per click: the lookup, then the check box's own report
  EXPECT_EQ(messages.Messages[1], "d.txt\r\nПроверте параметр enable_control для чекьокса box");
}

TEST_F(InterpreterTest, HotKeysBelongToTheirPage) {
  TSkStract& first = Build("one.txt", "[f]\ntype=form\n[keys]\ntype=hot_key\nk1=F1*test*one*1\n");
  TSkStract& second = Build("two.txt", "[g]\ntype=form\n[keys]\ntype=hot_key\nk1=F1*test*two*2\n");
  first.ActivatePage();
  form.HandleKey(Qt::Key_F1, Qt::NoModifier);
  second.ActivatePage();
  form.HandleKey(Qt::Key_F1, Qt::NoModifier);
  EXPECT_EQ(messages.Messages, (std::vector<std::string>{"one*1", "two*2"}));
}

TEST_F(InterpreterTest, MenusTakeTheirItemsAndKeys) {
  TSkStract& stract = Build("d.txt",
                            "[f]\ntype=form\n"
                            "[m]\ntype=pop_menu\nglob_action=test*glob*x\ncaption=Open;Save\naction=test*open*x;\n"
                            "key=Ctrl+O;\ncheck=1\n"
                            "[bad]\ntype=pop_menu\ncaption=Only\n");
  auto* menu = qobject_cast<TSkPopMenu*>(stract.GetControl("m"));
  ASSERT_EQ(menu->ItemCount(), 2);
  EXPECT_EQ(menu->ItemAt(1)->FCommand, "test*glob*x");
  EXPECT_TRUE(menu->ItemAt(1)->isChecked());
  emit menu->ItemChosen(menu->ItemAt(1));
  form.HandleKey(Qt::Key_O, Qt::ControlModifier);
  ASSERT_EQ(messages.Messages.size(), 3u);
  EXPECT_EQ(messages.Messages[0], "Для меню bad надо указать все параметры:\r\nCaption, Action и можно Key");
  EXPECT_EQ(messages.Messages[1], "glob*x");
  EXPECT_EQ(messages.Messages[2], "open*x");
}

TEST_F(InterpreterTest, StartCommandRunsBeforeTheHandlerIsSet) {
  // Without a handler a command only the application knows is skipped; the built-in one after it runs.
  Build("d.txt", "[f]\ntype=form\naction=app_only*1//test*built*in\n");
  EXPECT_EQ(messages.Messages, (std::vector<std::string>{"built*in"}));
}

TEST_F(InterpreterTest, StyleSheetsSeeTheSkinsThemeAndDescriptionsKeepTheirFonts) {
  // Style sheets read the theme when they polish a control, and showing a
  // control polishes it; a combo box is polished as soon as it is made.
  qApp->setStyleSheet("QPushButton[theme=\"menu\"] { color: #123456; } QComboBox[theme=\"banner\"] { color: #654321; }");
  TSkStract& stract = Build("skin.txt",
                            "[f]\ntype=form\n[b]\ntype=button\nfont=*14\nskin=menu\n"
                            "[c]\ntype=combo_box\nskin=banner\n[plain]\ntype=button\n");
  EXPECT_EQ(Widget(stract, "b")->palette().color(QPalette::ButtonText), QColor("#123456"));
  EXPECT_EQ(Widget(stract, "b")->font().pointSize(), 14);
  EXPECT_EQ(Widget(stract, "c")->palette().color(QPalette::Text), QColor("#654321"));
  EXPECT_EQ(Widget(stract, "plain")->property("theme").toString(), "default");
  qApp->setStyleSheet(QString());
}

}  // namespace
}  // namespace kv
