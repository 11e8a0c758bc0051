// Course paths on this file system. Courses were written on Windows: they use
// '\' and do not care about letter case, while the disk uses '/', UTF-8 names
// and exact case. These functions are the one place where the two meet.
#pragma once

#include <optional>
#include <string>

namespace kv {

// The path of this file system for a course path (Windows-1251, '\' or '/').
// A path below the program's folder keeps that folder's exact native spelling.
std::string NativePathOf(const std::string& coursePath);

// The native path of the regular file that a course path names, found without
// regard to letter case; none when there is no such file.
std::optional<std::string> FindDiskFile(const std::string& coursePath);

bool DiskFileExists(const std::string& coursePath);

}  // namespace kv
