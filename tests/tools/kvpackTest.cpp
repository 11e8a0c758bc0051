#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "TestSupport.h"
#include "kvpack/PackCommands.h"
#include "pack/gPack.h"

namespace fs = std::filesystem;

namespace kv {
namespace {

class KvpackTest : public ::testing::Test {
 protected:
  int Run(const std::function<int(TPackStreams)>& command) {
    out.str({});
    err.str({});
    return command(TPackStreams{out, err});
  }
  std::string Path(const std::string& relative) const { return work.Native() + relative; }

  test::TTempCourse work;
  std::ostringstream out;
  std::ostringstream err;
};

TEST_F(KvpackTest, RoundTripsCyrillicNamesAndScramblesByGlob) {
  work.Write("src/Struct_Main.txt", "[form]\r\n");
  work.Write("src/Содержание/Тема 1.HTM", "<p>\xCF\xF0\xE8\xE2\xE5\xF2</p>");
  work.Write("src/content/pic.bin", std::string("\0\x5E\x01\xFF", 4));
  ASSERT_EQ(Run([&](TPackStreams io) { return PackCreate(Path("course.dat"), Path("src"), {"*.txt", "*.htm"}, io); }), 0)
      << err.str();

  ASSERT_EQ(Run([&](TPackStreams io) { return PackList(Path("course.dat"), io); }), 0) << err.str();
  EXPECT_EQ(out.str(),
            "content\\pic.bin\t4\t15\t0\n"
            "struct_main.txt\t8\t19\t1\n"
            "содержание\\тема 1.htm\t13\t27\t1\n");

  ASSERT_EQ(Run([&](TPackStreams io) { return PackExtract(Path("course.dat"), Path("out"), io); }), 0) << err.str();
  EXPECT_EQ(test::ReadFile(Path("out/struct_main.txt")), "[form]\r\n");
  EXPECT_EQ(test::ReadFile(Path("out/содержание/тема 1.htm")), "<p>\xCF\xF0\xE8\xE2\xE5\xF2</p>");
  EXPECT_EQ(test::ReadFile(Path("out/content/pic.bin")), std::string("\0\x5E\x01\xFF", 4));

  ASSERT_EQ(Run([&](TPackStreams io) { return PackCat(Path("course.dat"), "СОДЕРЖАНИЕ\\Тема 1.htm", io); }), 0);
  EXPECT_EQ(out.str(), "<p>\xCF\xF0\xE8\xE2\xE5\xF2</p>");
  EXPECT_EQ(Run([&](TPackStreams io) { return PackVerify(Path("course.dat"), io); }), 0) << out.str();
}

TEST_F(KvpackTest, CatFallsBackToDiskAndReportsMissingFiles) {
  work.Write("src/a.txt", "member");
  ASSERT_EQ(Run([&](TPackStreams io) { return PackCreate(Path("interface.dat"), Path("src"), {}, io); }), 0);
  work.Write("loose/b.txt", "loose");
  EXPECT_EQ(Run([&](TPackStreams io) { return PackCat(Path("interface.dat"), "loose\\B.TXT", io); }), 0);
  EXPECT_EQ(out.str(), "loose");
  EXPECT_EQ(Run([&](TPackStreams io) { return PackCat(Path("interface.dat"), "none.txt", io); }), 1);
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(err.str(), "Не найден файл \r\nnone.txt\n");
}

TEST_F(KvpackTest, CreateRefusesNamesItCannotStoreAndLeavesNothing) {
  work.Write("src/ok.txt", "x");
  work.Write("src/日本.txt", "x");
  EXPECT_EQ(Run([&](TPackStreams io) { return PackCreate(Path("p.dat"), Path("src"), {}, io); }), 1);
  EXPECT_NE(err.str().find("日本.txt"), std::string::npos);
  fs::remove(Path("src/日本.txt"));
  work.Write("src/" + std::string(200, 'n') + "/" + std::string(60, 'n'), "x");
  EXPECT_EQ(Run([&](TPackStreams io) { return PackCreate(Path("p.dat"), Path("src"), {}, io); }), 1);
  EXPECT_EQ(Run([&](TPackStreams io) { return PackCreate(Path("p.dat"), Path("nothing"), {}, io); }), 1);
  for (const auto& entry : fs::directory_iterator(work.Native()))
    EXPECT_EQ(entry.path().filename().string().rfind("p.dat", 0), std::string::npos) << entry.path();
}

TEST_F(KvpackTest, ExtractNeverWritesOutsideTheFolder) {
  const std::string hostile = test::RawPack(
      "safe", {{"..\\evil.txt", 4, 15, 0}, {"c:\\evil.txt", 4, 15, 0}, {"\\evil.txt", 4, 15, 0},
               {"/evil.txt", 4, 15, 0}, {"a\\..\\..\\evil.txt", 4, 15, 0}, {"ok\\dup.txt", 4, 15, 0},
               {"ok\\dup.txt", 2, 15, 1}});
  work.Write("hostile.dat", hostile);
  fs::create_directories(Path("out"));
  fs::create_directory_symlink(work.Native(), Path("out/link"));
  EXPECT_EQ(Run([&](TPackStreams io) { return PackExtract(Path("hostile.dat"), Path("out"), io); }), 1);
  EXPECT_FALSE(fs::exists(Path("evil.txt")));
  EXPECT_FALSE(fs::exists("/evil.txt"));
  EXPECT_EQ(test::ReadFile(Path("out/ok/dup.txt")), "\x2D\x3F");  // the later duplicate, unscrambled
  EXPECT_NE(err.str().find("..\\evil.txt"), std::string::npos);

  // A link already inside the target folder is not followed.
  work.Write("linked.dat", test::RawPack("safe", {{"link\\escaped.txt", 4, 15, 0}}));
  EXPECT_EQ(Run([&](TPackStreams io) { return PackExtract(Path("linked.dat"), Path("out"), io); }), 1);
  EXPECT_FALSE(fs::exists(Path("escaped.txt")));
}

TEST_F(KvpackTest, VerifyAndOpenErrorsReportProblems) {
  work.Write("past.dat", test::RawPack("ab", {{"a", 2, 15, 0}, {"b", 500, 16, 0}, {"c", -1, 15, 0}}));
  EXPECT_EQ(Run([&](TPackStreams io) { return PackVerify(Path("past.dat"), io); }), 1);
  EXPECT_NE(out.str().find("member b"), std::string::npos);
  EXPECT_NE(out.str().find("member c"), std::string::npos);
  EXPECT_EQ(out.str().find("member a "), std::string::npos);

  const std::string good = test::RawPack("ab", {{"a", 2, 15, 0}});
  work.Write("cut.dat", good.substr(0, good.size() - 3));
  EXPECT_EQ(Run([&](TPackStreams io) { return PackVerify(Path("cut.dat"), io); }), 1);
  EXPECT_EQ(Run([&](TPackStreams io) { return PackList(Path("cut.dat"), io); }), 1);
  EXPECT_EQ(err.str(), "Ошибка иницилизации архива\n");

  work.Write("sig.dat", "XYZ" + good.substr(3));
  EXPECT_EQ(Run([&](TPackStreams io) { return PackList(Path("sig.dat"), io); }), 1);
  EXPECT_EQ(err.str(), "Неверная сигнатура архива\nОшибка иницилизации архива\n");
  EXPECT_EQ(Run([&](TPackStreams io) { return PackVerify(Path("sig.dat"), io); }), 1);
}

}  // namespace
}  // namespace kv
