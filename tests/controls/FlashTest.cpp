#include <gtest/gtest.h>

#include <QWidget>
#include <filesystem>

#include "TestSupport.h"
#include "controls/skFlash.h"
#include "controls/skLabels.h"
#include "interpreter/skUseStract.h"
#include "app/skForm.h"
#include "util/uUtils.h"

namespace kv {
namespace {

// A course with a three-frame animation and a movie player bound to a track bar.
class FlashTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy_file(KV_TEST_DATA "/anim.gif", course.Native() + "anim.gif");
    course.Write("demo.txt",
                 "[demo]\r\ntype=form\r\n[bar]\r\ntype=track_bar\r\n"
                 "[player]\r\ntype=flash\r\ntrack_bar=bar\r\nload=anim.gif\r\n");
    stract.Build();
    flash = stract.GetFlash("player");
  }

  test::TTempCourse course;
  test::TMessageCapture messages;
  TSkForm form;
  TSkStract stract{&form, "demo.txt"};
  TSkFlash* flash = nullptr;
};

TEST_F(FlashTest, PlaysAnAnimationAndFollowsTheCommands) {
  ASSERT_NE(flash, nullptr);
  EXPECT_TRUE(messages.Messages.empty());
  EXPECT_EQ(flash->TotalFrames(), 3);
  EXPECT_TRUE(flash->Playing());
  EXPECT_EQ(stract.GetTrackBar("bar")->maximum(), 3);

  stract.RunCommandString("flash_stop*player");
  EXPECT_FALSE(flash->Playing());
  EXPECT_EQ(flash->FrameNum(), 0);
  stract.RunCommandString("flash_pause*player");  // stopped: resumes
  EXPECT_TRUE(flash->Playing());
  stract.RunCommandString("flash_pause*player");  // playing: stops
  EXPECT_FALSE(flash->Playing());
  stract.RunCommandString("flash_play*player");
  EXPECT_TRUE(flash->Playing());
}

TEST_F(FlashTest, TheTrackBarSeeksAndKeepsTheMovieStoppedWhenItWas) {
  TSkTrackBar* bar = stract.GetTrackBar("bar");
  stract.RunCommandString("flash_stop*player");
  emit bar->sliderPressed();
  bar->setValue(2);
  emit bar->sliderReleased();
  EXPECT_EQ(flash->CurrentFrame(), 2);
  EXPECT_FALSE(flash->Playing());
  flash->Play();
  emit bar->sliderPressed();
  EXPECT_FALSE(flash->Playing());
  bar->setValue(1);
  emit bar->sliderReleased();
  EXPECT_TRUE(flash->Playing());
}

TEST_F(FlashTest, AMissingMovieIsReportedAndNothingChanges) {
  stract.RunCommandString("flash_load*player*nothing.gif");
  EXPECT_EQ(messages.Messages, (std::vector<std::string>{"Не найден файл nothing.gif"}));
  EXPECT_EQ(flash->FFileName, ProgramPath("anim.gif"));
}

}  // namespace
}  // namespace kv
