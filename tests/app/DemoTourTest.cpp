#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

// Runs the player on a course (its demo course when none is given) with a
// script; returns the last dump.
QJsonObject RunTour(const QString& script, QString& errors, const QString& course = QString()) {
  QTemporaryDir dir;
  const QString dump = dir.filePath("dump.json");
  QFile file(dir.filePath("tour.txt"));
  file.open(QIODevice::WriteOnly);
  file.write((script + "\ndump " + dump + "\n").toUtf8());
  file.close();
  QProcess player;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  player.setProcessEnvironment(environment);
  QStringList arguments{"--script", file.fileName()};
  if (!course.isEmpty()) arguments.prepend(course);
  player.start(KV_PLAYER, arguments);
  player.waitForFinished(30000);
  errors = QString::fromUtf8(player.readAllStandardError());
  QFile result(dump);
  result.open(QIODevice::ReadOnly);
  return QJsonDocument::fromJson(result.readAll()).object();
}

QJsonObject Object(const QJsonObject& dump, const QString& description, const QString& name) {
  for (const QJsonValue& window : dump["windows"].toArray())
    if (window.toObject()["description"] == description)
      for (const QJsonValue& object : window.toObject()["objects"].toArray())
        if (object.toObject()["name"] == name) return object.toObject();
  return {};
}

// The description whose page the main window shows.
QString ActivePage(const QJsonObject& dump) {
  for (const QJsonValue& window : dump["windows"].toArray())
    if (window.toObject()["active"].toBool() && window.toObject()["description"].toString().startsWith("struct_"))
      return window.toObject()["description"].toString();
  return {};
}

}  // namespace

TEST(DemoTour, StartsQuietlyAndAnswersTheUser) {
  QString errors;
  const QJsonObject start = RunTour("", errors);
  EXPECT_TRUE(start["messages"].toArray().isEmpty()) << errors.toStdString();
  EXPECT_EQ(start["windows"].toArray().size(), 3);
  EXPECT_EQ(Object(start, "struct_main.txt", "settings")["visible"], true);
  EXPECT_EQ(Object(start, "struct_main.txt", "sb_settings")["down"], true);

  const QJsonObject chapter = RunTour(
      "click struct_main.txt sb_settings\n"
      "click struct_main.txt chk_custom\n"
      "select struct_main.txt chapter_list 2",
      errors);
  EXPECT_EQ(Object(chapter, "struct_main.txt", "settings")["visible"], false);
  EXPECT_EQ(Object(chapter, "struct_main.txt", "sb_settings")["down"], false);  // the button follows the panel
  EXPECT_EQ(Object(chapter, "struct_main.txt", "spin_questions")["enabled"], true);
  // A chapter opens the textbook's topic list.
  EXPECT_EQ(ActivePage(chapter), "struct_show.txt");
  EXPECT_TRUE(Object(chapter, "struct_show.txt", "html")["text"].toString().contains(QString::fromUtf8("Глава 3")));
  // F1 on the start screen opens the page about the course.
  const QJsonObject help = RunTour("key struct_main.txt F1", errors);
  EXPECT_EQ(ActivePage(help), "struct_other.txt");
  EXPECT_TRUE(help["messages"].toArray().isEmpty()) << errors.toStdString();
}

