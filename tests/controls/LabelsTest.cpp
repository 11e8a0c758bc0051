#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QMouseEvent>

#include "TestSupport.h"
#include "controls/skLabels.h"

namespace kv {

namespace {

const QString kEllipsis = QStringLiteral("...");
const std::string kCaption = "One two three four five six seven eight";

// A label on a form on screen, so that resizing it reaches it at once.
class LabelTest : public testing::Test {
 protected:
  LabelTest() {
    form.resize(800, 100);
    form.show();
    label.resize(100, 20);
  }

  int Advance(const QString& text) const { return QFontMetrics(label.font()).horizontalAdvance(text); }

  // The shown text is the longest run of leading words that fits with "...".
  void ExpectLongestFittingWords() const {
    const QString shown = label.text();
    ASSERT_TRUE(shown.endsWith(kEllipsis)) << shown.toStdString();
    const QString words = shown.chopped(kEllipsis.size());
    const QString full = label.FFullCaption;
    ASSERT_TRUE(full.startsWith(words + (words.isEmpty() ? "" : " "))) << shown.toStdString();
    EXPECT_LE(Advance(shown), label.width());
    const qsizetype nextEnd = full.indexOf(u' ', words.isEmpty() ? 0 : words.size() + 1);
    ASSERT_GT(nextEnd, 0) << "the next word is the last one";
    EXPECT_GT(Advance(full.left(nextEnd) + kEllipsis), label.width());
  }

  QWidget form;
  TSkLabel label{&form};
};

void Release(QWidget& target, QPointF at, Qt::MouseButton button) {
  QMouseEvent event(QEvent::MouseButtonRelease, at, target.mapToGlobal(at), button, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&target, &event);
}

}  // namespace

TEST_F(LabelTest, ShowsTheWholeCaptionUnlessCutLengthIsOn) {
  label.SetCaption(test::W("Длинная подпись <b>") + kCaption);
  EXPECT_EQ(label.FFullCaption, QString::fromUtf8("Длинная подпись <b>") + QString::fromStdString(kCaption));
  EXPECT_EQ(label.text(), label.FFullCaption);
  EXPECT_EQ(label.textFormat(), Qt::PlainText);
  label.SetCutLength(true);
  ExpectLongestFittingWords();
  label.SetCutLength(false);
  EXPECT_EQ(label.text(), label.FFullCaption);
}

TEST_F(LabelTest, CutsToWholeWordsAndFollowsItsWidth) {
  label.SetCutLength(true);
  label.SetCaption(kCaption);
  ASSERT_GT(Advance(label.FFullCaption), label.width());
  ExpectLongestFittingWords();
  const QString atHundred = label.text();

  label.resize(200, 20);
  ExpectLongestFittingWords();
  EXPECT_GT(label.text().size(), atHundred.size());

  label.resize(Advance(label.FFullCaption), 20);
  EXPECT_EQ(label.text(), label.FFullCaption);

  // Narrower than "..." alone: the label keeps what it showed.
  label.resize(Advance(kEllipsis) - 1, 20);
  EXPECT_EQ(label.text(), label.FFullCaption);
}

TEST_F(LabelTest, AWordWiderThanTheLabelBecomesAnEllipsisWhenThatFits) {
  label.SetCutLength(true);
  label.SetCaption("Incomprehensibilities");
  ASSERT_GT(Advance(label.FFullCaption), label.width());
  EXPECT_EQ(label.text(), kEllipsis);

  label.resize(Advance(kEllipsis) - 1, 20);
  label.SetCaption("Uncharacteristically");
  EXPECT_EQ(label.text(), kEllipsis);
}

TEST_F(LabelTest, UrlStyleOffRestoresTheNormalLook) {
  QFont bold = label.font();
  bold.setBold(true);
  bold.setItalic(true);
  label.setFont(bold);

  label.SetUrlStyle(true);
  EXPECT_TRUE(label.font().underline());
  EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(0, 0, 255));
  EXPECT_EQ(label.cursor().shape(), Qt::PointingHandCursor);

  label.SetUrlStyle(false);
  EXPECT_FALSE(label.font().underline());
  EXPECT_FALSE(label.font().bold());
  EXPECT_FALSE(label.font().italic());
  EXPECT_EQ(label.palette().color(QPalette::WindowText), QApplication::palette(&label).color(QPalette::WindowText));
  EXPECT_FALSE(label.testAttribute(Qt::WA_SetCursor));
}

TEST_F(LabelTest, ALeftButtonReleasedInsideIsAClick) {
  struct TCase {
    QPointF at;
    Qt::MouseButton button;
    bool clicked;
  };
  const TCase cases[] = {
      {{5, 5}, Qt::LeftButton, true}, {{5, 5}, Qt::RightButton, false}, {{150, 5}, Qt::LeftButton, false}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.at.x() << " button " << c.button);
    int clicks = 0;
    const auto connection = QObject::connect(&label, &TSkLabel::Clicked, [&] { ++clicks; });
    Release(label, c.at, c.button);
    QObject::disconnect(connection);
    EXPECT_EQ(clicks, c.clicked ? 1 : 0);
  }
}

TEST(TrackAndProgressBars, StartAsTheFormsExpect) {
  TSkTrackBar track(nullptr);
  EXPECT_EQ(track.orientation(), Qt::Horizontal);
  EXPECT_EQ(track.tickPosition(), QSlider::NoTicks);
  TSkProgressBar progress(nullptr);
  EXPECT_EQ(progress.minimum(), 0);
  EXPECT_EQ(progress.maximum(), 100);
}

}  // namespace kv
