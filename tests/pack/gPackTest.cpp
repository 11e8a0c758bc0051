#include <gtest/gtest.h>

#include "TestSupport.h"
#include "pack/PackWriter.h"
#include "pack/gPack.h"
#include "util/Errors.h"
#include "util/uUtils.h"

namespace kv {
namespace {

class PackTest : public ::testing::Test {
 protected:
  ~PackTest() override { ClosePack(); }

  // Writes the bytes as interface.dat of the course and opens it.
  bool Open(const std::string& bytes) {
    course.Write("interface.dat", bytes);
    return OpenPack(ProgramFolder() + "interface.dat");
  }
  std::string Read(const std::string& name) { return TPack(name).Text(); }

  test::TTempCourse course;
  test::TMessageCapture messages;
};

TEST_F(PackTest, WriterAndReaderRoundTrip) {
  TPackWriter writer;
  writer.Add("struct_main.txt", "[form]\r\ncaption=x\r\n", true);
  writer.Add(test::W("content\\рисунок.bmp"), std::string("\0\x5E\xFF", 3), false);
  writer.Add("empty.txt", "", true);
  writer.Write(course.Native() + "interface.dat");
  ASSERT_TRUE(OpenPack(ProgramFolder() + "interface.dat"));
  ASSERT_EQ(PackDirectory().size(), 3u);
  EXPECT_EQ(PackDirectory()[0].Scrambled, 1);
  EXPECT_EQ(Read("Struct_Main.TXT"), "[form]\r\ncaption=x\r\n");
  EXPECT_EQ(Read(test::W("CONTENT\\Рисунок.BMP")), std::string("\0\x5E\xFF", 3));
  EXPECT_EQ(Read("empty.txt"), "");
  EXPECT_TRUE(messages.Messages.empty());
}

TEST_F(PackTest, ZeroBytePackOpensEmptyAndReadsFromDisk) {
  course.Write("a.txt", "disk");
  EXPECT_TRUE(Open(""));
  EXPECT_TRUE(PackDirectory().empty());
  EXPECT_EQ(FindMember("a.txt"), -1);
  EXPECT_EQ(Read("a.txt"), "disk");
}

TEST_F(PackTest, MissingPackIsNoErrorAndNoMessage) {
  EXPECT_FALSE(OpenPack(ProgramFolder() + "interface.dat"));
  EXPECT_FALSE(PackIsOpen());
  EXPECT_TRUE(messages.Messages.empty());
}

TEST_F(PackTest, BrokenPacksRaiseTheInitError) {
  const std::string good = test::RawPack("abc", {{"a", 3, 15, 0}});
  struct Case { std::string name, bytes; bool signatureMessage; };
  std::string dirAtEnd = good;
  dirAtEnd[7] = static_cast<char>(good.size());  // directory offset == file size
  std::string cut = good.substr(0, good.size() - 1);
  std::string hugeOffset = good;
  hugeOffset[11] = '\x7F';  // above the low 32 bits: ignored
  for (const Case& c : {Case{"signature", "KVX" + good.substr(3), true}, Case{"dir at end", dirAtEnd, false},
                        Case{"cut entry", cut, false}, Case{"short header", "KVQ\0\0", false}}) {
    messages.Messages.clear();
    try {
      Open(c.bytes);
      ADD_FAILURE() << c.name << " opened";
    } catch (const EError& error) {
      EXPECT_EQ(std::string(error.what()), test::W("Ошибка иницилизации архива")) << c.name;
    }
    EXPECT_FALSE(PackIsOpen()) << c.name;
    const std::vector<std::string> expected =
        c.signatureMessage ? std::vector<std::string>{"Неверная сигнатура архива"} : std::vector<std::string>{};
    EXPECT_EQ(messages.Messages, expected) << c.name;
  }
  EXPECT_TRUE(Open(hugeOffset));
  EXPECT_EQ(Read("a"), "abc");
}

TEST_F(PackTest, NamesAreMatchedLowerCasedAndLaterEntriesWin) {
  ASSERT_TRUE(Open(test::RawPack("onetwoUPP", {{"content\\journal.htm", 3, 15, 0},
                                               {"content\\journal.htm", 3, 18, 0},
                                               {"Upper.txt", 3, 21, 0}})));
  EXPECT_EQ(Read("Content\\Journal.HTM"), "two");
  EXPECT_EQ(FindMember("Upper.txt"), -1);  // stored upper-case: never found
  course.Write("content/journal.htm", "disk");
  EXPECT_EQ(Read("content/journal.htm"), "disk");  // no separator conversion before the lookup
  // A full path below the pack folder finds the member of its relative name.
  EXPECT_EQ(Read(ProgramFolder() + "content\\journal.htm"), "two");
  EXPECT_EQ(Read(course.Native() + "content/journal.htm"), "two");
}

TEST_F(PackTest, ScrambleFlagOneOnly) {
  ASSERT_TRUE(Open(test::RawPack(std::string("\x3F\x3C") + "ab", {{"x", 2, 15, 1}, {"y", 2, 17, 2}})));
  EXPECT_EQ(Read("x"), "ab");
  EXPECT_EQ(Read("y"), "ab");
}

TEST_F(PackTest, MissingFileShowsOneMessageAndYieldsNothing) {
  ASSERT_TRUE(Open(test::RawPack("a", {{"a", 1, 15, 0}})));
  EXPECT_EQ(Read("Content\\None.htm"), "");
  EXPECT_EQ(messages.Messages, (std::vector<std::string>{"Не найден файл \r\nContent\\None.htm"}));
  messages.Messages.clear();
  EXPECT_EQ(Read(""), "");
  EXPECT_TRUE(messages.Messages.empty());
}

TEST_F(PackTest, MembersPastTheEndKeepTheirSizeButNeverExceedTheFile) {
  auto make = [](std::int32_t tailOffset) {
    return test::RawPack("abcd", {{"tail", 8, tailOffset, 0},
                                  {"huge", 0x7FFFFFFF, 15, 0},
                                  {"negative", -5, 15, 0},
                                  {"before", 4, -100, 0},
                                  {"after", 4, 0x7FFFFF00, 1}});
  };
  const std::int32_t size = static_cast<std::int32_t>(make(0).size());
  const std::string bytes = make(size - 2);  // the last two bytes of the file, then nothing
  ASSERT_TRUE(Open(bytes));
  EXPECT_EQ(Read("tail"), bytes.substr(bytes.size() - 2) + std::string(6, '\0'));
  EXPECT_EQ(TPack("huge").Size(), bytes.size());  // capped at the pack file's size
  EXPECT_EQ(Read("huge").substr(0, 4), "abcd");
  EXPECT_EQ(Read("negative"), "");
  EXPECT_EQ(Read("before"), std::string(4, '\0'));
  EXPECT_EQ(Read("after"), std::string(4, '\x5E'));
}

TEST_F(PackTest, PackFileExistsLooksInPackThenDisk) {
  ASSERT_TRUE(Open(test::RawPack("a", {{"in\\pack.htm", 1, 15, 0}})));
  course.Write("on/disk.htm", "d");
  EXPECT_TRUE(PackFileExists("In\\Pack.htm"));
  EXPECT_TRUE(PackFileExists("\\on\\DISK.htm"));
  EXPECT_TRUE(PackFileExists(ProgramFolder() + "in\\pack.htm"));
  EXPECT_TRUE(PackFileExists(course.Native() + "on/disk.htm"));
  EXPECT_FALSE(PackFileExists("nothing.htm"));
}

TEST_F(PackTest, ReopeningClosesTheFirstAndCloseKeepsTheFolder) {
  ASSERT_TRUE(Open(test::RawPack("1", {{"one", 1, 15, 0}})));
  course.Write("sub/other.dat", test::RawPack("2", {{"two", 1, 15, 0}}));
  ASSERT_TRUE(OpenPack(ProgramFolder() + "sub/other.dat"));
  EXPECT_EQ(FindMember("one"), -1);
  EXPECT_EQ(FindMember("two"), 0);
  EXPECT_EQ(PackFolder(), ProgramFolder() + "sub/");
  ClosePack();
  EXPECT_EQ(PackFolder(), ProgramFolder() + "sub/");
  EXPECT_EQ(FindMember("two"), -1);
}

TEST_F(PackTest, RelativeToPack) {
  EXPECT_EQ(RelativeToPack("C:\\Course\\content\\a.htm", "C:\\Course\\"), "content\\a.htm");
  EXPECT_EQ(RelativeToPack("C:\\x", "C:\\Course\\"), "C:\\x");  // shorter than the folder
  EXPECT_EQ(RelativeToPack("content\\a.htm", "C:\\Course\\"), "content\\a.htm");
  EXPECT_EQ(RelativeToPack("/srv/course/content/a.htm", "/srv/course/"), "content\\a.htm");
}

}  // namespace
}  // namespace kv