namespace {

// The textbook's tour, step by step: the command, then what the dump shows.
void CheckTextbookTour(const QString& course) {
  struct TStep {
    const char* Commands;
    const char* Page;  // the description shown
    int Topic;
    const char* Kind;
    int PrintMode;
    bool Title, GoInfoEnabled;
  };
  const TStep steps[] = {
      {"run struct_main.txt goto*1", "struct_show.txt", 0, "html", 0, false, false},
      {"run struct_show.txt go_info", "struct_show.txt", 0, "html", 0, false, false},
      {"run struct_show.txt info*0", "struct_show.txt", 0, "html", 2, true, true},
      {"run struct_show.txt go_next", "struct_show.txt", 1, "html", 2, true, true},
      {"run struct_show.txt go_prev", "struct_show.txt", 0, "html", 2, true, true},
      {"run struct_show.txt go_to_hpora", "struct_show.txt", 0, "hpora", 1, true, true},
      {"run struct_show.txt go_back", "struct_show.txt", 0, "hpora", 0, false, false},
      {"run struct_show.txt goto*2", "struct_show.txt", 0, "hpora", 2, false, false},
      {"run struct_show.txt goto*3", "struct_show.txt", 0, "hpora", 0, false, false},
      {"run struct_show.txt goto*1", "struct_show.txt", 0, "hpora", 0, false, false},
      {"run struct_show.txt goto*4", "struct_other.txt", 0, "hpora", 0, false, false},
      {"run struct_other.txt show_main", "struct_main.txt", 0, "hpora", 0, false, false},
  };
  QString script;
  for (const TStep& step : steps) {
    script += QString(step.Commands) + "\n";
    SCOPED_TRACE(step.Commands);
    QString errors;
    const QJsonObject dump = RunTour(script, errors, course);
    ASSERT_FALSE(dump.isEmpty()) << errors.toStdString();
    EXPECT_TRUE(dump["messages"].toArray().isEmpty()) << errors.toStdString();
    EXPECT_EQ(ActivePage(dump), step.Page);
    const QJsonObject tutor = dump["tutor"].toObject();
    EXPECT_EQ(tutor["topic_index"].toInt(), step.Topic);
    EXPECT_EQ(tutor["page_kind"].toString(), step.Kind);
    EXPECT_EQ(tutor["print_mode"].toInt(), step.PrintMode);
    EXPECT_EQ(Object(dump, "struct_show.txt", "label_title")["visible"].toBool(), step.Title);
    EXPECT_EQ(Object(dump, "struct_show.txt", "but_go_info")["enabled"].toBool(), step.GoInfoEnabled);
    EXPECT_EQ(Object(dump, "struct_show.txt", "but_print")["enabled"].toBool(), step.PrintMode != 0);
  }
}

}  // namespace

TEST(DemoTour, TheTextbookTourOnTheDemoCourse) { CheckTextbookTour(QString()); }

// A course written apart from the demo, with its own layout, names of files and item variants.
TEST(DemoTour, TheTextbookTourOnAnotherCourse) { CheckTextbookTour(KV_TEST_DATA "/tour_course"); }

namespace {

// An exam on the second course through a script: in its type-5 test the answers
// keep their order, so whatever the draw, ids 1 and 4 are the right choices and
// 7 is the typed field.
std::string ExamRow(const QString& answers) {
  QTemporaryDir data;
  QString errors;
  const QString script = "run struct_main.txt goto*1\nrun struct_show.txt goto*2\nrun struct_show.txt go_examen\n" +
                         answers + "run struct_show.txt test_examen\n";
  qputenv("XDG_DATA_HOME", data.path().toUtf8());
  const QJsonObject dump = RunTour(script, errors, KV_TEST_DATA "/tour_course");
  qunsetenv("XDG_DATA_HOME");
  EXPECT_TRUE(dump["messages"].toArray().isEmpty()) << errors.toStdString();
  EXPECT_FALSE(dump["tutor"].toObject()["exam_running"].toBool());
  QFile journal(dump["tutor"].toObject()["journal"].toString());
  if (!journal.open(QIODevice::ReadOnly)) return {};
  return journal.readAll().toStdString();
}

}  // namespace

TEST(DemoTour, AScriptedExamOnAnotherCourse) {
  const std::string right = ExamRow(
      "form struct_show.txt html 1 1\nform struct_show.txt html 4 1\nform struct_show.txt html 7 " +
      QString::fromUtf8("рим") + "\n");
  EXPECT_NE(right.find("<td>3/3</td> <td>5</td>"), std::string::npos) << right;
  const std::string wrong =
      ExamRow("form struct_show.txt html 2 1\nform struct_show.txt html 6 1\nform struct_show.txt html 7 Париж\n");
  EXPECT_NE(wrong.find("<td>0/3</td> <td>2</td>"), std::string::npos) << wrong;
}
