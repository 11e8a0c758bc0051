#include <gtest/gtest.h>

#include "TestSupport.h"
#include "util/DiskFile.h"
#include "util/uUtils.h"

namespace kv {

TEST(DiskFile, FindsFilesWithoutRegardToCase) {
  test::TTempCourse course;
  const std::string pic = course.Write("content/pic.jpg", "x");
  const std::string cyr = course.Write("content/рисунки/Схема.gif", "y");
  EXPECT_EQ(FindDiskFile(ProgramFolder() + "Content\\Pic.JPG"), pic);
  EXPECT_EQ(FindDiskFile(ProgramPath(test::W("CONTENT\\Рисунки\\схема.GIF"))), cyr);
  EXPECT_EQ(FindDiskFile(course.Native() + "content/pic.jpg"), pic);
  EXPECT_FALSE(FindDiskFile(ProgramFolder() + "content\\nothing.jpg"));
  EXPECT_FALSE(FindDiskFile(ProgramFolder() + "content"));  // a folder is not a file
  EXPECT_FALSE(FindDiskFile(""));
}

TEST(DiskFile, KeepsTheProgramFolderSpelledNatively) {
  test::TTempCourse course;
  const std::string native = course.Native() + "курс №5/";
  SetProgramFolder(native);
  const std::string page = course.Write("курс №5/a.htm", "z");
  EXPECT_EQ(NativePathOf(ProgramFolder() + "a.htm"), native + "a.htm");
  EXPECT_TRUE(DiskFileExists(ProgramPath("A.HTM")));
}

}  // namespace kv
