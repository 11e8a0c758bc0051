#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

// Runs the player on its demo course with a script; returns the last dump.
QJsonObject RunTour(const QString& script, QString& errors) {
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
  player.start(KV_PLAYER, {"--script", file.fileName()});
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

}  // namespace

TEST(DemoTour, StartsQuietlyAndAnswersTheUser) {
  QString errors;
  const QJsonObject start = RunTour("", errors);
  EXPECT_TRUE(start["messages"].toArray().isEmpty()) << errors.toStdString();
  EXPECT_EQ(start["windows"].toArray().size(), 3);
  EXPECT_EQ(Object(start, "struct_main.txt", "settings")["visible"], true);
  EXPECT_EQ(Object(start, "struct_main.txt", "sb_settings")["down"], true);

  const QJsonObject after = RunTour(
      "click struct_main.txt sb_settings\n"
      "click struct_main.txt chk_custom\n"
      "select struct_main.txt chapter_list 2\n"
      "key struct_main.txt F1",
      errors);
  EXPECT_EQ(Object(after, "struct_main.txt", "settings")["visible"], false);
  EXPECT_EQ(Object(after, "struct_main.txt", "sb_settings")["down"], false);  // the button follows the panel
  EXPECT_EQ(Object(after, "struct_main.txt", "spin_questions")["enabled"], true);
  const QJsonArray messages = after["messages"].toArray();
  ASSERT_EQ(messages.size(), 2) << errors.toStdString();
  EXPECT_EQ(messages[0].toString(), "info");  // the chapter's command reached the application
}
